// Finding a stored picture path on the volumes mounted now. Indexes keep the path as it was
// when the picture was added ("/media/u/PHOTOS1/trip/a.jpg", or "c:/photos/a.jpg" from an
// index made on Windows); the medium may be mounted elsewhere since, and an index or export
// made where paths were lower-cased may disagree with the disk in case.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Length of the drive prefix: 2 for "x:" (a letter and a colon), else 0. Paths are compared
// "after the drive prefix" where a drive letter used to be skipped.
size_t DrivePrefixLength(std::string_view path);
std::string_view WithoutDrivePrefix(std::string_view path);

// The tails of a stored path, longest first: the path without its drive prefix and leading
// separators, then without each further leading component. Both '/' and '\\' separate.
// "c:/photos/trip/a.jpg" gives "photos/trip/a.jpg", "trip/a.jpg", "a.jpg".
std::vector<std::string> PathTails(std::string_view stored_path);

// The path as written when it names an existing file; else the path resolved component by
// component ignoring case (ASCII and UTF-8 letters); nothing when no file matches.
std::optional<std::string> ResolveIgnoringCase(const std::string& path);

// The first existing file among root + "/" + each tail of the stored path, longest first,
// each tried as written and then ignoring case.
std::optional<std::string> FindOnRoot(const std::string& root, std::string_view stored_path);
