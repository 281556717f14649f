// CRenameDirModel, "Move image references" (CRenameDir, dialog 184): the old folder of a set
// of pictures and the new folder the user has moved their files to, each with a "Browse"
// button that opens the folder picker at the folder typed.
#pragma once

#include <string>

#include "base/dialog_model.h"

class CFrontEnd;
class CVolumeSource;

class CRenameDirModel : public CDialogModel {
 public:
  // Both references must outlive the model.
  CRenameDirModel(CFrontEnd& front_end, const CVolumeSource& volumes)
      : front_end_(front_end), volumes_(volumes) {}

  // The two edits: "Old directory :" (1027) and "New directory :" (1118). After OK each is
  // without one trailing '/' or '\\'.
  std::string old_directory;
  std::string new_directory;

  // --- what the command line answers beyond the dialog ---
  // The pictures of every sub-folder of the old folder move too, to the same place below the
  // new folder.
  bool include_subfolders = false;

  std::string Title() const override { return "Move image references"; }
  // OK: string 159 and false when either folder is empty; else one trailing separator is
  // taken off each.
  bool Accept() override;
  // "Browse" beside an edit: the folder picker opens at the edit's text (`directory`); after
  // its OK the chosen folder replaces the text. True when it did.
  bool Browse(std::string& directory);

 private:
  CFrontEnd& front_end_;
  const CVolumeSource& volumes_;
};
