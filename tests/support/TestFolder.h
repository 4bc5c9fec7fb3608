// A fresh folder per test, removed afterwards, and whole-file helpers.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

class TestFolder {
  public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The UTF-8 path of a name inside the folder (the folder itself for an empty name).
    std::string Path(const std::string& name = "") const;

  private:
    std::filesystem::path root_;
};

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
std::string TestData(const std::string& name);

// Waits until the file holds text that contains needle, then returns all of it (what it holds
// on time-out). Started programs run on their own; this is how a test learns what they did.
std::string WaitForContent(const std::string& path, const std::string& needle = "",
                           int seconds = 30);

void SetEnvironment(const std::string& name, const std::string& value);

} // namespace testing_support
