// Opening, creating and choosing a photo index.
#include <filesystem>

#include "app/document.h"
#include "app/new_archive_dialog_model.h"
#include "base/resource_ids.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "platform/folders.h"
#include "platform/path_text.h"

namespace {

constexpr const char* kOpenFilter = "Framehold (*.acx)|*.acx||";
constexpr const char* kCreateFilter = "Albumcraft (*.acx)|*.acx||";
constexpr const char* kCreateTitle = "Create new photo archive";
constexpr const char* kIndexExtension = "acx";
constexpr const char* kFirstStartFolderName = "Albumcraft";
constexpr const char* kFirstStartIndexName = "PhotoIndex.acx";
constexpr int kExitRefusedUpgrade = 4;

// The extension of the file name of `path`: the text after its last '.', or empty.
std::string ExtensionOf(const std::string& path) {
  const size_t name = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (name != std::string::npos && dot < name)) return {};
  return path.substr(dot + 1);
}

}  // namespace

void CSnapstoreDoc::OpenIndex() {
  CFileRequest request;
  request.must_exist = true;
  request.default_ext = kIndexExtension;
  request.filter = kOpenFilter;
  request.initial_path = index_path;
  std::optional<std::string> path = front_end_.AskFile(request);
  if (!path) return;
  OpenIndexPath(*path);
}

bool CSnapstoreDoc::OpenIndexPath(const std::string& path) {
  index_path = path;
  state_file_path_ = StateFilePath(index_path);
  closed_ = false;
  const std::string missing = db.SetFileNames(index_path);
  title_text = index_path;
  if (!missing.empty()) ShowMissingFiles(missing);

  if (missing.empty()) CheckStoreFormat();
  idle_pass_.Restart(index_path);
  state.category_names.clear();
  ClearThumbnails();
  db.results.Clear();
  db.image_path.clear();
  first_visible = 1;
  ReadDocumentState();
  RefreshRecordStatus();
  front_end_.UpdateViews(kHintAll);
  RefillCategoryChoices();
  if (settings.Thumbnails) front_end_.SendCommandToDescendants(CMD_SHOW_STRIP_SCROLLBAR);
  return missing.empty();
}

void CSnapstoreDoc::CheckStoreFormat() {
  if (index_path.empty() || title_text == kTitleError) return;
  if (db.ReadHeader() && db.header.version != kStoreFormatVersion) UpgradePrompt();
}

void CSnapstoreDoc::UpgradePrompt() {
  if (front_end_.ShowMessage(LoadString(IDS_UPGRADE_QUESTION), MsgButtons::kYesNo,
                             MsgIcon::kQuestion) != MsgAnswer::kYes) {
    front_end_.EndProgram(kExitRefusedUpgrade);
    return;
  }
  bool upgraded;
  {
    CWaitCursor wait(front_end_);
    upgraded = db.UpgradeStore();
  }
  if (!upgraded) {
    ShowStoreFailure();
    return;
  }
  front_end_.ShowMessage(LoadString(IDS_UPGRADE_DONE), MsgButtons::kOk, MsgIcon::kInformation);
}

bool CSnapstoreDoc::CreateIndex() {
  CFileRequest request;
  // GTK's open dialog cannot name a file that does not exist yet, so the new index is chosen
  // in a save dialog; an existing name is refused below, so it never asks to overwrite.
  request.save = true;
  request.title = kCreateTitle;
  request.default_ext = kIndexExtension;
  request.filter = kCreateFilter;
  request.initial_path = index_path.empty() ? DocumentsFolder() : index_path;
  bool created = false;
  for (;;) {
    std::optional<std::string> path = front_end_.AskFile(request);
    if (!path) break;
    request.initial_path = *path;
    if (ExtensionOf(*path) != kIndexExtension) {
      front_end_.ShowMessage(kMsgNoExtension, MsgButtons::kOk, MsgIcon::kWarning);
      continue;
    }
    if (db.MissingFileFlags(*path) == 0) {
      front_end_.ShowMessage(kMsgIndexExists, MsgButtons::kOk, MsgIcon::kWarning);
      continue;
    }
    index_path = *path;
    CreateAt(index_path);
    if (!db.status().ok()) break;
    front_end_.ShowMessage(kMsgIndexCreated, MsgButtons::kOk, MsgIcon::kInformation);
    created = true;
    break;
  }
  // What follows runs after Cancel too: it reloads the state of the index that is open.
  AfterCreate();
  return created;
}

void CSnapstoreDoc::CreateAt(const std::string& path) {
  index_path = path;
  closed_ = false;
  db.MissingFileFlags(index_path);  // names the store files
  db.results.Clear();
  if (!db.CreateFiles()) {
    ShowStoreFailure();
    return;
  }
  state.category_names.clear();
}

void CSnapstoreDoc::AfterCreate() {
  title_text = index_path;
  state_file_path_ = StateFilePath(index_path);
  state.import_counter = 1;
  first_visible = 1;
  finder.SetOffline(false);
  db.image_path.clear();
  front_end_.SetCategoryChoices({LoadString(IDS_ALL), LoadString(IDS_TO_BE_DESCRIBED)});
  idle_pass_.Stop();  // a new index has nothing to sort
  ClearThumbnails();
  ReadDocumentState();
  RefreshRecordStatus();
  front_end_.UpdateViews(kHintAll);
}

void CSnapstoreDoc::RunFirstStart() {
  if (!title_text.empty() || first_start_offered_) return;
  first_start_offered_ = true;
  const std::string documents = DocumentsFolder();
  const std::string folder = JoinPath(documents, kFirstStartFolderName);
  const std::string proposed = JoinPath(folder, kFirstStartIndexName);
  std::error_code error;
  const bool auto_enabled = !(std::filesystem::is_directory(documents, error) &&
                              std::filesystem::exists(proposed, error));

  bool created = false;
  CNewArchiveModel dialog(folder, auto_enabled);
  switch (dialog.ChoiceOf(front_end_.RunDialog(dialog))) {
    case NewArchiveChoice::kAuto:
      std::filesystem::create_directories(folder, error);
      CreateAt(proposed);
      created = db.status().ok();
      AfterCreate();
      break;
    case NewArchiveChoice::kManual:
      created = CreateIndex();
      break;
    case NewArchiveChoice::kSelect:
      OpenIndex();
      break;
    case NewArchiveChoice::kCancel:
      break;
  }
  if (!created) return;
  const std::string question =
      StringPrintf(LoadString(IDS_INDEX_CREATED_ADD_NOW).c_str(), title_text.c_str());
  if (front_end_.ShowMessage(question, MsgButtons::kYesNo, MsgIcon::kQuestion) == MsgAnswer::kYes) {
    OnCommand(ID_ADD_PICTURES);
  }
}
