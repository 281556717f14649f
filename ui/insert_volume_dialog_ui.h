// CDlgInsertVolume, the "Insert volume" dialog (dialog 194) over its model CInsertVolumeModel:
// the label of the medium wanted, OK, "Skip volume" (while the model offers it) and "Abort".
#pragma once

#include <wx/dialog.h>

struct CDialogHost;
class CInsertVolumeModel;

class CDlgInsertVolume : public wxDialog {
 public:
  // The model must outlive the dialog.
  CDlgInsertVolume(const CDialogHost& host, CInsertVolumeModel& model);
};
