#include "platform/temp_dir_testing.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/path_text.h"

CTempDir::CTempDir() {
  std::string pattern = "/tmp/albumcraft_test_XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

CTempDir::~CTempDir() {
  std::error_code ignored;
  // Folders a test made read-only must become writable again to be removed.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
    }
  }
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::string CTempDir::operator/(const std::string& relative) const {
  return JoinPath(path_, relative);
}

std::string CTempDir::Write(const std::string& relative, const std::string& content) const {
  std::string path = *this / relative;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

std::string CTempDir::MakeDir(const std::string& relative) const {
  std::string path = *this / relative;
  std::filesystem::create_directories(path);
  return path;
}

std::optional<std::string> CTempDir::Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

CScopedEnv::CScopedEnv(std::string name, const std::optional<std::string>& value)
    : name_(std::move(name)) {
  if (const char* old = getenv(name_.c_str())) saved_ = old;
  if (value) {
    setenv(name_.c_str(), value->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}

CScopedEnv::~CScopedEnv() {
  if (saved_) {
    setenv(name_.c_str(), saved_->c_str(), 1);
  } else {
    unsetenv(name_.c_str());
  }
}
