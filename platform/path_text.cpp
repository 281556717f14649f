#include "platform/path_text.h"

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  while (!folder.empty() && folder.back() == '/') folder.remove_suffix(1);
  while (!name.empty() && name.front() == '/') name.remove_prefix(1);
  std::string path(folder);
  path += '/';
  path += name;
  return path;
}
