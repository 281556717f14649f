#include "app/picture_description_model.h"

#include "base/string_table.h"
#include "classify/category_rules.h"
#include "store/database.h"

CPictDescrModel::CPictDescrModel(CFrontEnd& front_end,
                                 std::function<bool(const std::string&)> key_exists,
                                 std::vector<std::string>& category_names)
    : categories(front_end, category_names),
      front_end_(front_end),
      key_exists_(std::move(key_exists)) {}

void CPictDescrModel::Load(const Cdatabase& record, const CAnnotationDefaults& defaults,
                           const std::array<std::string, kStorageLocationCount>& locations,
                           const std::vector<CUserDefFields>& definitions) {
  description.Load(record.fields, defaults);
  std::string category_text = record.fields[kFieldCategory];
  if (defaults.category_default &&
      (category_text.empty() || category_text == LoadString(IDS_TO_BE_DESCRIBED))) {
    category_text = defaults.category_default_text;
  }
  categories.Load(category_text, defaults.category_default);
  info.Load(record.fields, record.quality, locations, definitions);
  file.Load(record.image_path, record.volume_label);
  placement = defaults.sheet_rect;
  page = DescriptionPage::kDescription;
}

void CPictDescrModel::BrowseFile() { file.Browse(front_end_); }

bool CPictDescrModel::ChangePage(DescriptionPage to) {
  if (page == DescriptionPage::kDescription && to != page &&
      !description.CheckId(front_end_, key_exists_)) {
    return false;
  }
  page = to;
  return true;
}

bool CPictDescrModel::Accept() {
  if (!description.CheckId(front_end_, key_exists_)) {
    page = DescriptionPage::kDescription;
    return false;
  }
  if (!file.CheckPath(front_end_)) {
    page = DescriptionPage::kFile;
    return false;
  }
  return true;
}

void CPictDescrModel::Store(Cdatabase& record, CAnnotationDefaults& defaults,
                            std::array<std::string, kStorageLocationCount>& locations,
                            std::vector<CUserDefFields>& definitions) const {
  description.Store(record.fields, defaults);
  record.fields[kFieldCategory] = CleanCategoryField(categories.Field());
  defaults.category_default = categories.set_as_default;
  if (defaults.category_default) defaults.category_default_text = record.fields[kFieldCategory];
  info.Store(record.fields, record.quality, locations, definitions);
  record.image_path = file.image_path;
}
