// "Add pictures": the import dialog, the work list it gives, and the import of every file on
// it with its thumbnail (kept in the cache files, so that it shows while its medium is away)
// and date, the import log, and the imported pictures as the new result list.
#include <thread>
#include <unordered_map>

#include "app/document.h"
#include "base/progress.h"
#include "base/resource_ids.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "import/import_decoder.h"
#include "import/import_dialog_model.h"
#include "import/import_log.h"
#include "platform/debug_log.h"

namespace {

// The volume label to store with each file: that of the removable medium or CD the file is
// on, else empty. Asked once per folder: the files of a folder lie on one volume.
class CLabelsByFolder {
 public:
  explicit CLabelsByFolder(const CPictureFinder& finder) : finder_(finder) {}
  const std::string& LabelOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    auto it = labels_.find(folder);
    if (it == labels_.end()) it = labels_.emplace(folder, finder_.RemovableLabelOf(path)).first;
    return it->second;
  }

 private:
  const CPictureFinder& finder_;
  std::unordered_map<std::string, std::string> labels_;
};

}  // namespace

CImportOutcome CSnapstoreDoc::AddPictures() {
  if (index_path.empty()) {
    front_end_.ShowMessage(LoadString(IDS_NO_ARCHIVE), MsgButtons::kOk, MsgIcon::kInformation);
    return {};
  }
  front_end_.SetHelpTopic(HELP_TOPIC_ADD_PICTURES);
  const CDebugLog trace(settings.DebugMode, settings.InstallPath);
  CImport2Model dialog(front_end_, db, finder, trace);
  dialog.id_mode = settings.Format_select;
  dialog.format_mask = settings.Format_mask;
  dialog.directory = settings.Import_dir;
  dialog.to_be_described = settings.ImportTextEdit;
  dialog.show_imported = settings.ShowImported ? 1 : 0;
  dialog.include_subdirs = settings.IncludeSubdirs ? 1 : 0;
  dialog.make_thumbnails = settings.CacheOnImport;

  CImportOutcome outcome;
  if (front_end_.RunDialog(dialog)) {
    settings.Format_select = dialog.id_mode;
    settings.ImportTextEdit = dialog.to_be_described;
    settings.ShowImported = dialog.show_imported != 0;
    settings.IncludeSubdirs = dialog.include_subdirs != 0;
    settings.CacheOnImport = dialog.make_thumbnails;
    if (dialog.id_mode == kIdModeFormat) settings.Format_mask = dialog.format_mask;
    settings.Import_dir = dialog.directory;
    outcome = ImportSelection(dialog);
  }
  trace.Write("END");
  front_end_.SetHelpTopic(HELP_TOPIC_MAIN_WINDOW);
  if (outcome.imported > 0) {
    ShowImportedPictures();
  } else if (outcome.ran) {
    // The result list was emptied for the import: the views must not show the old one.
    RefreshRecordStatus();
    front_end_.UpdateViews(kHintAll);
  }
  return outcome;
}

