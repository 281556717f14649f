#include "store/picture_folder_match.h"

#include "platform/picture_path.h"
#include "store/directory_key.h"
#include "store/text_rules.h"

std::string FolderMatchKey(std::string_view folder) {
  return LowerCase(ForwardSlashes(std::string(WithoutDrivePrefix(folder))));
}

std::optional<std::string> PathBelowFolder(std::string_view stored_path,
                                           std::string_view folder_key, bool subfolders) {
  // Lower-casing keeps the byte length, so positions in the key are positions in the path.
  const std::string path = FolderMatchKey(stored_path);
  const size_t separator = path.rfind('/');
  if (separator == std::string::npos) return std::nullopt;
  const std::string_view folder = std::string_view(path).substr(0, separator);
  const bool inside = folder == folder_key;
  const bool below = subfolders && folder.size() > folder_key.size() &&
                     folder.substr(0, folder_key.size()) == folder_key &&
                     folder[folder_key.size()] == '/';
  if (!inside && !below) return std::nullopt;
  const std::string below_path = ForwardSlashes(std::string(WithoutDrivePrefix(stored_path)));
  return below_path.substr(folder_key.size() + 1);
}
