// The front-end seam: everything the core shows the user or asks the user in the middle of an
// operation goes through this interface, which the core declares and the front ends
// implement: the wx GUI with real windows, the command line on the console, and the tests
// with a scripted fake that records every text and answers from a script.
//
// Texts pass through unchanged (the core formats them), so a test can assert them exactly.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/dialog_model.h"

// The buttons of a message box.
enum class MsgButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };

// The icon of a message box.
enum class MsgIcon { kNone, kInformation, kWarning, kError, kQuestion };

// The button that closed a message box.
enum class MsgAnswer { kOk, kCancel, kYes, kNo };

// A file dialog. The filter is written as the pattern list "Text (*.acx)|*.acx||": pairs of a
// description and a pattern, separated and ended by '|'.
struct CFileRequest {
  bool save = false;        // a save dialog (asks before overwriting); else an open dialog
  bool must_exist = false;  // only an existing file may be chosen
  std::string title;        // empty: the toolkit's own title
  std::string default_ext;  // appended when the user types a name without extension
  std::string filter;
  std::string initial_path;  // folder or file the dialog starts at; empty: the current folder
};

// View update hints: which part of the main view must be repainted.
enum ViewHint {
  kHintAll = 0,      // everything, with background erase
  kHintStrip = 1,    // the thumbnail strip
  kHintPicture = 2,  // the picture area
  kHintShowTip = 3,  // paint the hover tip
  kHintHideTip = 4,  // remove the hover tip
};

class CFrontEnd {
 public:
  virtual ~CFrontEnd() = default;

  // A modal message box. Boxes with only OK are information; all others are questions.
  virtual MsgAnswer ShowMessage(const std::string& text, MsgButtons buttons = MsgButtons::kOk,
                                MsgIcon icon = MsgIcon::kNone) = 0;

  // A modal file dialog; nothing when the user cancels.
  virtual std::optional<std::string> AskFile(const CFileRequest& request) = 0;

  // A modal dialog that collects input, shown over its model (see base/dialog_model.h): the
  // front end opens the model, lets the user work on it until OK (which the model accepted)
  // or Cancel, and cancels the model on Cancel. True when the dialog ended with OK.
  virtual bool RunDialog(CDialogModel& model) = 0;

  // The modeless "Operation progress" dialog. The core's CProgress computes the texts; the
  // front end shows them. StepProgress lets pending input through (so "Abort" can be pressed
  // while an operation runs on the GUI thread) and returns true once "Abort" was pressed.
  virtual void OpenProgress(const std::string& title, int range) = 0;
  virtual bool StepProgress(int position, const std::string& percent,
                            const std::string& time_left) = 0;
  virtual void CloseProgress() = 0;

  // The modal "Import log" dialog with its read-only text; lines end with "\r\n".
  virtual void ShowLog(const std::string& text) = 0;

  // Status-bar panes 0 (message), 1 (record) and 2 (picture name and size).
  virtual void SetStatusText(int pane, const std::string& text) = 0;

  // The wait cursor; calls nest.
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;

  // Asks every view to repaint the part named by the hint (ViewHint).
  virtual void UpdateViews(int hint) = 0;

  // Sends a numbered command (105 show the strip's scroll bar, 3001 page up, ...) to all
  // descendants of the main frame.
  virtual void SendCommandToDescendants(int command) = 0;

  // The help topic that F1 opens (110 the main window, 3 adding pictures).
  virtual void SetHelpTopic(int topic) = 0;

  // The entries of the search bar's category box ("ALL", "TO_BE_DESCRIBED", the index's
  // categories), of which the first is selected.
  virtual void SetCategoryChoices(const std::vector<std::string>& choices) = 0;
  // One more entry of the search bar's category box (a category was just made); the entry
  // selected stays selected.
  virtual void AddCategoryChoice(const std::string& choice) = 0;

  // Ends the program at once with the exit status, writing nothing more (the user refused
  // the format upgrade).
  virtual void EndProgram(int exit_status) = 0;
};

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor {
 public:
  explicit CWaitCursor(CFrontEnd& front_end) : front_end_(front_end) {
    front_end_.BeginWaitCursor();
  }
  ~CWaitCursor() { front_end_.EndWaitCursor(); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

 private:
  CFrontEnd& front_end_;
};
