// Which stored picture paths lie in a folder, for moving image references: a folder and the
// folder part of a stored path compare without their drive prefix ("c:"), with '/' and '\\'
// alike, ignoring case. So the folder /photos/2001 (or c:\Photos\2001) holds the pictures
// stored as "/photos/2001/x.jpg", "c:/photos/2001/x.jpg" and "D:\PHOTOS\2001\y.jpg".
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The form in which a folder compares: without its drive prefix, every '\\' as '/', lower-cased.
std::string FolderMatchKey(std::string_view folder);

// Where the stored path lies below the folder with the key `folder_key` (FolderMatchKey): the
// file name ("x.jpg") for a picture in the folder itself; with `subfolders` also the path
// below it ("trip/z.jpg") for a picture in one of its sub-folders, '/' separating the parts.
// Nothing for a picture elsewhere.
std::optional<std::string> PathBelowFolder(std::string_view stored_path,
                                           std::string_view folder_key, bool subfolders);
