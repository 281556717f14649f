// CRenameDir, "Move image references" (dialog 184) over its model CRenameDirModel: what the
// command does, the old folder (1027) and the new folder (1118) each with "Browse" (1069,
// 1070), which opens the folder picker at the folder typed, OK and Cancel.
#pragma once

#include <wx/dialog.h>

#include <string>

struct CDialogHost;
class CRenameDirModel;
class wxTextCtrl;

class CRenameDir : public wxDialog {
 public:
  // The model must outlive the dialog.
  CRenameDir(const CDialogHost& host, CRenameDirModel& model);

 private:
  // "Browse" beside `edit`, whose text the model keeps in `directory`.
  void Browse(wxTextCtrl* edit, std::string& directory);

  CRenameDirModel& model_;
  wxTextCtrl* old_directory_ = nullptr;
  wxTextCtrl* new_directory_ = nullptr;
};
