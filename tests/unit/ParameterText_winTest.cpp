// A chosen path goes into the parameters so that the program's command line gives it back whole.
#include "platform/ParameterText.h"
#include "platform/WinText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

namespace {

// The arguments a started program reads from that command line.
std::vector<std::string> Arguments(const std::string& commandLine) {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(platform::Wide(commandLine).c_str(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back(platform::Narrow(words[i]));
    }
    LocalFree(words);
    return arguments;
}

TEST(ParameterText, EveryPathComesBackAsOneArgumentAndAPlainOneStaysAsItIs) {
    EXPECT_EQ(platform::ParameterText("C:\\Tools\\x.txt"), "C:\\Tools\\x.txt");
    for (const std::string path :
         {"C:\\Tools\\x.txt", "C:\\Eigene Dateien\\x.txt", "C:\\a  b\\tab\there.txt"}) {
        const std::string parameter = platform::ParameterText(path);
        EXPECT_EQ(Arguments("x.exe -x " + parameter),
                  (std::vector<std::string>{"x.exe", "-x", path}))
            << path;
        EXPECT_EQ(platform::SingleParameter(" " + parameter), path) << "read back as one word";
    }
    EXPECT_EQ(platform::SingleParameter("-x \"C:\\a b.txt\""), std::nullopt);
}

} // namespace
