#pragma once
// Shared test helpers: a temporary working folder and fixture paths.
#include <filesystem>
#include <string>

namespace corvella::test {

// A fresh folder under the system's temp folder, removed when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

// The repository's folders.
std::filesystem::path sourceDir();
std::filesystem::path dataDir();  // data/, with Federal15.dtt

}  // namespace corvella::test
