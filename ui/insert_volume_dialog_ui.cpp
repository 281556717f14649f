#include "ui/insert_volume_dialog_ui.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "base/resource_ids.h"
#include "platform/insert_volume_dialog_model.h"
#include "ui/command_ids_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/wx_text_ui.h"

namespace {

const CDialogWindowFor<CDlgInsertVolume, CInsertVolumeModel> kInsertVolumeWindow;

}  // namespace

CDlgInsertVolume::CDlgInsertVolume(const CDialogHost& host, CInsertVolumeModel& model)
    : wxDialog(host.parent, WxIdOf(IDD_INSERT_VOLUME), ToWx(model.Title())) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(new wxStaticText(this, wxID_ANY, "Please insert media labeled :"), 0, wxALL, 8);
  auto* text = new wxTextCtrl(this, WxIdOf(IDC_VOLUME_LABEL), ToWx(model.label), wxDefaultPosition,
                              wxSize(ConvertDialogToPixels(wxSize(160, 0)).x, -1), wxTE_READONLY);
  sizer->Add(text, 0, wxLEFT | wxRIGHT | wxEXPAND, 8);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  // OK and "Skip volume" end the dialog with OK and their answer; "Abort" is its Cancel.
  auto add = [&](int id, const wxString& caption, VolumeAnswer answer) {
    auto* button = new wxButton(this, WxIdOf(id), caption);
    button->Bind(wxEVT_BUTTON, [this, &model, answer](wxCommandEvent&) {
      model.answer = answer;
      if (answer == VolumeAnswer::kAbort) {
        EndModal(wxID_CANCEL);
      } else if (model.Accept()) {
        EndModal(wxID_OK);
      }
    });
    buttons->Add(button, 0, wxALL, 4);
    return button;
  };
  add(IDC_VOLUME_OK, "OK", VolumeAnswer::kOk)->SetDefault();
  add(IDC_VOLUME_SKIP, "Skip volume", VolumeAnswer::kSkip)->Enable(model.skip_enabled);
  add(IDC_VOLUME_ABORT, "Abort", VolumeAnswer::kAbort);
  sizer->Add(buttons, 0, wxALL | wxALIGN_CENTER_HORIZONTAL, 4);
  SetEscapeId(WxIdOf(IDC_VOLUME_ABORT));
  SetSizerAndFit(sizer);
  CentreOnParent();
}
