#include "classify/category_list_model.h"

#include "classify/add_category_model.h"

CCategoryListModel::CCategoryListModel(CFrontEnd& front_end,
                                       std::vector<std::string>& category_names,
                                       const std::string& text)
    : category_text(text),
      choice(text, category_names, true),
      front_end_(front_end),
      names_(category_names) {}

void CCategoryListModel::New() {
  if (std::optional<std::string> name = RunAddCategory(front_end_, names_)) choice.AddItem(*name);
}

bool CCategoryListModel::Accept() {
  category_text = choice.Field();
  return true;
}
