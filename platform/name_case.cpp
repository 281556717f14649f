#include "platform/name_case.h"

#include <locale.h>
#include <wctype.h>

#include <cctype>

namespace {

wint_t FoldCase(wint_t c) {
  static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  if (utf8) return towlower_l(c, utf8);
  return c < 0x80 ? static_cast<wint_t>(std::tolower(static_cast<int>(c))) : c;
}

// The next character of `text` at `*pos` as a code point. A byte that does not start a
// well-formed UTF-8 sequence stands for itself, mapped above the Unicode range so that it only
// ever equals the same byte.
wint_t NextCodePoint(std::string_view text, size_t* pos) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(*pos);
  int length = lead < 0x80           ? 1
               : (lead >> 5) == 0x6  ? 2
               : (lead >> 4) == 0xE  ? 3
               : (lead >> 3) == 0x1E ? 4
                                     : 0;
  if (length > 1 && *pos + length <= text.size()) {
    wint_t code = lead & (0x7F >> length);
    bool valid = true;
    for (int i = 1; i < length && valid; ++i) {
      unsigned char next = byte(*pos + i);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    if (valid) {
      *pos += length;
      return code;
    }
  }
  *pos += 1;
  return length == 1 ? lead : 0x110000 + lead;
}

// Below zero when `a` folds before `b`, zero when they fold alike, above zero otherwise.
int CompareFolded(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const wint_t x = FoldCase(NextCodePoint(a, &i));
    const wint_t y = FoldCase(NextCodePoint(b, &j));
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) { return CompareFolded(a, b) == 0; }

bool LessIgnoringCase(std::string_view a, std::string_view b) {
  const int order = CompareFolded(a, b);
  return order != 0 ? order < 0 : a < b;
}
