// Moving through the result list, selecting, deleting and editing pictures.
#include <algorithm>

#include "app/delete_dialog_model.h"
#include "app/document.h"
#include "app/strip_grid.h"
#include "base/resource_ids.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "platform/process.h"

int CSnapstoreDoc::VisibleThumbnails() const {
  return NavigationRows(view_height, settings.Thumbsize) * StripColumns(settings.ViewMode);
}

void CSnapstoreDoc::NextRecord() {
  // Keep the new current thumbnail on screen, a few cells from the bottom of the strip.
  const int visible = VisibleThumbnails();
  if (db.results.position() - first_visible + 3 > visible) {
    first_visible = std::min(db.results.count(), db.results.position() + 5 - visible);
  }
  db.NextEntry();
  RefreshRecordStatus();
  picture_changed = true;
  front_end_.UpdateViews(kHintAll);
}

void CSnapstoreDoc::PreviousRecord() {
  db.PreviousEntry();
  RefreshRecordStatus();
  if (db.results.position() - 1 < first_visible)
    first_visible = std::max(1, db.results.position() - 5);
  picture_changed = true;
  front_end_.UpdateViews(kHintAll);
}

void CSnapstoreDoc::FirstRecord() {
  db.FirstEntry();
  first_visible = db.results.position();
  RefreshRecordStatus();
  picture_changed = true;
  front_end_.UpdateViews(kHintAll);
}

void CSnapstoreDoc::LastRecord() {
  db.LastEntry();
  first_visible = db.results.position();
  RefreshRecordStatus();
  picture_changed = true;
  front_end_.UpdateViews(kHintAll);
}

void CSnapstoreDoc::SelectAll() {
  for (CPictureInfo& entry : db.results) entry.selected = 1;
  front_end_.UpdateViews(kHintStrip);
}

void CSnapstoreDoc::DeselectAll() {
  for (CPictureInfo& entry : db.results) entry.selected = 0;
  front_end_.UpdateViews(kHintStrip);
}

void CSnapstoreDoc::RemoveResultEntry(size_t index) {
  if (index < db.results.size()) db.results.Erase(index);
}

void CSnapstoreDoc::DeletePicture(bool from_context_menu) {
  if (db.results.count() == 0) return;

  // From the context menu, the thumbnail under the point; the dialog only over a cell.
  std::optional<size_t> cell;
  if (from_context_menu) {
    cell = CellAtContextPoint();
    if (!cell) return;
  }

  const DeleteScope preset =
      db.results.AnySelected() ? DeleteScope::kSelectedPictures : DeleteScope::kThisPicture;
  CDeleteModel dialog(preset);
  if (!front_end_.RunDialog(dialog)) return;
  const DeleteScope scope = dialog.scope;
  // Every deletion changes the index, so the closing backup export must follow it.
  modified = true;

  if (scope == DeleteScope::kSelectedPictures) {
    for (const CPictureInfo& entry : db.results) {
      if (entry.selected) ForgetThumbnail(entry.record);
    }
    db.DeleteSelected();
  } else if (from_context_menu) {
    const int32_t record = visible_cells[*cell].record;
    db.GoToRecord(record);
    if (db.status().ok()) db.DeleteCurrent();
    ForgetThumbnail(record);
    if (db.status().ok()) RemoveResultEntry(static_cast<size_t>(first_visible) + *cell - 1);
    if (db.status().ok() && db.results.count() > 0) db.GoToRecord(db.results.CurrentRecord());
  } else {
    const int32_t record = db.results.CurrentRecord();
    db.DeleteCurrent();
    ForgetThumbnail(record);
    if (db.status().ok()) RemoveResultEntry(static_cast<size_t>(db.results.position()) - 1);
    if (db.status().ok() && db.results.count() > 0) {
      db.GoToRecord(db.results.CurrentRecord());
    }
  }
  ShowStoreFailure();
  if (db.results.count() > 0) picture_changed = true;
  first_visible = std::clamp(first_visible, 1, std::max(1, db.results.count()));
  RefreshRecordStatus();
  front_end_.UpdateViews(kHintAll);
}

void CSnapstoreDoc::EditImage() {
  if (settings.ImageEditor.empty()) {
    front_end_.ShowMessage(LoadString(IDS_NO_IMAGE_EDITOR), MsgButtons::kOk, MsgIcon::kWarning);
    return;
  }
  std::string picture = db.image_path;
  if (auto found = finder.FindPictureFile(db.image_path, db.volume_label)) picture = *found;
  std::string error;
  if (!StartProgram(settings.ImageEditor, picture, &error)) {
    front_end_.ShowMessage(
        StringPrintf(LoadString(IDS_EDITOR_START_FAILED).c_str(), settings.ImageEditor.c_str()),
        MsgButtons::kOk, MsgIcon::kError);
  }
}
