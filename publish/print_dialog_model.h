// CPrintDlgModel: the rules of the "Printing" dialog (CPrintDlg), which the GUI only shows and
// the command line fills from its options. The dialog asks how many pictures go on a page
// ("1", "2", "4"; "Contactsheet" is shown but never offered) and whether the current picture
// or the marked pictures are printed ("Selected" is offered only when a record of the result
// list is marked, and is then the preset).
//
// The caller makes the model from the setting PrintMode and the result list and runs it; on
// "Print" (Accept) the choices say what to print, and PrintMode takes `print_mode`. "Cancel"
// ends the print job before it begins.
#pragma once

#include <string>

#include "base/dialog_model.h"
#include "publish/print_layout.h"
#include "publish/print_list.h"

class CPrintDlgModel : public CDialogModel {
 public:
  // `print_mode`: the setting PrintMode; a number the dialog does not offer (the contact
  // sheet, or anything else a settings file may hold) presets "1". `any_marked`: a record of
  // the current result list is marked.
  CPrintDlgModel(int print_mode, bool any_marked);

  // --- the choices: preset by the constructor, changed by the user, read after Accept ---
  int print_mode = kPrintOnePerPage;
  PrintSelection selection = PrintSelection::kCurrentPicture;

  // Whether the dialog offers a pictures-per-page choice: 1, 2 and 4 per page.
  static bool PrintModeOffered(int mode);
  // Whether the dialog offers a mode: "Current picture" always, "Selected" when any record
  // is marked.
  bool SelectionOffered(PrintSelection choice) const;

  std::string Title() const override { return "Printing"; }
  // "Print": true when both choices are ones the dialog offers.
  bool Accept() override;

 private:
  bool any_marked_;
};
