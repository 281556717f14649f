// The three pictures of a record on the web pages: the full picture that the pop-up window
// shows, the album picture and the thumbnail, each written as a JPEG file.
//
// Each is made as if its own LoadPicture had decoded the file for its box (800 × 700, or
// 3000 × 3000 without WebResizeFull; 300 × 300; 100 × 100) and a forced reduction had given it
// its size along the longer side. The file is decoded once, for the full picture's box, which
// needs the largest scale; the album picture and the thumbnail are point-sampled from that
// decode to exactly the sizes their own loads would have given them (LoadedSize, from the
// file's size).
#pragma once

#include <string>
#include <vector>

#include "imaging/decode_report.h"
#include "imaging/picture.h"
#include "imaging/picture_loader.h"
#include "imaging/picture_reduction.h"

constexpr int kFullBoxWidth = 800;
constexpr int kFullBoxHeight = 700;
constexpr int kUnresizedBoxSide = 3000;  // the full picture's box without WebResizeFull
constexpr int kAlbumBoxSide = 300;
constexpr int kThumbnailBoxSide = 100;

struct CWebPictureSizes {
  CPictureSize full;
  CPictureSize album;
  CPictureSize thumbnail;
};

// The sizes of the three pictures of a file of `file_width` × `file_height` pixels read by
// `decoder`. With `resize_full` the full picture takes the box 800 × 700 along its longer
// side (enlarged when smaller); without, it keeps the size its load gives it.
CWebPictureSizes WebPictureSizes(PictureDecoder decoder, int file_width, int file_height,
                                 bool resize_full);

struct CWebPictures {
  int loaded = 0;  // 1 when the file was decoded
  CPicture full;
  CPicture album;
  CPicture thumbnail;
  // What the decode would have shown: the JPEG library's messages.
  std::vector<CDecodeMessage> messages;
};

// Decodes the picture file at `path` (the file itself, already found) into its three
// pictures. Shows nothing, so it may run on any thread.
CWebPictures DecodeWebPictures(const std::string& path, bool resize_full);
