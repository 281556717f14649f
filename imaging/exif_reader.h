// CExif reads the few facts the archiver wants from a JPEG file without decoding it: camera
// make and model, the date taken, exposure, aperture, flash, focal length and subject
// distance from the EXIF block, and the picture size from the first frame header. One object
// serves one file at a time: ReadExif resets every result it fills.
//
// The reader walks the file's marker sections up to the start of the compressed data and
// parses the EXIF block's TIFF directories. Every offset is checked against the section's
// bytes, and directory links are followed at most a few levels deep and never in a circle.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <span>
#include <string>
#include <vector>

class CEndianReader;

class CExif {
 public:
  // Reads the file's EXIF block and first frame header. The results are the real output:
  // whatever could be read before a malformed section or directory stays. True when the walk
  // reached the compressed data (or read its 19 sections) without a malformed section.
  bool ReadExif(const std::string& path);
  // The same from an open file, read from its current position; the caller closes it.
  bool ReadExif(std::FILE* file);

  // The file's size in bytes and its date (the time it was last written: Linux file
  // systems do not all keep a creation time). False when the file cannot be queried.
  bool ReadFileStatus(const std::string& path);

  // --- results of ReadExif ---
  bool has_exif = false;     // an APP1 section with a valid EXIF header was found
  std::string camera_make;   // at most 31 bytes
  std::string camera_model;  // at most 39 bytes
  std::string date_taken;    // "YYYY:MM:DD HH:MM:SS", at most 19 bytes
  float exposure_time = 0;   // seconds
  float f_number = 0;
  float focal_length = 0;      // millimetres
  float subject_distance = 0;  // metres
  bool flash_used = false;
  std::string user_comment;
  // From the first start-of-frame section.
  uint16_t frame_height = 0;
  uint16_t frame_width = 0;
  bool frame_is_colour = false;  // the frame has 3 components
  int frame_marker = 0;

  // --- results of ReadFileStatus ---
  int64_t file_size = 0;
  std::time_t file_time = 0;

  // Parses one APP1 section (its two length bytes and what follows); true when it holds a
  // valid EXIF header. Public for the tests.
  bool ParseExifSection(std::span<const uint8_t> section);

 private:
  void Reset();
  // Parses the directory at `offset` (from the TIFF header); false on a malformed entry.
  bool ParseDirectory(const CEndianReader& block, uint32_t offset, int depth,
                      std::vector<uint32_t>& visited);
  void TakeUserComment(std::span<const uint8_t> value);
};
