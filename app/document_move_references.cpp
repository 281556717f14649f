// "Move image reference...": the pictures of a folder the user has moved outside the program
// are pointed at their new place, and the views show them from there.
#include "app/document.h"
#include "import/move_references_dialog_model.h"

CMoveOutcome CSnapstoreDoc::MoveImageReferences() {
  if (index_path.empty()) return {};
  CRenameDirModel dialog(front_end_, finder.volume_source());
  CMoveOutcome outcome;
  if (front_end_.RunDialog(dialog)) outcome = MoveReferences(front_end_, db, finder, dialog);
  if (outcome.confirmed) modified = true;

  // The move walked the records: the current record is the current picture again.
  if (db.results.position() > 0) db.GoToRecord(db.results.CurrentRecord());
  if (outcome.moved > 0) {
    // The pictures are read from their new place, and the strip's texts show the new paths.
    for (CPictureInfo& entry : db.results) entry.texts_read = false;
    picture_changed = true;
    front_end_.UpdateViews(kHintAll);
  }
  return outcome;
}
