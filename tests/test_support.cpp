#include "test_support.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace corvella::test {

TempDir::TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "corvella-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
    std::ofstream f(path_ / name, std::ios::binary);
    f << bytes;
}

std::string TempDir::read(const std::string& name) const {
    std::ifstream f(path_ / name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

std::filesystem::path sourceDir() {
    return CORVELLA_SOURCE_DIR;
}
std::filesystem::path dataDir() {
    return sourceDir() / "data";
}

}  // namespace corvella::test
