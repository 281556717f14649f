// CImportDecoder: the pictures of an import decoded at thumbnail size, with the date taken from
// a JPEG's EXIF block, in the import's order. The import's thread writes the store; the
// decoding may run ahead on a worker thread, so that a second core decodes the next pictures
// while the first writes this one. Either way every picture is decoded the same way and the
// import takes the results in the same order, so the stored results are the same.
//
// A picture is decoded from the path where the import found it. The decoder shows nothing:
// the library's messages are kept with the result, and the import's thread shows them.
#pragma once

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "imaging/picture.h"

// A message box that a decode would have shown.
struct CDecodeMessage {
  std::string text;
};

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

class CImportDecoder {
 public:
  // How far a worker may decode ahead of the picture the import takes.
  static constexpr size_t kLookAhead = 4;

  // `paths` in the import's order. With `use_worker`, a worker thread decodes ahead.
  CImportDecoder(std::vector<std::string> paths, int thumb_size, bool use_worker);
  // Stops the worker after the picture it is decoding.
  ~CImportDecoder();
  CImportDecoder(const CImportDecoder&) = delete;
  CImportDecoder& operator=(const CImportDecoder&) = delete;

  // The decoded picture `index`: decoded here unless the worker has begun it; then this thread
  // decodes the next pictures nobody has begun while the worker finishes it. Each index is
  // taken or skipped once, in increasing order.
  CDecodedPicture Take(size_t index);
  // Picture `index` is not needed (it was imported before or refused).
  void Skip(size_t index);

 private:
  enum class State : int { kPending, kClaimed, kDone, kDropped };
  void Work();
  // Takes picture `index` for decoding; false when another thread has it or it was skipped.
  bool Claim(size_t index);
  // Decodes a claimed picture into the results.
  void DecodeClaimed(size_t index);
  // Whether the worker may begin `index` now.
  bool WithinReach(size_t index) const;

  std::vector<std::string> paths_;
  int thumb_size_;
  std::unique_ptr<std::atomic<State>[]> states_;
  // Under mutex_: the results the worker decoded, and the indices the import skipped.
  std::vector<CDecodedPicture> results_;
  std::vector<char> skipped_;
  std::mutex mutex_;
  std::condition_variable changed_;
  size_t next_taken_ = 0;  // the import's position (under mutex_)
  bool stop_ = false;      // under mutex_
  std::thread worker_;
};
