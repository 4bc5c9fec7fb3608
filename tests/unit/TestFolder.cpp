#include "unit/TestFolder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <sstream>

namespace testing_support {

namespace fs = std::filesystem;

namespace {

fs::path FromUtf8(const std::string& path) { return fs::u8path(path); }

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

std::string TestData(const std::string& name) { return std::string(TIPPOMAT_TEST_DATA) + "/" + name; }

} // namespace testing_support
