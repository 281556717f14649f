// The folders the picture import walks: their entries in a steady order, which files count as
// pictures, and whether a folder holds pictures somewhere below it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/folder_entries.h"

// The entries of a folder except "." and "..", sorted by name ignoring case (ties by bytes), so
// that every walk meets them in the same order whatever the file system returns. Empty when
// the folder cannot be listed.
std::vector<CFolderEntry> ListFolder(const std::string& folder);

// The import dialog lists a file when the last four characters of its name, upper-cased, are
// ".JPG" or ".TIF" (so "photo.jpeg" is not listed).
bool IsListedPictureName(std::string_view name);

// Expanding a folder takes a file when the last three characters of its name, upper-cased, are
// "JPG" or "TIF" (so a name that merely ends in "jpg" is taken).
bool IsExpandedPictureName(std::string_view name);

// Whether the folder has a folder among its entries.
bool HasSubfolder(const std::string& folder);

// Whether the folder holds pictures: a listed picture file in it, or in any folder below it,
// searched depth first. Links that lead back to a folder already searched are not followed
// again, so a loop of links ends.
bool HoldsPictures(const std::string& folder);

// Identity of a folder on its file system, to recognise a folder met again through a link.
struct CFolderIdentity {
  unsigned long long device = 0;
  unsigned long long inode = 0;
  bool operator==(const CFolderIdentity&) const = default;
};
struct CFolderIdentityHash {
  size_t operator()(const CFolderIdentity& id) const {
    return std::hash<unsigned long long>()(id.device * 1000003ULL ^ id.inode);
  }
};
// The identity of the folder at `path`; false when it cannot be queried.
bool IdentityOf(const std::string& path, CFolderIdentity& identity);
