// Drives a running program from a script, for end-to-end tests under Xvfb: the program is
// started with "--automation SCRIPT OUTPUT", carries out the script's lines one by one on a
// timer (so a line can answer a modal dialog that an earlier line opened) and writes what it
// was asked to report to OUTPUT, one line each.
//
// Script lines:
//   title                  report "title: <window title>"
//   status N               report "status N: <text of status pane N>"
//   menu N                 report "menu N: enabled|disabled[ checked] <label>\t<shortcut>"
//   frame                  report "frame: L T R B[ maximised]", the main window's rectangle
//   view-mode              report "view-mode: <label>" of the checked view-mode item
//   strip                  report "strip: first F current P count C" (the first visible and
//                          the current position, the result count), then " scrollbar
//                          hidden" or " scrollbar P/R page S" (position, range, page)
//   cell N                 report "cell N: L T R B", the rectangle of visible cell N
//   caption                report "caption: L T R B", the caption box
//   view                   report "view: W H", the view's size
//   pixel X Y              report "pixel X Y: R G B", the colour on screen at (X, Y) of the view
//   click X Y [ctrl] [shift]   the left button pressed at (X, Y) of the view
//   dclick X Y             a double click at (X, Y) of the view
//   rclick X Y             the right button pressed at (X, Y) of the view (a context menu)
//   move X Y               the mouse moved to (X, Y) of the view
//   wheel up|down          the wheel rolled away from or towards the user over the view
//   key NAME [ctrl] [shift] [alt]   a key pressed in the view: Delete, Left, Right, Up, Down,
//                          PageUp, PageDown, Home, End, Space, or a letter
//   type-search TEXT       type TEXT into the search bar's text field (replacing what it holds)
//   search-bar             report "search-bar: <words>|<category>" as the search bar shows them
//   context-menu           report the last context menu's items, one line each as
//                          "context-menu: <item>" (see DescribeMenu), and close it
//   command N              carry out command number N as its menu item would
//   tool N                 press the toolbar button of command N as a click would; reported as
//                          "tool N: refused" when it has none or it is disabled
//   dialog                 report the modal dialog on screen: "dialog: <title>" for a dialog,
//                          "message: <text>" for a message box, "file-dialog: <title>|<filter
//                          name>" for a file dialog, "print-dialog: <title>" for GTK's print
//                          dialog, "dialog: none"
//   wait-dialog            wait (up to 10 s) until a modal dialog, message box, file dialog or
//                          print dialog is on screen
//   wait-progress          wait (up to 10 s) until the progress dialog is on screen
//   answer yes|no|ok|cancel   close the message box, file dialog or print dialog on screen with
//                          that button
//   press LABEL            press the button labelled LABEL in the modal dialog on screen, or
//                          else in the progress dialog
//   check LABEL=on|off     set the modal dialog's check box LABEL, as a click would
//   choose LABEL           pick the modal dialog's radio button LABEL, as a click would
//   type ID TEXT           put TEXT into the modal dialog's text field with resource number ID
//   dialog-text            report "dialog-text: <text>" of the modal dialog's first text field
//   progress               report "progress: <title>|<percent>|<time left>" of the progress
//                          dialog, or "progress: none"
//   tree                   report "tree: A (open) > B > C", the texts of the selected node of the
//                          modal dialog's tree and of the nodes above it, open ones marked
//   import-folder PATH     in the import dialog, open the tree along PATH and select it
//   import-list            report "import-tree: <selected folder>", then one line per list
//                          item: "import-list: <image index> <name>[ selected]"
//   import-select NAME     add the import list's item NAME to its selection
//   import-select-all      press Ctrl+A in the import list
//   dialog-key NAME [ctrl] [shift] [alt]   a key pressed in the modal dialog (F1, or a name
//                          as for "key")
//   dialog-list            report the rows of the modal dialog's list, one line each as
//                          "dialog-list: <column 1>\t<column 2>..."
//   dialog-list-fit        report "dialog-list-fit: rows R page P", its rows and how many of
//                          them it shows whole at once
//   dialog-list-select N   add the list's row N (from 0) to its selection
//   dialog-list-colour N   report "dialog-list-colour N: R G B", the colour on screen near the
//                          right end of row N
//   clipboard              report "clipboard: <text>" the clipboard holds, or "none"
//   help-page              report "help-page: <page>" the help window shows, or "none"
//   file-dialog PATH       type PATH into the file dialog on screen ("answer ok" accepts it)
//   print-to-file PATH     the next "&Print..." prints into the PDF file PATH on A4 paper,
//                          without GTK's print dialog
//   wait-print             wait (up to 10 s) until no print job runs (a preview's job runs until
//                          the preview closes)
//   preview                report "preview: page C of N" of the print preview window (once it
//                          has drawn its page), or "preview: none"
//   preview-page N         show page N in the print preview
//   close-preview          close the print preview window
//   screenshot FILE        save the screen as a PNG file
//   sleep MS               wait before the next line
//   close                  close the main window (the program ends)
// Lines starting with '#' and blank lines are skipped; a line that cannot be carried out is
// reported as "error: <line>".
#pragma once

#include <wx/event.h>
#include <wx/timer.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

class CMainFrame;

class CAutomation : public wxEvtHandler {
 public:
  CAutomation(CMainFrame& frame, const std::string& script_path, const std::string& output_path);
  void Start();

 private:
  void OnTick(wxTimerEvent& event);
  // False when the line must run again later (it waits for something).
  bool Run(const std::string& line);
  // The lines about dialogs: whether the line is done (nothing when it is not one of them).
  std::optional<bool> RunDialogLine(const std::string& line, const std::string& verb,
                                    std::istringstream& words);
  // The lines about the modal dialog's list; always done.
  bool RunDialogListLine(const std::string& line, const std::string& verb,
                         std::istringstream& words);
  // The lines about the view; false for a line that is not one of them.
  bool RunViewLine(const std::string& verb, std::istringstream& words);
  // The lines about printing and the print preview: whether the line is done (nothing when it
  // is not one of them).
  std::optional<bool> RunPrintLine(const std::string& verb, std::istringstream& words);
  void Report(const std::string& text);

  CMainFrame& frame_;
  std::vector<std::string> lines_;
  size_t next_ = 0;
  wxLongLong resume_at_ = 0;
  wxLongLong wait_until_ = 0;
  const void* answered_ = nullptr;  // the GTK dialog an "answer" line waits to see gone
  std::ofstream output_;
  wxTimer timer_;
};
