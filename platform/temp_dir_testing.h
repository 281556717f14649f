// Test helpers: a temporary folder removed with everything in it at the end of the test, and
// an environment variable set for the lifetime of an object.
#pragma once

#include <optional>
#include <string>

class CTempDir {
 public:
  CTempDir();
  ~CTempDir();
  CTempDir(const CTempDir&) = delete;
  CTempDir& operator=(const CTempDir&) = delete;

  const std::string& Path() const { return path_; }
  // Path() + "/" + relative.
  std::string operator/(const std::string& relative) const;
  // Writes a file (making its folders); returns its full path.
  std::string Write(const std::string& relative, const std::string& content) const;
  // Makes a folder with its parents; returns its full path.
  std::string MakeDir(const std::string& relative) const;
  // The whole content of a file; nothing when it cannot be read.
  static std::optional<std::string> Read(const std::string& path);

 private:
  std::string path_;
};

// Sets (or, with nothing, unsets) an environment variable and restores it when destroyed.
class CScopedEnv {
 public:
  CScopedEnv(std::string name, const std::optional<std::string>& value);
  ~CScopedEnv();
  CScopedEnv(const CScopedEnv&) = delete;
  CScopedEnv& operator=(const CScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> saved_;
};
