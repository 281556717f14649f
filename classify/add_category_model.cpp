#include "classify/add_category_model.h"

#include "base/front_end.h"
#include "base/text_rules.h"
#include "classify/category_rules.h"

bool CAddCategoryModel::Accept() {
  const std::string trimmed = CategoryNameOf(name);
  if (std::optional<std::string> refusal = RefuseCategoryName(names_, trimmed)) {
    front_end_.ShowMessage(*refusal, MsgButtons::kOk, MsgIcon::kWarning);
    return false;
  }
  names_.push_back(trimmed);
  added = trimmed;
  return true;
}

std::optional<std::string> RunAddCategory(CFrontEnd& front_end,
                                          std::vector<std::string>& category_names) {
  CAddCategoryModel dialog(front_end, category_names);
  if (!front_end.RunDialog(dialog)) return std::nullopt;
  // The box shows its entries in capitals.
  front_end.AddCategoryChoice(UpperCase(dialog.added));
  return dialog.added;
}
