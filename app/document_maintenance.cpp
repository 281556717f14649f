// The "Photo Index maintenance" commands: sort, reorganise, dump, export and import.
#include "app/definition_export.h"
#include "app/document.h"
#include "base/resource_ids.h"
#include "base/string_printf.h"
#include "base/string_table.h"

namespace {

constexpr const char* kExportFilter = "Export (*.exp)|*.exp||";
constexpr const char* kExportExtension = "exp";

// The file dialog of a text export beside the index: a save dialog to export, an open dialog
// for an existing file to import.
CFileRequest ExportFileRequest(const std::string& index_path, bool save) {
  CFileRequest request;
  request.save = save;
  request.must_exist = !save;
  request.default_ext = kExportExtension;
  request.filter = kExportFilter;
  request.initial_path = index_path;
  return request;
}

}  // namespace

void CSnapstoreDoc::SortIndex() {
  db.SortAllPostings(Cdatabase::kSortCommandLimit);
  ShowStoreFailure();
}

void CSnapstoreDoc::ReorganiseIndex() {
  ClearSearch();
  if (!db.ReindexStore()) {
    ShowStoreFailure();
    return;
  }
  SortIndex();
}

void CSnapstoreDoc::DumpIndex() { db.DumpStore(); }

void CSnapstoreDoc::ExportIndex() {
  std::optional<std::string> path = front_end_.AskFile(ExportFileRequest(index_path, true));
  if (!path) return;
  const int exported = ExportTo(*path);
  front_end_.ShowMessage(StringPrintf(kMsgExportedFormat, exported, path->c_str()), MsgButtons::kOk,
                         MsgIcon::kInformation);
}

void CSnapstoreDoc::ImportIndex() {
  std::optional<std::string> path = front_end_.AskFile(ExportFileRequest(index_path, false));
  if (!path) return;
  int imported = 0;
  {
    CWaitCursor wait(front_end_);
    imported = ImportFrom(*path);
  }
  front_end_.ShowMessage(StringPrintf(kMsgImportedFormat, imported, path->c_str()), MsgButtons::kOk,
                         MsgIcon::kInformation);
}

int CSnapstoreDoc::ExportTo(const std::string& path) {
  const int exported = db.ExportText(path, ExportDefinitions(state.definitions));
  ShowStoreFailure();
  return exported;
}

int CSnapstoreDoc::ImportFrom(const std::string& path) {
  std::vector<CExportDefinition> definitions;
  const int imported = db.ImportText(path, state.category_names, definitions);
  if (!definitions.empty()) state.definitions = ImportedDefinitions(definitions);
  ShowStoreFailure();
  RefillCategoryChoices();
  modified = true;
  return imported;
}