CImportOutcome CSnapstoreDoc::ImportSelection(CImport2Model& dialog) {
  const CDebugLog trace(settings.DebugMode, settings.InstallPath);
  CImportOutcome outcome;
  outcome.ran = true;

  CWorkList work_list;
  for (const std::string& path : dialog.selected_paths) dialog.Expand(work_list, path, 1);
  db.id_counter = dialog.id_mode == kIdModeFormat ? dialog.start_number : state.import_counter;
  db.quality = 2;
  db.sort_text.clear();
  db.results.Clear();
  // The views show the emptied list while the import runs (they repaint between pictures).
  RefreshRecordStatus();
  front_end_.UpdateViews(kHintAll);
  outcome.total = static_cast<int>(work_list.size());

  const std::string results[] = {LoadString(IDS_IMPORTED_OK), LoadString(IDS_DUPLICATE_ID),
                                 LoadString(IDS_ALREADY_IMPORTED)};
  const std::vector<size_t> order = ImportOrder(work_list);
  std::optional<CImportDecoder> decoder;
  if (settings.CacheOnImport) {
    std::vector<std::string> paths;
    paths.reserve(order.size());
    for (size_t index : order) paths.push_back(work_list[index].path);
    const bool worker = options_.decode_worker && std::thread::hardware_concurrency() > 1;
    decoder.emplace(std::move(paths), settings.Thumbsize, worker);
  }
  CLabelsByFolder labels(finder);
  CImportLog log;
  CProgress progress(front_end_);
  progress.Start(kTitleImportingPictures, outcome.total);

  for (size_t k = 0; k < order.size(); ++k) {
    const std::string& path = work_list[order[k]].path;
    // An imported picture starts with an empty description, whatever record was read before.
    for (int i = 1; i < kFieldCount; ++i) db.fields[i].clear();
    trace.Write(path);
    db.volume_label = dialog.volume_label ? *dialog.volume_label : labels.LabelOf(path);
    if (!db.volume_label.empty()) trace.Write(db.volume_label);
    const int position = static_cast<int>(k) + 1;
    front_end_.SetStatusText(STATUS_PANE_MESSAGE,
                             StringPrintf(kStatusImportingPictures, position, outcome.total));
    trace.Write("SetProgress");
    progress.Step(position);
    if (settings.ImportTextEdit) db.fields[kFieldCategory] = dialog.category;

    trace.Write("Start import");
    const size_t results_before = db.results.size();
    const AddResult result = db.AddPicture(path, dialog.id_mode, dialog.id_format);
    trace.Write("End import");
    bool stored = result != AddResult::kFailed;
    if (result == AddResult::kDone) {
      ++outcome.imported;
      if (decoder) {
        trace.Write("ReadImage");
        const CDecodedPicture decoded = decoder->Take(k);
        for (const CDecodeMessage& message : decoded.messages) {
          front_end_.ShowMessage(message.text, MsgButtons::kOk, MsgIcon::kNone);
        }
        // The record is the one the add step appended; it appends none when the picture ID
        // already named this file.
        if (decoded.loaded && db.results.size() > results_before) {
          stored = StoreDecodedPicture(db.results.back().record, decoded);
        }
      }
    } else if (decoder) {
      decoder->Skip(k);
    }
    if (!stored) {
      log.AddLine(path, db.status().message());
      ShowStoreFailure();
      outcome.store_failed = true;
      break;
    }
    log.AddLine(path, results[static_cast<size_t>(result)]);
    if (progress.Aborted()) break;
  }

  trace.Write("End import");
  progress.Close();
  log.AddImportSummary(outcome.imported, outcome.total);
  trace.Write("Display log");
  front_end_.ShowLog(log.Text());
  if (outcome.imported > 0) state.import_counter = db.id_counter;
  return outcome;
}

bool CSnapstoreDoc::StoreDecodedPicture(int32_t record, const CDecodedPicture& decoded) {
  const CDebugLog trace(settings.DebugMode, settings.InstallPath);
  trace.Write("StoreCache");
  // A cache that cannot take the thumbnail is reported once; the import goes on without it.
  StoreThumbnail(record, decoded.picture);
  // A record whose ID was pointed at this file may have shown another picture.
  ForgetThumbnail(record);
  if (decoded.when.empty()) return true;
  trace.Write("GetExif");
  trace.Write("ExifExists");
  db.GoToRecord(record);
  if (!db.status().ok()) return false;
  db.fields[kFieldWhen] = decoded.when;
  trace.Write("start update");
  const bool updated = db.UpdateCurrent() != UpdateResult::kFailed;
  trace.Write("end update");
  return updated;
}

void CSnapstoreDoc::ShowImportedPictures() {
  settings.Thumbnails = 1;
  db.FirstEntry();
  // A new result list: the strip starts at its first picture.
  first_visible = 1;
  picture_changed = true;
  record_status_text =
      StringPrintf(kRecordStatusAfterImport, db.results.position(), db.results.count());
  front_end_.SendCommandToDescendants(CMD_SHOW_STRIP_SCROLLBAR);
  front_end_.UpdateViews(kHintAll);
  modified = true;
}
