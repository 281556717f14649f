#include "classify/category_choice.h"

#include <algorithm>

#include "base/string_table.h"
#include "classify/category_rules.h"

namespace {

void AppendWord(std::string& field, const std::string& word) {
  if (word.empty()) return;
  if (!field.empty()) field += ' ';
  field += word;
}

std::string WithoutBlanks(std::string name) {
  name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
  return name;
}

}  // namespace

CCategoryChoice::CCategoryChoice(std::string field, const std::vector<std::string>& names,
                                 bool with_to_be_described)
    : field_(std::move(field)), with_to_be_described_(with_to_be_described) {
  for (const std::string& name : names) items_.push_back({name, HasCategory(field_, name)});
  if (with_to_be_described_) {
    const std::string& to_be_described = LoadString(IDS_TO_BE_DESCRIBED);
    items_.push_back({to_be_described, HasCategory(field_, to_be_described)});
  }
}

void CCategoryChoice::SetTicked(size_t item, bool ticked) {
  if (item < items_.size()) items_[item].ticked = ticked;
}

void CCategoryChoice::AddItem(const std::string& name) {
  const auto end = with_to_be_described_ ? items_.end() - 1 : items_.end();
  items_.insert(end, {name, false});
}

void CCategoryChoice::RemoveItem(size_t item) {
  if (item < items_.size()) items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(item));
}

std::string CCategoryChoice::Field() const {
  const std::string& to_be_described = LoadString(IDS_TO_BE_DESCRIBED);
  std::string field;
  bool to_be_described_ticked = false;
  for (const CItem& item : items_) {
    if (with_to_be_described_ && &item == &items_.back()) {
      to_be_described_ticked = item.ticked;
    } else if (item.ticked) {
      AppendWord(field, WithoutBlanks(item.name));
    }
  }
  for (const std::string& word : CategoryWordsOf(field_)) {
    const bool shown = std::any_of(items_.begin(), items_.end(),
                                   [&word](const CItem& item) { return item.name == word; });
    if (!shown && !HasCategory(field, word)) AppendWord(field, word);
  }
  if (to_be_described_ticked) AppendWord(field, to_be_described);
  return field;
}
