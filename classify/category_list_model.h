// CCategoryListModel, the "Select category" dialog (CCategoryList, dialog 182) of "Add to
// category...": the index's categories and "TO_BE_DESCRIBED", each with a tick for the
// picture's categories, "New..." to make a category, OK and Cancel.
#pragma once

#include <string>
#include <vector>

#include "base/dialog_model.h"
#include "classify/category_choice.h"

class CFrontEnd;

class CCategoryListModel : public CDialogModel {
 public:
  // The references must outlive the model; `category_text` is the picture's category field.
  CCategoryListModel(CFrontEnd& front_end, std::vector<std::string>& category_names,
                     const std::string& category_text);

  // Going in: the picture's category field; coming out: the field made from the ticks.
  std::string category_text;
  CCategoryChoice choice;

  std::string Title() const override { return "Select category"; }
  // "New...": a category made with "Add category" joins the list, unticked.
  void New();
  bool Accept() override;

 private:
  CFrontEnd& front_end_;
  std::vector<std::string>& names_;
};
