#include "ui/category_check_list_ui.h"

#include "base/resource_ids.h"
#include "classify/category_choice.h"
#include "ui/command_ids_ui.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr int kColumnWidth = 180;

}  // namespace

CCategoryCheckList::CCategoryCheckList(wxWindow* parent, CCategoryChoice& choice,
                                       const wxSize& size)
    : wxListCtrl(parent, WxIdOf(IDC_CATEGORY_LIST), wxDefaultPosition, size,
                 wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN),
      choice_(choice) {
  AppendColumn("Category", wxLIST_FORMAT_LEFT, FromDIP(kColumnWidth));
  EnableCheckBoxes();
  auto ticked = [this](wxListEvent& event) {
    const long item = event.GetIndex();
    if (item >= 0) choice_.SetTicked(static_cast<size_t>(item), IsItemChecked(item));
  };
  Bind(wxEVT_LIST_ITEM_CHECKED, ticked);
  Bind(wxEVT_LIST_ITEM_UNCHECKED, ticked);
  ShowItems();
}

void CCategoryCheckList::ShowItems() {
  DeleteAllItems();
  const auto& items = choice_.Items();
  for (size_t i = 0; i < items.size(); ++i) {
    const long item = InsertItem(static_cast<long>(i), ToWx(items[i].name));
    CheckItem(item, items[i].ticked);
  }
}

std::optional<size_t> CCategoryCheckList::FirstSelected() const {
  const long item = GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
  if (item < 0) return std::nullopt;
  return static_cast<size_t>(item);
}
