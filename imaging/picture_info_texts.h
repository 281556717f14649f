// The picture information list: label and value texts of what is known about a record's
// picture, in a fixed order: the record's identity and file, the file's size and date, the
// picture size, the camera data from EXIF, the record's descriptive fields and its
// user-defined fields. The dialog and the command line show the same list.
#pragma once

#include <string>
#include <vector>

#include "imaging/picture_file_facts.h"

struct CInfoPair {
  std::string label;
  std::string value;

  bool operator==(const CInfoPair&) const = default;
};

// The record's texts as stored.
struct CInfoRecordTexts {
  std::string id;
  std::string path;
  std::string when;
  std::string where;
  std::string description;
  std::string category;
  // Label and value of each user-defined field the list shows, in list order.
  std::vector<CInfoPair> user_fields;
};

// The pairs of a record and what was read of its picture file. With a file of kind none
// there are no file rows (size, date, picture size) and no camera rows; a TIFF has no camera
// rows, nor has a JPEG without EXIF. Camera values the file does not give (an exposure, an
// f-number, a focal length or a distance of 0) get no row; "Flash used" is there for every
// file with EXIF. Pairs with an empty value stay in the list: the dialog leaves them out.
std::vector<CInfoPair> PictureInfoPairs(const CInfoRecordTexts& record,
                                        const CPictureFileFacts& file);
