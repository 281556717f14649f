#include "ui/log_dialog_ui.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "base/resource_ids.h"
#include "ui/command_ids_ui.h"
#include "ui/wx_text_ui.h"

CLogDialog::CLogDialog(wxWindow* parent, const std::string& text, const std::string& title)
    : wxDialog(parent, WxIdOf(IDD_IMPORT_LOG), ToWx(title), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  wxString shown = ToWx(text);
  shown.Replace("\r\n", "\n");
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  auto* log = new wxTextCtrl(this, wxID_ANY, shown, wxDefaultPosition,
                             ConvertDialogToPixels(wxSize(300, 150)),
                             wxTE_MULTILINE | wxTE_READONLY | wxVSCROLL);
  sizer->Add(log, 1, wxALL | wxEXPAND, 8);
  auto* ok = new wxButton(this, wxID_OK, "OK");
  ok->SetDefault();
  sizer->Add(ok, 0, wxBOTTOM | wxALIGN_CENTER_HORIZONTAL, 8);
  SetSizerAndFit(sizer);
  CentreOnParent();
}
