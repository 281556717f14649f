#include "publish/record_scope.h"

#include "base/text_rules.h"
#include "store/database.h"

namespace {

constexpr const char* kCategoryQueryPrefix = "C:";

}  // namespace

void CRecordScope::Open() {
  scope = any_selected ? Scope::kSelected : Scope::kCategory;
  category_entry = 0;
}

std::vector<std::string> CRecordScope::CategoryEntries() const {
  std::vector<std::string> entries = {kNoCategory};
  entries.insert(entries.end(), categories.begin(), categories.end());
  return entries;
}

void CRecordScope::Choose(Scope chosen) {
  if (chosen == Scope::kSelected && !SelectedEnabled()) return;
  scope = chosen;
}

bool CRecordScope::ChooseCategory(const std::string& name) {
  const std::string upper = UpperCase(name);
  int ignoring_case = 0;
  for (size_t i = 0; i < categories.size(); ++i) {
    if (categories[i] == name) {
      category_entry = static_cast<int>(i) + 1;
      return true;
    }
    if (ignoring_case == 0 && UpperCase(categories[i]) == upper) {
      ignoring_case = static_cast<int>(i) + 1;
    }
  }
  if (ignoring_case == 0) return false;
  category_entry = ignoring_case;
  return true;
}

std::string CRecordScope::Category() const {
  if (category_entry < 1 || static_cast<size_t>(category_entry) > categories.size()) return {};
  return categories[static_cast<size_t>(category_entry) - 1];
}

std::vector<int32_t> CollectRecords(const CRecordScope& scope, const CResultList& current,
                                    Cdatabase& store) {
  std::vector<int32_t> records;
  if (scope.scope == CRecordScope::Scope::kSelected) {
    for (const CPictureInfo& entry : current) {
      if (entry.selected) records.push_back(entry.record);
    }
    return records;
  }
  if (store.RunQuery(kCategoryQueryPrefix + scope.Category()) <= 0 || !store.status().ok()) {
    return records;
  }
  for (const CPictureInfo& entry : store.results) records.push_back(entry.record);
  return records;
}
