#include "publish/html_text.h"

#include "base/text_rules.h"

namespace {

bool StartsCharacter(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

}  // namespace

std::string HtmlText(std::string_view text) {
  const std::string shown = DisplayText(text);
  std::string html;
  html.reserve(shown.size());
  for (size_t i = 0; i < shown.size(); ++i) {
    const char c = shown[i];
    if (c == '\r' && i + 1 < shown.size() && shown[i + 1] == '\n') continue;
    if (c == '&') {
      html += "&amp;";
    } else if (c == '<') {
      html += "&lt;";
    } else if (c == '>') {
      html += "&gt;";
    } else {
      html += c;
    }
  }
  return html;
}

std::string FirstCharacters(std::string_view text, size_t count) {
  size_t seen = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (StartsCharacter(text[i]) && seen++ == count) return std::string(text.substr(0, i));
  }
  return std::string(text);
}
