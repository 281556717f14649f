// CSnapstoreApp, the archiver's application object: makes the main window, the front end, the
// document and the view, shows the window and gives the view its first showing, runs the
// idle sort pass, and an automation script when one is given.
#include <wx/app.h>

#include <memory>
#include <string>

#include "app/document.h"
#include "base/resource_ids.h"
#include "platform/volumes.h"
#include "ui/assert_handler_ui.h"
#include "ui/automation_ui.h"
#include "ui/front_end_ui.h"
#include "ui/main_frame_ui.h"
#include "ui/snapstore_view_ui.h"

class CSnapstoreApp : public wxApp {
 public:
  bool OnInit() override;
  int OnExit() override;

 private:
  CMainFrame* frame_ = nullptr;
  CSnapstoreView* view_ = nullptr;
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

  CSettingsFile settings(CSettingsFile::DefaultPath());
  frame_ = new CMainFrame(settings);
  front_end_ = std::make_unique<CWxFrontEnd>(*frame_);
  volumes_ = MakeDefaultVolumeSource();
  document_ = std::make_unique<CSnapstoreDoc>(*front_end_, *volumes_, settings);
  view_ = new CSnapstoreView(frame_, *document_);
  frame_->SetView(view_);
  frame_->AddCommandTarget(document_.get());
  frame_->AddCommandTarget(view_);
  // The document goes with the window: it may still show a message while it closes.
  frame_->SetCloseAction([this] {
    view_->DetachDocument();
    document_.reset();
  });
  frame_->Show();
  view_->SetFocus();
  if (!script.empty()) {
    automation_ = std::make_unique<CAutomation>(*frame_, script, output);
    automation_->Start();
  }
  // Posting lists are sorted while nothing else happens.
  Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
    if (document_ && document_->RunIdleSteps()) event.RequestMore();
  });
  // The first showing may ask about the index's format; the window is up by then.
  CallAfter([this] {
    if (document_) view_->InitialUpdate();
  });
  return true;
}

int CSnapstoreApp::OnExit() {
  automation_.reset();
  document_.reset();
  front_end_.reset();
  volumes_.reset();
  return wxApp::OnExit();
}
