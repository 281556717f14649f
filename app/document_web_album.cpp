// "Create web pages...": the dialog, the records it chooses, and the web album of them in the
// folder "html" beside the photo index.
#include <thread>

#include "app/document.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "platform/debug_log.h"
#include "publish/web_album_dialog_model.h"
#include "publish/web_album_log_model.h"
#include "publish/web_names.h"

CWebAlbumOutcome CSnapstoreDoc::GenerateWebAlbum(std::optional<int> run) {
  CWebAlbumOutcome outcome;
  if (index_path.empty()) {
    front_end_.ShowMessage(LoadString(IDS_NO_ARCHIVE), MsgButtons::kOk, MsgIcon::kInformation);
    return outcome;
  }
  const CDebugLog trace(settings.DebugMode, settings.InstallPath);
  // The run number is taken before the dialog and given back only when it is cancelled.
  const int counter_before = settings.WebFileCounter;
  if (!run) {
    settings.WebFileCounter = NextWebRun(settings.WebFileCounter);
    run = settings.WebFileCounter;
  }
  // The command's own store object: the document's current record and list stay as they are.
  Cdatabase store;
  store.SetFileNames(index_path);
  store.SetTrace(settings.DebugMode, settings.InstallPath);

  CGenWebModel dialog(front_end_);
  dialog.scope.categories = state.category_names;
  dialog.scope.any_selected = db.results.AnySelected();
  if (!front_end_.RunDialog(dialog)) {
    settings.WebFileCounter = counter_before;
    return outcome;
  }
  trace.Write("WEB_TP1 " + dialog.scope.Category());
  const std::vector<int32_t> records = CollectRecords(dialog.scope, db.results, store);
  trace.Write("WEB_TP2");
  trace.Write(StringPrintf("Antall=%d", static_cast<int>(records.size())));
  if (!store.status().ok()) {
    front_end_.ShowMessage(store.status().message(), MsgButtons::kOk, MsgIcon::kError);
    return outcome;
  }
  if (records.empty()) {
    front_end_.ShowMessage(kMsgNoWebPictures, MsgButtons::kOk, MsgIcon::kNone);
    return outcome;
  }
  if (front_end_.ShowMessage(StringPrintf(kMsgWebConfirmFormat, static_cast<int>(records.size())),
                             MsgButtons::kYesNo, MsgIcon::kQuestion) != MsgAnswer::kYes) {
    return outcome;
  }
  trace.Write("WEB_TP3");

  CWebAlbumRequest request;
  request.records = records;
  request.run = *run;
  request.title = dialog.heading;
  request.jpeg_quality = dialog.JpegQuality();
  request.resize_full = settings.WebResizeFull != 0;
  request.use_worker = options_.decode_worker && std::thread::hardware_concurrency() > 1;
  // The offline flag describes the view's picture, not the album's.
  const bool offline = finder.Offline();
  outcome.ran = true;
  outcome.result = WriteWebAlbum(request, store, finder, front_end_, trace);
  finder.SetOffline(offline);
  if (!outcome.result.log.empty()) {
    CWebAlbumLogModel log;
    log.text = outcome.result.log;
    front_end_.RunDialog(log);
  }
  db.ReloadCurrent();
  front_end_.UpdateViews(kHintAll);
  return outcome;
}
