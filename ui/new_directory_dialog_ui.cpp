#include "ui/new_directory_dialog_ui.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/resource_ids.h"
#include "platform/new_directory_dialog_model.h"
#include "ui/command_ids_ui.h"
#include "ui/dialog_buttons_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr int kNameWidth = 160;  // dialog units

const CDialogWindowFor<CDlgNewDir, CDlgNewDirModel> kNewDirectoryWindow;

}  // namespace

CDlgNewDir::CDlgNewDir(const CDialogHost& host, CDlgNewDirModel& model)
    : wxDialog(host.parent, WxIdOf(IDD_NEW_DIRECTORY), ToWx(model.Title())) {
  auto* name =
      new wxTextCtrl(this, WxIdOf(IDC_NEW_DIRECTORY_NAME), ToWx(model.new_name), wxDefaultPosition,
                     wxSize(ConvertDialogToPixels(wxSize(kNameWidth, 0)).x, -1));
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  row->Add(new wxStaticText(this, wxID_ANY, "New directory "), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT,
           6);
  row->Add(name, 1, wxALIGN_CENTER_VERTICAL);

  // A folder that cannot be made keeps the dialog open with the name typed.
  auto* buttons = OkCancelButtons(this, "OK", [this, &model, name] {
    model.new_name = FromWx(name->GetValue());
    if (model.Accept()) EndModal(wxID_OK);
  });
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(row, 0, wxALL | wxEXPAND, 10);
  sizer->Add(buttons, 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 10);
  SetSizerAndFit(sizer);
  name->SetFocus();
  CentreOnParent();
}
