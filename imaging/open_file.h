// An open stdio file that closes itself.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

struct CFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using COpenFile = std::unique_ptr<std::FILE, CFileCloser>;

// The file opened for binary reading; empty when it cannot be opened.
inline COpenFile OpenForReading(const std::string& path) {
  return COpenFile(std::fopen(path.c_str(), "rb"));
}
