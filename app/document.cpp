#include "app/document.h"

#include <cctype>

#include "app/definition_export.h"
#include "app/result_list_file.h"
#include "base/resource_ids.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "base/text_rules.h"
#include "classify/user_def_fields.h"
#include "imaging/picture_loader.h"
#include "platform/file_copy.h"
#include "platform/folders.h"

CSnapstoreDoc::CSnapstoreDoc(CFrontEnd& front_end, CVolumeSource& volumes,
                             CSettingsFile settings_file, CDocumentOptions options)
    : finder(volumes, front_end),
      front_end_(front_end),
      settings_file_(std::move(settings_file)),
      options_(std::move(options)),
      temp_folder_(options_.temp_folder.empty() ? TempFolder() : options_.temp_folder) {
  front_end_.SetHelpTopic(HELP_TOPIC_MAIN_WINDOW);
  search_category = LoadString(IDS_ALL);
  settings.ReadAll(settings_file_);
  if (options_.index_path) settings.File = *options_.index_path;
  ApplyStoreSettings();
  db.SetFrontEnd(&front_end_);

  if (!settings.File.empty()) {
    index_path = settings.File;
    state_file_path_ = StateFilePath(index_path);
    const std::string missing = db.SetFileNames(index_path);
    title_text = index_path;
    if (!missing.empty()) {
      ShowMissingFiles(missing);
      settings.File.clear();
    }
  }
  idle_pass_.Restart(settings.File);
  ReadDocumentState();
  finder.ScanDrives();
}

CSnapstoreDoc::~CSnapstoreDoc() {
  Close();
  if (!options_.write_settings) return;
  if (!index_path.empty()) settings.File = index_path;
  settings.WriteAll(settings_file_);
}

void CSnapstoreDoc::ApplyStoreSettings() { db.SetTrace(settings.DebugMode, settings.InstallPath); }

void CSnapstoreDoc::ShowMissingFiles(const std::string& missing) {
  front_end_.ShowMessage(std::string(kMsgMissingFiles) + missing + kMsgMissingFilesEnd,
                         MsgButtons::kOk, MsgIcon::kError);
  title_text = kTitleError;
}

void CSnapstoreDoc::Close() {
  if (closed_) return;
  closed_ = true;
  if (index_path.size() <= 1) return;
  SaveDocumentState();
  if (modified) {
    // The backup holds the whole index, whatever the last search left in the result list.
    db.RunQuery(kAllRecordsQuery);
    const std::string backup = BackupExportPath(std::time(nullptr));
    if (db.ExportText(backup, ExportDefinitions(state.definitions)) == 0 && !db.status().ok())
      ShowStoreFailure();
  }
  Cdatabase::RemoveOldExports(index_path, settings.ExportsToKeep);
}

std::string CSnapstoreDoc::BackupExportPath(std::time_t when) const {
  char date[16];
  std::tm local{};
  localtime_r(&when, &local);
  std::strftime(date, sizeof date, "%Y%m%d", &local);
  return index_path.substr(0, index_path.size() >= 4 ? index_path.size() - 4 : 0) + "_" + date +
         ".exp";
}

void CSnapstoreDoc::Abandon() {
  index_path.clear();
  settings.File.clear();
  closed_ = true;
}

void CSnapstoreDoc::SaveDocumentState() {
  if (index_path.empty()) return;
  CResultListState list;
  list.count = db.results.count();
  list.current_position = db.results.position();
  list.first_visible = first_visible;
  for (const CPictureInfo& entry : db.results)
    list.entries.push_back({entry.record, entry.selected});
  list.entries_valid = true;
  const CDocumentStateSave saved = ::SaveDocumentState(index_path, temp_folder_, state, list);
  for (const CStateFileStatus* status : {&saved.state_file_status, &saved.result_list_status}) {
    const std::string message = status->Message();
    if (!message.empty()) front_end_.ShowMessage(message, MsgButtons::kOk, MsgIcon::kWarning);
  }
}

void CSnapstoreDoc::ReadDocumentState() {
  if (index_path.empty()) {
    state = CDocumentState();
    return;
  }
  CDocumentStateRead read = ::ReadDocumentState(index_path, temp_folder_);
  state = std::move(read.state);
  if (read.state_file_status.kind == CStateFileStatus::Kind::kDamaged) {
    // The unreadable rest of a damaged state file would be lost at the next save: keep it.
    CopyFileKeepingMode(read.state_file_status.path, read.state_file_status.path + ".damaged",
                        false);
  }
  for (const CStateFileStatus* status : {&read.state_file_status, &read.result_list_status}) {
    const std::string message = status->Message();
    if (!message.empty()) front_end_.ShowMessage(message, MsgButtons::kOk, MsgIcon::kWarning);
  }

  db.ClearSearchableFields();
  const auto flags = SearchFlagTable(state.definitions);
  for (size_t field = 0; field < flags.size(); ++field) {
    if (flags[field]) db.SetSearchableField(static_cast<int>(field), true);
  }

  if (read.result_list && read.result_list->entries_valid) {
    CResultListState& list = *read.result_list;
    list.ClampPositions();
    db.results.Clear();
    for (const CResultListEntry& stored : list.entries) {
      db.results.Append(stored.record_number, stored.selected);
    }
    db.results.SetPosition(list.current_position);
    first_visible = list.first_visible;
    if (db.results.count() > 0) {
      db.GoToRecord(db.results.CurrentRecord());
      picture_changed = true;
    }
    RefreshRecordStatus();
  }
}

void CSnapstoreDoc::RefreshRecordStatus() {
  record_status_text = StringPrintf(LoadString(IDS_RECORD_STATUS).c_str(), db.results.position(),
                                    db.results.count());
}

std::vector<std::string> CSnapstoreDoc::CategoryChoices() const {
  std::vector<std::string> choices = {LoadString(IDS_ALL), LoadString(IDS_TO_BE_DESCRIBED)};
  for (const std::string& name : state.category_names) choices.push_back(UpperCase(name));
  return choices;
}

void CSnapstoreDoc::RefillCategoryChoices() { front_end_.SetCategoryChoices(CategoryChoices()); }

void CSnapstoreDoc::ShowStoreFailure() {
  if (!db.status().ok()) {
    front_end_.ShowMessage(db.status().message(), MsgButtons::kOk, MsgIcon::kError);
  }
}

int CSnapstoreDoc::LoadPicture(const std::string& path, const std::string& volume_label, int width,
                               int height, bool apply_gamma) {
  return LoadPictureInto(picture, path, volume_label, width, height, apply_gamma);
}

int CSnapstoreDoc::LoadPictureInto(CPicture& target, const std::string& path,
                                   const std::string& volume_label, int width, int height,
                                   bool apply_gamma) {
  CLoadContext context;
  context.find_file = [this](const std::string& stored, const std::string& label) {
    return finder.FindPictureFile(stored, label);
  };
  context.front_end = &front_end_;
  context.gamma = settings.Gamma;
  return ::LoadPicture(target, context, path, volume_label, width, height, apply_gamma);
}
