// Fixed-width text areas of the store files: the text, its NUL and zeros after it.
#pragma once

#include <algorithm>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

// The text of an area: up to its first NUL, at most width - 1 bytes.
inline std::string FixedText(std::span<const char> area) {
  const size_t limit = area.empty() ? 0 : area.size() - 1;
  const char* end = std::find(area.data(), area.data() + limit, '\0');
  return std::string(area.data(), end);
}

// Fills the area with the text (at most width - 1 bytes; the caller cuts it) and zeros.
inline void SetFixedText(std::span<char> area, std::string_view text) {
  const size_t length = std::min(text.size(), area.size() - 1);
  std::memset(area.data(), 0, area.size());
  std::memcpy(area.data(), text.data(), length);
}
