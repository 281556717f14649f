// Setting one field of the record with a given picture ID, as the bulk update does: category
// words are added or removed one by one; other fields are filled when blank or replaced.
#include <unordered_set>

#include "base/text_rules.h"
#include "store/database.h"
#include "store/index_words.h"

namespace {

// The distinct non-empty category words of a value, upper-cased.
std::vector<std::string> CategoryWords(const std::string& value) {
  std::vector<std::string> words;
  for (std::string& piece : QueryPieces(value, kQuerySeparators)) {
    if (!piece.empty()) words.push_back(std::move(piece));
  }
  return words;
}

bool AddCategories(std::string& field, const std::vector<std::string>& words) {
  bool changed = false;
  for (const std::string& word : words) {
    if ((" " + field + " ").find(" " + word + " ") != std::string::npos) continue;
    field += ' ';
    field += word;
    field = TrimBlanks(field);
    changed = true;
  }
  return changed;
}

bool RemoveCategories(std::string& field, const std::vector<std::string>& words) {
  const std::unordered_set<std::string> remove(words.begin(), words.end());
  std::string kept;
  bool changed = false;
  size_t start = 0;
  while (start <= field.size()) {
    size_t end = field.find(' ', start);
    if (end == std::string::npos) end = field.size();
    const std::string word = field.substr(start, end - start);
    if (!word.empty()) {
      if (remove.count(word)) {
        changed = true;
      } else {
        kept += (kept.empty() ? "" : " ") + word;
      }
    }
    start = end + 1;
  }
  if (changed) field = kept;
  return changed;
}

}  // namespace

int Cdatabase::SetFieldOfId(const std::string& id, int field, const std::string& value, int mode) {
  if (field < 0 || field >= kFieldCount) return 0;
  {
    COpenFiles files(*this);
    if (!files.ok() || !ReadHeader()) return 0;
    const uint32_t record = IdRecord(id);
    if (record == 0) return 0;
    LoadRecord(record);
    if (!status_.ok()) return 0;
  }
  std::string& target = fields[field];
  bool changed = false;
  if (field == kFieldCategory) {
    const std::vector<std::string> words = CategoryWords(value);
    changed = mode == kSetFieldAddOrFillBlank ? AddCategories(target, words)
                                              : RemoveCategories(target, words);
  } else if (mode == kSetFieldRemoveOrReplace || target.empty()) {
    // Replace, or fill in a blank field.
    target = value;
    changed = true;
  }
  if (!changed) return 0;
  return UpdateCurrent() == UpdateResult::kDone ? 1 : 0;
}
