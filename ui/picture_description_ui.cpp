#include "ui/picture_description_ui.h"

#include <wx/bookctrl.h>

#include "app/picture_description_model.h"
#include "ui/category_page_ui.h"
#include "ui/description_page_ui.h"
#include "ui/dialog_windows_ui.h"
#include "ui/file_page_ui.h"
#include "ui/graphics_ui.h"
#include "ui/info_page_ui.h"
#include "ui/wx_text_ui.h"

namespace {

// The pages in tab order, as the model names them.
constexpr DescriptionPage kPages[] = {DescriptionPage::kDescription, DescriptionPage::kCategories,
                                      DescriptionPage::kInfo, DescriptionPage::kFile};

const CDialogWindowFor<CPictDescr, CPictDescrModel> kPictDescrWindow;

}  // namespace

CPictDescr::CPictDescr(const CDialogHost& host, CPictDescrModel& model)
    : wxPropertySheetDialog(host.parent, wxID_ANY, ToWx(model.Title())), model_(model) {
  wxBookCtrlBase* book = GetBookCtrl();
  description_ = new CEditTekst(book, model_.description);
  categories_ = new CCategoryPage(book, model_.categories);
  info_ = new CInfoDlg2(book, model_.info);
  file_ = new CFilePage(book, model_.file, [this] { model_.BrowseFile(); });
  book->AddPage(description_, "Description", true);
  book->AddPage(categories_, "Categories");
  book->AddPage(info_, "Info");
  book->AddPage(file_, "File");
  CreateButtons(wxOK | wxCANCEL);
  LayoutDialog();
  book->Bind(wxEVT_BOOKCTRL_PAGE_CHANGING, &CPictDescr::OnPageChanging, this);
  Bind(wxEVT_BUTTON, &CPictDescr::OnOk, this, wxID_OK);
  BindHelpKey(this, host);
  if (model_.placement.left > 0) {
    SetSize(ToWxRect(model_.placement));
  } else {
    CentreOnParent();
  }
  ShowModelPage();
}

CPictDescr::~CPictDescr() {
  const wxRect rect = GetRect();
  model_.placement = {rect.x, rect.y, rect.GetRight() + 1, rect.GetBottom() + 1};
}

void CPictDescr::ReadPages() {
  description_->Read();
  categories_->Read();
  info_->Read();
  file_->Read();
}

void CPictDescr::ShowModelPage() {
  for (size_t i = 0; i < std::size(kPages); ++i) {
    if (kPages[i] == model_.page) GetBookCtrl()->ChangeSelection(i);
  }
}

void CPictDescr::OnPageChanging(wxBookCtrlEvent& event) {
  const int to = event.GetSelection();
  if (to < 0 || static_cast<size_t>(to) >= std::size(kPages)) return;
  description_->Read();
  if (!model_.ChangePage(kPages[to])) {
    event.Veto();
    // GTK's notebook may have noted the page it was asked for already: show the model's.
    CallAfter([this] { ShowModelPage(); });
    return;
  }
  description_->ShowId();
}

void CPictDescr::OnOk(wxCommandEvent&) {
  ReadPages();
  if (model_.Accept()) {
    EndModal(wxID_OK);
    return;
  }
  ShowModelPage();
}
