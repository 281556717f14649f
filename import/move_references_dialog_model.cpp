#include "import/move_references_dialog_model.h"

#include "base/front_end.h"
#include "base/string_table.h"
#include "platform/directory_select_model.h"

namespace {

void DropOneTrailingSeparator(std::string& directory) {
  if (!directory.empty() && (directory.back() == '/' || directory.back() == '\\')) {
    directory.pop_back();
  }
}

}  // namespace

bool CRenameDirModel::Accept() {
  if (old_directory.empty() || new_directory.empty()) {
    front_end_.ShowMessage(LoadString(IDS_BOTH_DIRECTORIES), MsgButtons::kOk,
                           MsgIcon::kInformation);
    return false;
  }
  DropOneTrailingSeparator(old_directory);
  DropOneTrailingSeparator(new_directory);
  return true;
}

bool CRenameDirModel::Browse(std::string& directory) {
  CDirectorySelectModel picker(front_end_, volumes_);
  picker.selected_path = directory;
  if (!front_end_.RunDialog(picker)) return false;
  directory = picker.selected_path;
  return true;
}
