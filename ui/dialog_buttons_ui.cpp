#include "ui/dialog_buttons_ui.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>

wxStdDialogButtonSizer* OkCancelButtons(wxDialog* dialog, const wxString& ok_label,
                                        std::function<void()> on_ok) {
  auto* buttons = new wxStdDialogButtonSizer;
  auto* ok = new wxButton(dialog, wxID_OK, ok_label);
  buttons->AddButton(ok);
  buttons->AddButton(new wxButton(dialog, wxID_CANCEL, "Cancel"));
  buttons->Realize();
  ok->SetDefault();
  ok->Bind(wxEVT_BUTTON, [on_ok = std::move(on_ok)](wxCommandEvent&) { on_ok(); });
  return buttons;
}
