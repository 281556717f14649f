// The names of a web album's files: the folders beside the photo index, the two pages of a run
// and the three pictures of a record, and the run numbers that tell the pages of successive
// runs apart.
//
// A picture's files are named from its picture ID, and the pages link to them by those names
// as they stand: the names are made only of characters that a file name and a link both carry
// unchanged. ASCII letters and digits, "-", "_", "." and the bytes of UTF-8 letters stay as
// they are; every other byte is written as "~" and two capital hexadecimal digits ("/" as
// "~2F", a blank as "~20", "~" itself as "~7E"), so two IDs never share a file.
#pragma once

#include <string>
#include <string_view>

constexpr const char* kHtmlFolderName = "html";
constexpr const char* kImageFolderName = "image";
// Run numbers go from 1 to this, then start again at 1.
constexpr int kLastWebRun = 999;

// "tnail_%3.3d.htm" with the run number.
std::string ThumbnailPageName(int run);
// "album_%3.3d_%2.2d.htm" with the run number and 1.
std::string AlbumPageName(int run);

// The picture ID as it appears in file names (see above); a Windows-1252 ID is taken as the
// letters it shows.
std::string PictureFileToken(std::string_view id);
// "img_" + token + ".jpg", the full picture.
std::string FullPictureName(std::string_view id);
// "img_" + token + "A.jpg", the album picture.
std::string AlbumPictureName(std::string_view id);
// "img_" + token + "T.jpg", the thumbnail.
std::string ThumbnailPictureName(std::string_view id);

// The run after `run`: one more, and 1 again after kLastWebRun (or for a number below 1, which
// a hand-edited settings file may hold).
int NextWebRun(int run);
// The run after the highest one whose thumbnail page ("tnail_NNN.htm") is in `html_folder`;
// 1 when there is none (or no folder).
int NextRunInFolder(const std::string& html_folder);
