#include "base/text_rules.h"

#include <algorithm>
#include <cstdint>

namespace {

bool IsContinuation(uint8_t byte) { return (byte & 0xC0) == 0x80; }

// Upper-case form of a code point of a two-byte UTF-8 character; the code point itself when it
// has none of the same length.
uint32_t UpperOf(uint32_t cp) {
  if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 0x20;
  if (cp == 0xFF) return 0x178;
  if (cp == 0xB5) return 0x39C;
  if (cp >= 0x100 && cp <= 0x137 && cp != 0x131 && (cp & 1)) return cp - 1;
  if (cp >= 0x139 && cp <= 0x148 && !(cp & 1)) return cp - 1;
  if (cp >= 0x14A && cp <= 0x177 && (cp & 1)) return cp - 1;
  if (cp >= 0x179 && cp <= 0x17E && !(cp & 1)) return cp - 1;
  return cp;
}

uint32_t LowerOf(uint32_t cp) {
  if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20;
  if (cp == 0x178) return 0xFF;
  if (cp >= 0x100 && cp <= 0x137 && cp != 0x130 && !(cp & 1)) return cp + 1;
  if (cp >= 0x139 && cp <= 0x148 && (cp & 1)) return cp + 1;
  if (cp >= 0x14A && cp <= 0x177 && !(cp & 1)) return cp + 1;
  if (cp >= 0x179 && cp <= 0x17E && (cp & 1)) return cp + 1;
  return cp;
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | cp >> 6);
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | cp >> 12);
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

template <typename Map>
std::string MapCase(std::string_view text, char ascii_from, Map map) {
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    const uint8_t byte = static_cast<uint8_t>(out[i]);
    if (byte >= static_cast<uint8_t>(ascii_from) && byte < static_cast<uint8_t>(ascii_from) + 26) {
      out[i] = static_cast<char>(byte ^ 0x20);
    } else if (byte >= 0xC2 && byte <= 0xDF && i + 1 < out.size() &&
               IsContinuation(static_cast<uint8_t>(out[i + 1]))) {
      const uint32_t cp = (byte & 0x1F) << 6 | (static_cast<uint8_t>(out[i + 1]) & 0x3F);
      const uint32_t mapped = map(cp);
      out[i] = static_cast<char>(0xC0 | mapped >> 6);
      out[i + 1] = static_cast<char>(0x80 | (mapped & 0x3F));
      ++i;
    }
  }
  return out;
}

// Length of the valid UTF-8 character starting at `i`, or 0.
size_t Utf8CharLength(std::string_view text, size_t i) {
  const uint8_t lead = static_cast<uint8_t>(text[i]);
  size_t length;
  uint32_t cp;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, cp = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, cp = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    const uint8_t byte = static_cast<uint8_t>(text[i + k]);
    if (!IsContinuation(byte)) return 0;
    cp = cp << 6 | (byte & 0x3F);
  }
  if ((length == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
      (length == 4 && (cp < 0x10000 || cp > 0x10FFFF))) {
    return 0;
  }
  return length;
}

// Code points of Windows-1252 bytes 0x80 to 0x9F (undefined bytes keep their C1 value).
constexpr uint16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string UpperCase(std::string_view text) { return MapCase(text, 'a', UpperOf); }

std::string LowerCase(std::string_view text) { return MapCase(text, 'A', LowerOf); }

std::string CutText(std::string_view text, size_t max_bytes) {
  if (text.size() <= max_bytes) return std::string(text);
  size_t cut = max_bytes;
  // Back off over the continuation bytes to a lead byte whose character the cut would split.
  size_t start = cut;
  while (start > 0 && cut - start < 3 && IsContinuation(static_cast<uint8_t>(text[start]))) {
    --start;
  }
  if (start < cut) {
    const size_t length = Utf8CharLength(text, start);
    if (length > 1 && start + length > cut) cut = start;
  }
  return std::string(text.substr(0, cut));
}

std::string TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::string();
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool IsValidUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t length = Utf8CharLength(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char c : text) {
    const uint8_t byte = static_cast<uint8_t>(c);
    if (byte >= 0x80 && byte <= 0x9F) {
      AppendUtf8(out, kWindows1252High[byte - 0x80]);
    } else {
      AppendUtf8(out, byte);
    }
  }
  return out;
}

std::string DisplayText(std::string_view text) {
  return IsValidUtf8(text) ? std::string(text) : Windows1252ToUtf8(text);
}

size_t CharacterCount(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++count) i += std::max<size_t>(1, Utf8CharLength(text, i));
  return count;
}

std::string StoredLineBreaks(std::string_view text) {
  std::string stored;
  stored.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n') stored += '\r';
    stored += text[i];
  }
  return stored;
}

std::string LineFeedsOnly(std::string_view text) {
  std::string lines;
  lines.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lines += text[i];
  }
  return lines;
}
