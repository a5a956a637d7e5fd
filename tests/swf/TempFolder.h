#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    auto base = std::filesystem::temp_directory_path();
    for (int i = 0;; ++i) {
      path_ = base / ("swftest-" + std::to_string(::getpid()) + "-" + std::to_string(i));
      if (std::filesystem::create_directory(path_)) break;
    }
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string File(const std::string& name) const { return (path_ / name).string(); }
  std::string Folder() const { return path_.string() + "/"; }
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    std::ofstream(File(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return File(name);
  }
  static std::vector<std::uint8_t> Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::size_t Count() const {
    return std::size_t(std::distance(std::filesystem::directory_iterator(path_), {}));
  }

 private:
  std::filesystem::path path_;
};
