#include "ui/text_wrap.h"

namespace {

void WrapParagraph(const std::string& paragraph, int max_width, const CTextWidth& width,
                   std::vector<std::string>& lines) {
  std::string line;
  size_t i = 0;
  while (i < paragraph.size()) {
    // The next word with the blanks before it.
    size_t word_end = paragraph.find_first_not_of(' ', i);
    if (word_end == std::string::npos) word_end = paragraph.size();
    word_end = paragraph.find(' ', word_end);
    if (word_end == std::string::npos) word_end = paragraph.size();
    const std::string piece = paragraph.substr(i, word_end - i);
    if (!line.empty() && width(line + piece) > max_width) {
      lines.push_back(line);
      line = piece.substr(piece.find_first_not_of(' ') == std::string::npos
                              ? piece.size()
                              : piece.find_first_not_of(' '));
    } else {
      line += piece;
    }
    i = word_end;
  }
  lines.push_back(line);
}

}  // namespace

std::vector<std::string> WrapWords(const std::string& text, int max_width,
                                   const CTextWidth& width) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    size_t end = text.find('\n', start);
    std::string paragraph = text.substr(start, end == std::string::npos ? end : end - start);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
    WrapParagraph(paragraph, max_width, width, lines);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}
