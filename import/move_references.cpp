#include "import/move_references.h"

#include <cstdlib>
#include <optional>
#include <vector>

#include "base/front_end.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "import/import_log.h"
#include "import/move_references_dialog_model.h"
#include "platform/picture_finder.h"
#include "platform/picture_path.h"
#include "store/database.h"
#include "store/picture_folder_match.h"

namespace {

// What became of one picture.
enum class MoveResult { kMoved, kFileMissing, kIdMissing, kStoreFailed };

// Points the current record at `new_path` when a file is there; the path stored, or the path
// looked for, goes to `path`.
MoveResult MoveCurrent(Cdatabase& db, const std::string& new_path, const std::string& label,
                       std::string& path) {
  const std::optional<std::string> found = ResolveIgnoringCase(new_path);
  path = found.value_or(new_path);
  db.image_path = path;
  db.volume_label = label;
  if (!found) return MoveResult::kFileMissing;
  switch (db.UpdateCurrent()) {
    case UpdateResult::kDone:
      return MoveResult::kMoved;
    case UpdateResult::kIdMissing:
      return MoveResult::kIdMissing;
    case UpdateResult::kFailed:
      break;
  }
  return MoveResult::kStoreFailed;
}

}  // namespace

CMoveOutcome MoveReferences(CFrontEnd& front_end, Cdatabase& db, const CPictureFinder& finder,
                            const CRenameDirModel& dialog) {
  CMoveOutcome outcome;
  std::vector<std::string> matches;
  outcome.matched = db.FindByDirectory(dialog.old_directory, matches, dialog.include_subfolders);
  if (!db.status().ok()) {
    front_end.ShowMessage(db.status().message(), MsgButtons::kOk, MsgIcon::kError);
    outcome.store_failed = true;
    return outcome;
  }
  if (outcome.matched == 0) {
    front_end.ShowMessage(LoadString(IDS_NO_FILES_MATCHED), MsgButtons::kOk, MsgIcon::kInformation);
    return outcome;
  }
  if (front_end.ShowMessage(StringPrintf(LoadString(IDS_MOVE_QUESTION).c_str(), outcome.matched),
                            MsgButtons::kYesNo, MsgIcon::kQuestion) != MsgAnswer::kYes) {
    return outcome;
  }
  outcome.confirmed = true;
  const std::string label = finder.RemovableLabelOf(dialog.new_directory);
  const std::string old_key = FolderMatchKey(dialog.old_directory);

  CImportLog log;
  {
    CWaitCursor wait(front_end);
    for (const std::string& match : matches) {
      db.GoToRecord(static_cast<int>(std::strtol(match.c_str(), nullptr, 10)));
      MoveResult result = MoveResult::kStoreFailed;
      std::string path;
      if (db.status().ok()) {
        const std::string old_path = db.image_path;
        const std::string below =
            PathBelowFolder(old_path, old_key, dialog.include_subfolders).value_or(old_path);
        result = MoveCurrent(db, dialog.new_directory + "/" + below, label, path);
        if (result == MoveResult::kMoved) log.AddMovedLine(old_path, path);
      }
      if (result == MoveResult::kMoved) {
        ++outcome.moved;
      } else if (result == MoveResult::kFileMissing) {
        log.AddNotMovedLine(path);
      } else if (result == MoveResult::kIdMissing) {
        log.AddText(StringPrintf(kLogReferenceIdMissing, path.c_str(), db.fields[kFieldId].c_str(),
                                 '\r', '\n'));
      } else {
        log.AddText(db.status().message() + "\r\n");
        outcome.store_failed = true;
        break;
      }
    }
  }
  log.AddMoveSummary(outcome.moved, outcome.matched);
  if (outcome.store_failed) {
    front_end.ShowMessage(db.status().message(), MsgButtons::kOk, MsgIcon::kError);
  }
  front_end.ShowLog(log.Text());
  return outcome;
}
