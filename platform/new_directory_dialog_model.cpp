#include "platform/new_directory_dialog_model.h"

#include <sys/stat.h>

#include "base/front_end.h"
#include "base/string_printf.h"
#include "base/string_table.h"

bool CDlgNewDirModel::Accept() {
  std::string path = base_folder;
  if (path.empty() || path.back() != '/') path += '/';
  path += new_name;
  if (mkdir(path.c_str(), 0777) != 0) {
    front_end_.ShowMessage(
        StringPrintf(LoadString(IDS_CANNOT_CREATE_DIRECTORY).c_str(), path.c_str()),
        MsgButtons::kOk, MsgIcon::kWarning);
    return false;
  }
  created_path = path;
  return true;
}
