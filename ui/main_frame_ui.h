// CMainFrame, the main window: menu bar, status bar and the view. It carries out no command
// itself (but Exit): menu commands go to the command targets (document, view) by their
// numbers, and a menu item that no target handles is shown disabled.
#pragma once

#include <wx/frame.h>
#include <wx/timer.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/command_target.h"

class CMainFrame : public wxFrame {
 public:
  CMainFrame();

  // Targets are asked in the order they were added.
  void AddCommandTarget(CCommandTarget* target);
  // Carries out a numbered command as its menu item would; false when nothing handled it.
  bool ExecuteCommand(int command);
  // The state of a command's menu item; nothing when no target handles the command.
  std::optional<CCommandUi> CommandState(int command) const;

  // "Kestrel's Albumcraft 3.2.2 - Photo index: " and the document's title text.
  void SetTitleText(const std::string& title_text);
  // Sends a numbered command to every descendant window.
  void SendToDescendants(int command);
  // Repaints what the view-update hint names.
  void UpdateViews(int hint);
  // Who repaints on an update: the view, which also keeps the title and status panes.
  void SetViewUpdater(std::function<void(int hint)> updater) { view_updater_ = std::move(updater); }
  // The entries of the search bar's category box; the first is selected.
  void SetCategoryChoices(const std::vector<std::string>& choices);
  const std::vector<std::string>& CategoryChoices() const { return category_choices_; }

 private:
  void CreateMenus();
  void CreateStatusPanes();
  void OnMenu(wxCommandEvent& event);
  void OnUpdateMenu(wxUpdateUIEvent& event);
  void UpdateKeyIndicators();

  std::vector<CCommandTarget*> targets_;
  std::vector<std::string> category_choices_;
  std::function<void(int)> view_updater_;
  wxTimer key_timer_;
};
