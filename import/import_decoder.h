// CImportDecoder: the pictures of an import decoded at thumbnail size, with the date taken from
// a JPEG's EXIF block, in the import's order. The import's thread writes the store; the
// decoding may run ahead on a worker thread, so that a second core decodes the next pictures
// while the first writes this one. Either way every picture is decoded the same way and the
// import takes the results in the same order, so the stored results are the same.
//
// A picture is decoded from the path where the import found it. The decoder shows nothing:
// the library's messages are kept with the result, and the import's thread shows them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "imaging/decode_ahead.h"
#include "imaging/decode_report.h"
#include "imaging/picture.h"

struct CDecodedPicture {
  int loaded = 0;    // 1 when a picture was decoded (its kind is then 1 JPEG or 2 TIFF)
  CPicture picture;  // the thumbnail
  std::string when;  // for a JPEG with an EXIF date, the When text; else empty
  std::vector<CDecodeMessage> messages;
};

// Decodes one picture file for the import: reduced towards the box `thumb_size` x `thumb_size`,
// no gamma; for a JPEG, the EXIF date as the When text.
CDecodedPicture DecodeForImport(const std::string& path, int thumb_size);

// The When text of an EXIF date-taken text ("YYYY:MM:DD HH:MM:SS"): the date at midnight in
// the user's date format. Nothing for a text of 10 characters or fewer, or one that does not
// hold a real date (cameras write "0000:00:00 00:00:00" or blanks when their clock is unset).
std::optional<std::string> WhenFromExifDate(const std::string& date_taken);

// The pictures of an import in its order, decoded for the import by DecodeForImport; with a
// worker, the next ones on a second core while the import writes the store.
class CImportDecoder : public CDecodeAhead<CDecodedPicture> {
 public:
  // `paths` in the import's order. With `use_worker`, a worker thread decodes ahead.
  CImportDecoder(std::vector<std::string> paths, int thumb_size, bool use_worker);
};
