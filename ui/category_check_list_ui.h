// CCategoryCheckList, the list control 1112 of the category dialogs over a CCategoryChoice:
// the column "Category" (180 pixels wide), a check box before every name and whole-row
// selection. Ticking a box ticks the name in the choice.
#pragma once

#include <wx/listctrl.h>

#include <optional>

class CCategoryChoice;

class CCategoryCheckList : public wxListCtrl {
 public:
  // The choice must outlive the list.
  CCategoryCheckList(wxWindow* parent, CCategoryChoice& choice, const wxSize& size);

  // Shows the choice's items and ticks again (after an item came or went).
  void ShowItems();
  // The first selected item, if any.
  std::optional<size_t> FirstSelected() const;

 private:
  CCategoryChoice& choice_;
};
