// A chosen path goes into the parameters so that the program's command line gives it back whole.
#include "platform/ParameterText.h"

#include <gtest/gtest.h>

TEST(ParameterText, APathWithABlankIsQuotedAndAPlainOneStaysAsItIs) {
    EXPECT_EQ(platform::ParameterText("C:\\Tools\\x.txt"), "C:\\Tools\\x.txt");
    EXPECT_EQ(platform::ParameterText("C:\\Eigene Dateien\\x.txt"),
              "\"C:\\Eigene Dateien\\x.txt\"");
}
