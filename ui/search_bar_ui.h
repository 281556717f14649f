// The search bar under the toolbar (dialog 141): "Search:" with its text field (1027, at most
// 80 characters), "Category:" with the category box (1026, sorted, in capitals), "Find"
// (1028, the default button) and "Clear" (1029). The buttons send their numbers as commands
// to the frame, which hands them to the command targets; what the bar holds is handed over
// as it changes.
#pragma once

#include <wx/panel.h>

#include <functional>
#include <string>
#include <vector>

class wxChoice;
class wxTextCtrl;
class wxButton;

class CSearchBar : public wxPanel {
 public:
  static constexpr int kMaxWordsLength = 80;

  explicit CSearchBar(wxWindow* parent);

  // The category box's entries; the first of them is selected.
  void SetCategoryChoices(const std::vector<std::string>& choices);
  // One more entry, in its sorted place; the selected entry stays selected.
  void AddCategoryChoice(const std::string& choice);
  // The first line of the text field.
  std::string Words() const;
  // The category box's text.
  std::string Category() const;
  // Runs whenever the user changes the words or the category, and after a refill.
  void SetChangeAction(std::function<void()> action) { change_action_ = std::move(action); }
  // Shows these words and selects the entry `category`, without running the change action.
  void ShowState(const std::string& words, const std::string& category);

  wxTextCtrl* text_field() const { return text_; }
  wxChoice* category_box() const { return category_; }

 private:
  wxTextCtrl* text_;
  wxChoice* category_;
  wxButton* find_;
  std::function<void()> change_action_;
};
