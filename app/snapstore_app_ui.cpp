// CSnapstoreApp, the archiver's application object: makes the main window, the front end and
// the document, runs the document's first-start offer, and an automation script when one is
// given.
#include <wx/app.h>

#include <memory>
#include <string>

#include "app/document.h"
#include "app/resource_ids.h"
#include "platform/volumes.h"
#include "ui/assert_handler_ui.h"
#include "ui/automation_ui.h"
#include "ui/front_end_ui.h"
#include "ui/main_frame_ui.h"
#include "ui/wx_text_ui.h"

class CSnapstoreApp : public wxApp {
 public:
  bool OnInit() override;
  int OnExit() override;

 private:
  void ShowDocument();

  CMainFrame* frame_ = nullptr;
  std::unique_ptr<CWxFrontEnd> front_end_;
  std::unique_ptr<CVolumeSource> volumes_;
  std::unique_ptr<CSnapstoreDoc> document_;
  std::unique_ptr<CAutomation> automation_;
};

wxIMPLEMENT_APP(CSnapstoreApp);

bool CSnapstoreApp::OnInit() {
  InstallLoggingAssertHandler();
  SetAppName("Albumcraft");

  std::string script, output;
  for (int i = 1; i < argc; ++i) {
    if (argv[i] == "--automation" && i + 2 < argc) {
      script = argv[i + 1].utf8_string();
      output = argv[i + 2].utf8_string();
      i += 2;
    }
  }

  frame_ = new CMainFrame;
  front_end_ = std::make_unique<CWxFrontEnd>(*frame_);
  volumes_ = MakeDefaultVolumeSource();
  document_ = std::make_unique<CSnapstoreDoc>(*front_end_, *volumes_,
                                              CSettingsFile(CSettingsFile::DefaultPath()));
  frame_->AddCommandTarget(document_.get());
  frame_->SetViewUpdater([this](int) { ShowDocument(); });
  // The document goes with the window: it may still show a message while it closes.
  frame_->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
    document_.reset();
    event.Skip();
  });
  ShowDocument();
  frame_->Show();
  if (!script.empty()) {
    automation_ = std::make_unique<CAutomation>(*frame_, script, output);
    automation_->Start();
  }
  // Posting lists are sorted while nothing else happens.
  Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
    if (document_ && document_->RunIdleSteps()) event.RequestMore();
  });
  // The first start without an index offers to make one, once the window is up.
  CallAfter([this] {
    if (document_) document_->RunFirstStart();
  });
  return true;
}

void CSnapstoreApp::ShowDocument() {
  if (!document_) return;
  frame_->SetTitleText(document_->title_text);
  frame_->SetStatusText(ToWx(document_->record_status_text), STATUS_PANE_RECORD);
}

int CSnapstoreApp::OnExit() {
  automation_.reset();
  document_.reset();
  front_end_.reset();
  volumes_.reset();
  return wxApp::OnExit();
}
