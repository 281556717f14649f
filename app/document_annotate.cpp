// Describing pictures: the description editor and "Add to category...".
#include "app/document.h"
#include "app/picture_description_model.h"
#include "base/resource_ids.h"
#include "base/string_table.h"
#include "classify/category_list_model.h"

AnnotateResult CSnapstoreDoc::Annotate() {
  CPictDescrModel sheet(
      front_end_, [this](const std::string& key) { return db.KeyExists(key); },
      state.category_names);
  sheet.Load(db, annotation, state.storage_locations, state.definitions);
  const size_t category_count = state.category_names.size();
  front_end_.SetHelpTopic(HELP_TOPIC_DESCRIBING);
  const bool accepted = front_end_.RunDialog(sheet);
  front_end_.SetHelpTopic(HELP_TOPIC_MAIN_WINDOW);
  annotation.sheet_rect = sheet.placement;
  front_end_.SendCommandToDescendants(CMD_SET_STRIP_SCROLL_POSITION);
  front_end_.SendCommandToDescendants(CMD_REPAINT_CAPTION);
  if (!accepted) return AnnotateResult::kCancelled;

  modified = true;
  const std::string old_path = db.image_path;
  sheet.Store(db, annotation, state.storage_locations, state.definitions);
  if (state.category_names.size() != category_count) SaveDocumentState();
  const bool stored = UpdateCurrentRecord();
  if (db.image_path != old_path) picture_changed = true;
  // The strip reads the record's texts again.
  if (db.results.position() >= 1) {
    db.results[static_cast<size_t>(db.results.position()) - 1].texts_read = false;
  }
  front_end_.UpdateViews(kHintAll);
  idle_pass_.Restart(index_path);
  return stored ? AnnotateResult::kStored : AnnotateResult::kNotStored;
}

void CSnapstoreDoc::AddToCategory() {
  if (db.results.empty()) return;
  // The thumbnail under the point, when the menu came up over one.
  std::optional<int32_t> hit;
  if (settings.Thumbnails) {
    if (std::optional<size_t> cell = CellAtContextPoint();
        cell && visible_cells[*cell].record > 0) {
      hit = visible_cells[*cell].record;
      db.GoToRecord(*hit);
    }
  }
  if (!db.status().ok()) {
    ShowStoreFailure();
  } else {
    CCategoryListModel dialog(front_end_, state.category_names, db.fields[kFieldCategory]);
    front_end_.SetHelpTopic(HELP_TOPIC_DESCRIBING);
    const bool accepted = front_end_.RunDialog(dialog);
    front_end_.SetHelpTopic(HELP_TOPIC_MAIN_WINDOW);
    if (accepted) {
      modified = true;
      if (hit) db.GoToRecord(*hit);
      db.fields[kFieldCategory] = dialog.category_text;
      if (db.status().ok()) {
        UpdateCurrentRecord();
      } else {
        ShowStoreFailure();
      }
    }
  }
  // The current picture is the current record again, whether the dialog was answered or not.
  if (hit) db.ReloadCurrent();
}

bool CSnapstoreDoc::UpdateCurrentRecord() {
  const UpdateResult updated = db.UpdateCurrent();
  if (updated == UpdateResult::kDone) {
    // The store reads the record's old values for its next update: they are the new ones now.
    db.GoToRecord(static_cast<int>(db.CurrentRecordNumber()));
    ShowStoreFailure();
    return true;
  }
  if (updated == UpdateResult::kIdMissing) {
    // The record's ID is missing from the key tree: the index needs its word index rebuilt.
    if (front_end_.ShowMessage(LoadString(IDS_RECORD_CORRUPTED), MsgButtons::kYesNo,
                               MsgIcon::kError) == MsgAnswer::kYes) {
      ReorganiseIndex();
      return false;
    }
  } else {
    ShowStoreFailure();
  }
  // What is shown is the record as it is stored.
  db.ReloadCurrent();
  return false;
}
