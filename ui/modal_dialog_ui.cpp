#include "ui/modal_dialog_ui.h"

#include <wx/dialog.h>

wxDialog* ShownModalDialog() {
  wxDialog* found = nullptr;
  for (wxWindow* window : wxTopLevelWindows) {
    auto* dialog = wxDynamicCast(window, wxDialog);
    if (dialog && dialog->IsModal() && dialog->IsShown()) found = dialog;
  }
  return found;
}
