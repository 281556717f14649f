// CDlgNewDir, "Create new directory" (dialog 189) over its model CDlgNewDirModel: the name of
// the folder to make (1027), OK and Cancel. OK ends the dialog only once the folder was made.
#pragma once

#include <wx/dialog.h>

struct CDialogHost;
class CDlgNewDirModel;

class CDlgNewDir : public wxDialog {
 public:
  // The model must outlive the dialog.
  CDlgNewDir(const CDialogHost& host, CDlgNewDirModel& model);
};
