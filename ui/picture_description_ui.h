// CPictDescr, the description editor "Image description" over its model CPictDescrModel: a
// property sheet with the pages "Description", "Categories", "Info" and "File", OK and Cancel.
// Turning away from the Description page and OK run the model's checks; a refusal keeps or
// brings back the page the model names. The sheet opens where the model says it was last,
// and tells the model where it was when it closes.
#pragma once

#include <wx/propdlg.h>

class CCategoryPage;
class CEditTekst;
class CFilePage;
class CInfoDlg2;
class CPictDescrModel;
struct CDialogHost;
class wxBookCtrlEvent;

class CPictDescr : public wxPropertySheetDialog {
 public:
  // The model, loaded, must outlive the sheet.
  CPictDescr(const CDialogHost& host, CPictDescrModel& model);
  ~CPictDescr() override;

  CInfoDlg2* info_page() const { return info_; }

 private:
  // Every page's input into the model.
  void ReadPages();
  void ShowModelPage();
  void OnPageChanging(wxBookCtrlEvent& event);
  void OnOk(wxCommandEvent& event);

  CPictDescrModel& model_;
  CEditTekst* description_;
  CCategoryPage* categories_;
  CInfoDlg2* info_;
  CFilePage* file_;
};
