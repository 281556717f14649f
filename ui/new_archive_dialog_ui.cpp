#include "ui/new_archive_dialog_ui.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/new_archive_dialog_model.h"
#include "base/resource_ids.h"
#include "ui/command_ids_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/wx_text_ui.h"

namespace {

// The four thin bars along the dialog's left and top edges.
const wxColour kBarColour(193, 12, 55);
struct CBar {
  int left, top, right, bottom;
};
constexpr CBar kBars[] = {{15, 10, 17, 250}, {20, 5, 25, 260}, {10, 15, 520, 17}, {5, 20, 530, 25}};

const CDialogWindowFor<CNewArchiveDlg, CNewArchiveModel> kNewArchiveWindow;

}  // namespace

CNewArchiveDlg::CNewArchiveDlg(const CDialogHost& host, CNewArchiveModel& model)
    : wxDialog(host.parent, wxID_ANY, ToWx(model.Title())) {
  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->AddSpacer(36);
  auto* text = new wxStaticText(
      this, wxID_ANY,
      "No photo index is open. A photo index keeps the descriptions, thumbnails and search\n"
      "words of your pictures; the pictures stay where they are.\n\n"
      "Auto:  create the photo index PhotoIndex.acx in " +
          ToWx(model.folder) +
          "\n"
          "Manual:  choose the folder and name of a new photo index\n"
          "Select:  open a photo index that you already have");
  sizer->Add(text, 0, wxLEFT | wxRIGHT, 40);

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto add = [&](int id, const wxString& label, NewArchiveChoice choice) {
    auto* button = new wxButton(this, WxIdOf(id), label);
    button->Bind(wxEVT_BUTTON, [this, &model, choice](wxCommandEvent&) {
      model.choice = choice;
      if (model.Accept()) EndModal(wxID_OK);
    });
    buttons->Add(button, 0, wxALL, 6);
    return button;
  };
  wxButton* automatic = add(IDC_NEW_ARCHIVE_AUTO, "Auto", NewArchiveChoice::kAuto);
  automatic->Enable(model.auto_enabled);
  add(IDC_NEW_ARCHIVE_MANUAL, "Manual", NewArchiveChoice::kManual);
  add(IDC_NEW_ARCHIVE_SELECT, "Select", NewArchiveChoice::kSelect);
  if (model.auto_enabled) automatic->SetDefault();
  sizer->Add(buttons, 0, wxALL | wxALIGN_CENTER_HORIZONTAL, 12);

  SetSizerAndFit(sizer);
  SetMinClientSize(wxSize(540, 270));
  Fit();
  CentreOnParent();
  Bind(wxEVT_PAINT, &CNewArchiveDlg::OnPaint, this);
}

void CNewArchiveDlg::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(kBarColour));
  for (const CBar& bar : kBars) {
    dc.DrawRectangle(bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top);
  }
}
