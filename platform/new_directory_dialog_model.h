// CDlgNewDirModel, "Create new directory" (CDlgNewDir, dialog 189): the name of a folder to
// make in the base folder. OK creates it; a folder that cannot be created is reported with
// string 305 and the dialog stays open.
#pragma once

#include <string>

#include "base/dialog_model.h"

class CFrontEnd;

class CDlgNewDirModel : public CDialogModel {
 public:
  // The front end must outlive the model.
  CDlgNewDirModel(CFrontEnd& front_end, std::string base)
      : base_folder(std::move(base)), front_end_(front_end) {}

  // --- going in ---
  std::string base_folder;
  // The text of the "New directory " field (edit 1027), initially empty.
  std::string new_name;
  // --- coming out after OK ---
  std::string created_path;

  std::string Title() const override { return "Create new directory"; }
  // Creates the base folder, a '/' unless the base ends in one, and the typed name; false
  // after string 305 with that path when it cannot be created.
  bool Accept() override;

 private:
  CFrontEnd& front_end_;
};
