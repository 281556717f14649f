#include "classify/category_page_model.h"

#include "base/front_end.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "classify/add_category_model.h"
#include "classify/category_rules.h"

void CCategoryPageModel::Load(const std::string& category_text, bool default_flag) {
  choice = CCategoryChoice(category_text, names_, false);
  set_as_default = default_flag;
  selected.reset();
}

void CCategoryPageModel::New() {
  if (std::optional<std::string> name = RunAddCategory(front_end_, names_)) choice.AddItem(*name);
}

bool CCategoryPageModel::Delete() {
  if (!selected || *selected >= choice.Items().size()) {
    front_end_.ShowMessage(LoadString(IDS_NO_CATEGORY_SELECTED), MsgButtons::kOk,
                           MsgIcon::kWarning);
    return false;
  }
  const std::string name = choice.Items()[*selected].name;
  const std::string question =
      StringPrintf(LoadString(IDS_DELETE_CATEGORY_QUESTION).c_str(), name.c_str());
  if (front_end_.ShowMessage(question, MsgButtons::kYesNo, MsgIcon::kQuestion) != MsgAnswer::kYes) {
    return false;
  }
  RemoveCategoryName(names_, name);
  choice.RemoveItem(*selected);
  selected.reset();
  return true;
}
