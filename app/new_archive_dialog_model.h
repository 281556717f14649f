// CNewArchiveModel, the first-start dialog "No Photo Index selected" (CNewArchiveDlg): create
// the index PhotoIndex.acx in the proposed folder (Auto, offered only when that index does
// not exist yet), create one elsewhere (Manual) or open one (Select).
#pragma once

#include <string>
#include <utility>

#include "base/dialog_model.h"

enum class NewArchiveChoice { kAuto, kManual, kSelect, kCancel };

class CNewArchiveModel : public CDialogModel {
 public:
  CNewArchiveModel(std::string proposed_folder, bool auto_offered)
      : folder(std::move(proposed_folder)), auto_enabled(auto_offered) {}

  // --- going in ---
  std::string folder;  // where Auto creates the index
  bool auto_enabled = false;
  // --- coming out: the button pressed ---
  NewArchiveChoice choice = NewArchiveChoice::kCancel;

  std::string Title() const override { return "No Photo Index selected"; }
  // A button was pressed: Auto only while it is offered.
  bool Accept() override {
    return choice == NewArchiveChoice::kManual || choice == NewArchiveChoice::kSelect ||
           (choice == NewArchiveChoice::kAuto && auto_enabled);
  }
  // The choice of a dialog that ended with a button (`accepted`) or was closed.
  NewArchiveChoice ChoiceOf(bool accepted) const {
    return accepted ? choice : NewArchiveChoice::kCancel;
  }
};
