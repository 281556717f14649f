// The picture information of the current record, for its dialog and the command line.
#include "app/document.h"
#include "app/info_display_model.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "classify/user_def_fields.h"
#include "imaging/picture_info_texts.h"
#include "store/field_text.h"

namespace {

// Why the file rows of a record are missing.
std::string UnreadableFileText(const std::string& path, const std::string& label,
                               const std::optional<std::string>& found, bool offline) {
  if (path.empty()) return kMsgInfoNoFile;
  if (found) return StringPrintf(kMsgInfoNotAPictureFormat, found->c_str());
  if (offline) return StringPrintf(kMsgInfoMediumAwayFormat, label.c_str());
  return StringPrintf(kMsgInfoFileMissingFormat, path.c_str());
}

}  // namespace

CInfoDisplayModel CSnapstoreDoc::PictureInfo() {
  CInfoRecordTexts record;
  record.id = db.fields[kFieldId];
  record.path = db.image_path;
  record.when = db.fields[kFieldWhen];
  record.where = db.fields[kFieldWhere];
  record.description = db.fields[kFieldDescription];
  record.category = db.fields[kFieldCategory];
  // Each field shows the value in its own value slot; a definition whose slot is not a text
  // field of the record shows none.
  for (const CUserDefFields& field : state.definitions) {
    if (!field.enabled) continue;
    const int value_field = field.ValueField();
    const bool known = field.value_slot > 0 && value_field < kFieldCount;
    record.user_fields.push_back({field.label, known ? db.fields[value_field] : std::string()});
  }

  CPictureFileFacts file;
  std::optional<std::string> found;
  const bool was_offline = finder.Offline();
  if (!db.image_path.empty()) found = finder.FindPictureFile(db.image_path, db.volume_label);
  const bool medium_away = finder.Offline();
  finder.SetOffline(was_offline);
  if (found) file = ReadPictureFileFacts(*found);

  std::string status;
  if (file.kind == kPictureNone) {
    status = UnreadableFileText(db.image_path, db.volume_label, found, medium_away);
  }
  return CInfoDisplayModel(PictureInfoPairs(record, file), status);
}

void CSnapstoreDoc::ShowPictureInfo() {
  if (db.results.count() == 0) return;
  CInfoDisplayModel dialog = PictureInfo();
  front_end_.RunDialog(dialog);
}
