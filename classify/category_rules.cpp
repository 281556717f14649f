#include "classify/category_rules.h"

#include <algorithm>

#include "base/string_table.h"
#include "base/text_rules.h"

std::string CategoryNameOf(std::string_view typed) { return TrimBlanks(typed); }

std::optional<std::string> RefuseCategoryName(const std::vector<std::string>& names,
                                              const std::string& name) {
  if (name.empty()) return kMsgEmptyCategory;
  if (name == LoadString(IDS_TO_BE_DESCRIBED) ||
      std::find(names.begin(), names.end(), name) != names.end()) {
    return LoadString(IDS_CATEGORY_EXISTS);
  }
  if (name.find(' ') != std::string::npos) return LoadString(IDS_CATEGORY_ONE_WORD);
  if (CharacterCount(name) > kMaxCategoryLength) return kMsgCategoryTooLong;
  return std::nullopt;
}

bool RemoveCategoryName(std::vector<std::string>& names, const std::string& name) {
  const auto kept = std::remove(names.begin(), names.end(), name);
  const bool removed = kept != names.end();
  names.erase(kept, names.end());
  return removed;
}

bool HasCategory(std::string_view field, std::string_view name) {
  const std::string padded = " " + std::string(field) + " ";
  return padded.find(" " + std::string(name) + " ") != std::string::npos;
}

std::string CleanCategoryField(std::string_view field) {
  // Whole words only: a category such as OLD_TO_BE_DESCRIBED keeps its name.
  std::string cleaned;
  for (const std::string& word : CategoryWordsOf(field)) {
    if (word == LoadString(IDS_TO_BE_DESCRIBED)) continue;
    if (!cleaned.empty()) cleaned += ' ';
    cleaned += word;
  }
  return cleaned;
}

std::vector<std::string> CategoryWordsOf(std::string_view field) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start < field.size()) {
    size_t end = field.find(' ', start);
    if (end == std::string_view::npos) end = field.size();
    if (end > start) words.emplace_back(field.substr(start, end - start));
    start = end + 1;
  }
  return words;
}
