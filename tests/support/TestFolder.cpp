#include "support/TestFolder.h"

#include "support/Wait.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace testing_support {

namespace fs = std::filesystem;

namespace {

fs::path FromUtf8(const std::string& path) {
    return fs::u8path(path);
}

} // namespace

TestFolder::TestFolder() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = fs::temp_directory_path() /
            ("tippomat-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(root_);
}

TestFolder::~TestFolder() {
    std::error_code ignored;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
}

std::string TestFolder::Path(const std::string& name) const {
    return (name.empty() ? root_ : root_ / FromUtf8(name)).u8string();
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(FromUtf8(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(FromUtf8(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string WaitForContent(const std::string& path, const std::string& needle, int seconds) {
    Eventually(
        [&] {
            const std::string content = ReadBytes(path);
            return !content.empty() && content.find(needle) != std::string::npos;
        },
        seconds);
    // A writer may still be appending its last lines.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return ReadBytes(path);
}

void SetEnvironment(const std::string& name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name.c_str(), value.c_str());
#else
    setenv(name.c_str(), value.c_str(), 1);
#endif
}

std::string TestData(const std::string& name) {
    return std::string(TIPPOMAT_TEST_DATA) + "/" + name;
}

} // namespace testing_support
