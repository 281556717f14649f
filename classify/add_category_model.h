// CAddCategoryModel, the "Add category" dialog (CAddCategory, dialog 183): one field "Enter new
// category:" of at most 19 characters. OK checks the name against the category rules
// (classify/category_rules.h) and appends it to the index's category list; a refused name is
// explained and the dialog stays open.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/dialog_model.h"

class CFrontEnd;

class CAddCategoryModel : public CDialogModel {
 public:
  // The references must outlive the model.
  CAddCategoryModel(CFrontEnd& front_end, std::vector<std::string>& category_names)
      : front_end_(front_end), names_(category_names) {}

  // Going in: what the field shows; coming out: the name as typed.
  std::string name;
  // Coming out: the name appended, the list's last element.
  std::string added;

  std::string Title() const override { return "Add category"; }
  bool Accept() override;

 private:
  CFrontEnd& front_end_;
  std::vector<std::string>& names_;
};

// "New..." in a category dialog: runs "Add category" on the list; the name made, which the
// search bar's category box then offers too, or nothing when the dialog was cancelled.
std::optional<std::string> RunAddCategory(CFrontEnd& front_end,
                                          std::vector<std::string>& category_names);
