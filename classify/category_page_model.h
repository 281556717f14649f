// CCategoryPageModel, the "Categories" page (CCategoryPage, dialog 143) of the description
// editor: the index's categories, each with a tick for the picture's categories, "Set as
// default" (the categories given to the next picture edited that has none), and, under
// "Maintain categories", "New..." and "Delete". A deleted name leaves the list at once; the
// pictures that carry it keep it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "classify/category_choice.h"

class CFrontEnd;

class CCategoryPageModel {
 public:
  // The references must outlive the model.
  CCategoryPageModel(CFrontEnd& front_end, std::vector<std::string>& category_names)
      : front_end_(front_end), names_(category_names) {}

  // Opening: the picture's category field and the remembered "Set as default".
  void Load(const std::string& category_text, bool set_as_default);

  CCategoryChoice choice;
  bool set_as_default = false;
  // The list's first selected item, if any.
  std::optional<size_t> selected;

  // "New...": a category made with "Add category" joins the list, unticked.
  void New();
  // "Delete": the selected category leaves the index's list after the user agreed; without
  // a selection the user is told to select one. True when it was deleted.
  bool Delete();
  // The category field made from the ticks.
  std::string Field() const { return choice.Field(); }

 private:
  CFrontEnd& front_end_;
  std::vector<std::string>& names_;
};
