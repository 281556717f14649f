// CMainFrame, the main window: menu bar, toolbar, search bar, status bar and the view. It
// carries out no command itself (but Exit and the about box): menu, toolbar, accelerator,
// context-menu and search-bar commands go to the command targets (document, view) by their
// numbers, and an item that no target handles is shown disabled. It keeps its placement in
// the settings file ("WinPosition") across runs.
//
// While a long operation runs (its progress dialog lets input through so that "Abort" can be
// pressed), the window stays enabled: it moves, repaints and takes F1, but it starts no other
// command, and closing it presses "Abort" instead; a command started in the middle of the
// operation would change the document under it.
#pragma once

#include <wx/frame.h>
#include <wx/timer.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/command_target.h"
#include "app/settings_file.h"

class CSearchBar;
class CSnapstoreView;

class CMainFrame : public wxFrame {
 public:
  // With a settings file, the window takes the placement stored there and stores its own
  // when it closes.
  explicit CMainFrame(std::optional<CSettingsFile> settings = std::nullopt);

  // The view fills the window below the search bar; it repaints on the document's updates.
  void SetView(CSnapstoreView* view);
  CSnapstoreView* view() const { return view_; }
  CSearchBar* search_bar() const { return search_bar_; }
  // Runs when the window closes, after its placement was stored (the program lets its
  // document go there).
  void SetCloseAction(std::function<void()> action) { close_action_ = std::move(action); }

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
  // The entries of the search bar's category box; the first is selected.
  void SetCategoryChoices(const std::vector<std::string>& choices);
  // One more entry of the category box; the selection stays.
  void AddCategoryChoice(const std::string& choice);
  const std::vector<std::string>& CategoryChoices() const { return category_choices_; }

  // A long operation runs from now until EndBusy; `abort` stops it after its current step.
  void BeginBusy(std::function<void()> abort);
  void EndBusy();
  bool IsBusy() const { return static_cast<bool>(abort_busy_); }

  // The help topic that F1 opens (a context number of the help book).
  int HelpTopic() const { return help_topic_; }
  void SetHelpTopic(int topic) { help_topic_ = topic; }

  // The placement to store now: the normal rectangle the window has or last had, and
  // whether it is maximised.
  std::string PlacementText() const;

 private:
  void CreateMenus();
  void CreateTools();
  void CreateStatusPanes();
  void RestorePlacement();
  void BindCommand(int command);
  void OnMenu(wxCommandEvent& event);
  void OnUpdateMenu(wxUpdateUIEvent& event);
  void OnClose(wxCloseEvent& event);
  void RememberNormalRect();
  void UpdateKeyIndicators();

  std::optional<CSettingsFile> settings_;
  std::vector<CCommandTarget*> targets_;
  std::vector<std::string> category_choices_;
  std::vector<int> bound_commands_;
  CSnapstoreView* view_ = nullptr;
  CSearchBar* search_bar_ = nullptr;
  std::function<void()> close_action_;
  std::function<void()> abort_busy_;
  wxRect normal_rect_;
  int help_topic_ = 0;
  wxTimer key_timer_;
};
