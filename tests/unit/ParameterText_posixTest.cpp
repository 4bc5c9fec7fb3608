// A chosen path goes into the parameters so that their splitting gives it back as one word.
#include "platform/ParameterText.h"
#include "platform/ShellWords.h"

#include <gtest/gtest.h>

TEST(ParameterText, EveryPathComesBackAsOneWordAndAPlainOneStaysAsItIs) {
    EXPECT_EQ(platform::ParameterText("/usr/bin/x"), "/usr/bin/x");
    for (const std::string path : {"/tmp/a b", "/tmp/it's", "/tmp/\"q\"", "/tmp/back\\slash",
                                   "/tmp/tab\there", "/tmp/cr\rhere", "/tmp/$x"}) {
        EXPECT_EQ(platform::SplitShellWords("-x " + platform::ParameterText(path)),
                  (std::vector<std::string>{"-x", path}))
            << path;
        EXPECT_EQ(platform::SingleParameter(" " + platform::ParameterText(path)), path);
    }
}

TEST(ParameterText, TwoWordsAreNoSingleParameter) {
    EXPECT_EQ(platform::SingleParameter("-x '/tmp/a b'"), std::nullopt);
    EXPECT_EQ(platform::SingleParameter(""), std::nullopt);
}
