#include "store/directory_key.h"

#include <cmath>
#include <cstdint>

#include "base/string_printf.h"

std::string ForwardSlashes(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

std::string DirectoryKey(std::string_view path) {
  std::string directory = ForwardSlashes(std::string(path));
  const size_t slash = directory.rfind('/');
  directory.resize(slash == std::string::npos ? 0 : slash + 1);
  float sum = 0.0f;
  for (size_t s = 1; s < directory.size(); ++s) {
    const double byte = static_cast<int8_t>(directory[s]);
    const double step = std::pow(1.1, static_cast<double>(s)) * byte;
    sum = static_cast<float>(static_cast<double>(sum) + step);
  }
  return StringPrintf("%12.2f", static_cast<double>(sum));
}
