// Reading the entries of a folder on disk, for the walks of the import and the folder picker.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct CFolderEntry {
  std::string name;
  bool is_folder = false;  // a folder, or a link to one
  bool is_link = false;    // a symbolic link (to a folder when is_folder)
};

// The entries of a folder except "." and "..", in the order the file system gives them;
// nothing when the folder cannot be listed.
std::optional<std::vector<CFolderEntry>> ReadFolder(const std::string& folder);

// Whether the path names a folder (following links).
bool IsFolder(const std::string& path);

// Whether a name is hidden in a listing: it starts with '.'.
bool IsHiddenName(const std::string& name);

// Whether the folder has a folder among its entries (a hidden one counts only with
// `count_hidden`); nothing when the folder cannot be listed.
std::optional<bool> FindSubfolder(const std::string& folder, bool count_hidden);
