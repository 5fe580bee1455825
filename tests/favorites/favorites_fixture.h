#pragma once
// A fresh folder per test for favorites files, and byte-exact file access.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>

namespace favtest {

namespace fs = std::filesystem;

// A text as the program's text-mode writes put it on disk: under Windows
// every line feed becomes CR LF.
inline std::string Disk(const std::string& text) {
#ifdef _WIN32
  std::string disk;
  for (char c : text) {
    if (c == '\n') disk += '\r';
    disk += c;
  }
  return disk;
#else
  return text;
#endif
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  ASSERT_TRUE(out.good()) << path;
}

// The file's bytes, or nothing when it does not exist.
inline std::optional<std::string> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Gives each test its own empty folder and removes it afterwards.
class FolderTest {
 protected:
  void MakeFolder() {
    folder_ = fs::temp_directory_path() /
              ("vexo-favorites-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder_);
    favorites_ = folder_ / "favvexo.txt";
    path_ = favorites_.string();
    temporary_ = folder_ / "favvexo.txt.tmp";
  }
  void RemoveFolder() {
    std::error_code ignored;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (const auto& entry : fs::directory_iterator(folder_, ignored)) {
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(folder_, ignored);
  }
  fs::path folder_;
  fs::path favorites_;
  fs::path temporary_;
  std::string path_;
};

}  // namespace favtest
