#include "store/index_words.h"

#include <unordered_set>

#include "base/text_rules.h"

std::vector<std::string> IndexWords(std::string_view text) {
  const std::string upper = UpperCase(text) + " ";
  std::vector<std::string> words;
  std::unordered_set<std::string_view> seen;
  size_t start = 0;
  while (start < upper.size() && words.size() < kMaxWordsPerText) {
    size_t end = upper.find_first_of(kIndexSeparators, start);
    if (end == std::string::npos) end = upper.size();
    std::string_view piece(upper.data() + start, end - start);
    const size_t first = piece.find_first_not_of(kWordTrimCharacters);
    if (first != std::string_view::npos) {
      const size_t last = piece.find_last_not_of(kWordTrimCharacters);
      piece = piece.substr(first, last - first + 1);
      if (seen.insert(piece).second) words.emplace_back(piece);
    }
    start = end + 1;
  }
  return words;
}

std::vector<std::string> QueryPieces(std::string_view text, std::string_view separators) {
  const std::string upper = UpperCase(text) + " ";
  std::vector<std::string> pieces;
  std::unordered_set<std::string> seen;
  size_t start = 0;
  while (start < upper.size()) {
    const size_t end = upper.find_first_of(separators, start);
    if (end == std::string::npos) break;
    std::string piece = upper.substr(start, end - start);
    if (seen.insert(piece).second) pieces.push_back(std::move(piece));
    start = end + 1;
  }
  return pieces;
}
