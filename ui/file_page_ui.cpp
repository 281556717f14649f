#include "ui/file_page_ui.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/file_page_model.h"
#include "base/resource_ids.h"
#include "ui/command_ids_ui.h"
#include "ui/group_box_ui.h"
#include "ui/wx_text_ui.h"

namespace {

constexpr const char* kPathExplanation =
    "This field allows you to change the name of the imagefile. You should use this option with "
    "caution. The program will check that you specify a legal image-name, but it cannot verify "
    "that you specifies the correct image.";
constexpr const char* kLabelExplanation =
    "This field will show the media label for this image if the image was imported from a "
    "removeable device. You should normally never have to change this field.";
constexpr int kWrapWidth = 300;  // dialog units

}  // namespace

CFilePage::CFilePage(wxWindow* parent, CFilePageModel& model, std::function<void()> browse)
    : wxPanel(parent, WxIdOf(IDD_FILE_PAGE)), model_(model) {
  const int wrap = ConvertDialogToPixels(wxSize(kWrapWidth, 0)).x;

  auto* file = MakeGroup(this, "Imagefile", wxVERTICAL);
  wxWindow* file_box = file->GetStaticBox();
  path_ = new wxTextCtrl(file_box, WxIdOf(IDC_FILE_PATH), ToWx(model_.image_path));
  auto* browse_button = new wxButton(file_box, WxIdOf(IDC_FILE_BROWSE), "Browse");
  browse_button->Bind(wxEVT_BUTTON, [this, browse = std::move(browse)](wxCommandEvent&) {
    Read();
    browse();
    path_->ChangeValue(ToWx(model_.image_path));
  });
  auto* path_row = new wxBoxSizer(wxHORIZONTAL);
  path_row->Add(path_, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  path_row->Add(browse_button, 0, wxALIGN_CENTER_VERTICAL);
  auto* path_text = new wxStaticText(file_box, wxID_ANY, kPathExplanation);
  path_text->Wrap(wrap);
  file->Add(path_row, 0, wxALL | wxEXPAND, 6);
  file->Add(path_text, 0, wxALL, 6);

  auto* medium = MakeGroup(this, "Media label", wxVERTICAL);
  wxWindow* medium_box = medium->GetStaticBox();
  auto* label = new wxTextCtrl(medium_box, WxIdOf(IDC_VOLUME_LABEL), ToWx(model_.volume_label));
  label->Disable();
  auto* label_text = new wxStaticText(medium_box, wxID_ANY, kLabelExplanation);
  label_text->Wrap(wrap);
  medium->Add(label, 0, wxALL | wxEXPAND, 6);
  medium->Add(label_text, 0, wxALL, 6);

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(file, 0, wxALL | wxEXPAND, 12);
  sizer->Add(medium, 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 12);
  SetSizer(sizer);
}

void CFilePage::Read() { model_.image_path = EditedText(path_->GetValue(), model_.image_path); }
