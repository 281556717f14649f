// LoadPicture: the one operation that turns a record's picture file into the current
// picture. It finds the file, decodes it by its extension (JPEG or uncompressed TIFF),
// reduces it towards a target box and optionally applies the user's gamma.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "imaging/picture.h"
#include "imaging/picture_reduction.h"

class CFrontEnd;

// Finds a stored picture: given the record's path and volume label, the path of the file to
// open, or nothing when no mounted volume has it. The document's finder also keeps its
// offline flag.
using PictureFileFinder = std::function<std::optional<std::string>(
    const std::string& path, const std::string& volume_label)>;

// What LoadPicture needs from the document that owns the current picture.
struct CLoadContext {
  PictureFileFinder find_file;     // empty: the stored path is opened as it stands
  CFrontEnd* front_end = nullptr;  // status pane 0 and the JPEG library's messages
  int gamma = 100;                 // the Gamma setting, in hundredths
};

enum class PictureDecoder { kNone, kJpeg, kTiff };

// The decoder for a path: by the extension behind the last "." among the path's last seven
// characters, upper-cased: exactly "JPG" or "TIF". "jpeg", "tiff" and everything else
// decode nothing.
PictureDecoder DecoderForPath(std::string_view path);

// Releases the current picture and loads the record's picture file into it: returns 1 when
// a picture was decoded (the kind is then 1 for JPEG, 2 for TIFF), else 0 with the picture
// empty and kind 0 (empty path, file not found, unknown extension, undecodable file). A
// decoded picture is reduced towards the target box (not forced), gets the gamma of the
// context when `apply_gamma`, and status pane 0 then reads "Ready".
int LoadPicture(CPicture& picture, const CLoadContext& context, const std::string& path,
                const std::string& volume_label, int target_width, int target_height,
                bool apply_gamma);

// The width and height LoadPicture gives a picture whose file holds `file_width` ×
// `file_height` pixels, for the decoder and target box: a JPEG comes out of the decoder at
// the scale JpegScaleDenominator chooses, in the size the JPEG library computes for it (each
// side divided by the denominator, rounded up); then the reduction towards the box, unless
// the picture is within a factor of two of it. A caller that decodes once for several boxes
// gives each picture this size.
CPictureSize LoadedSize(PictureDecoder decoder, int file_width, int file_height, int target_width,
                        int target_height);
