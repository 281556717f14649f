// The rules for a picture ID the user types for a record (the description editor, the command
// line's set and annotate): blanks around it are dropped; an ID that differs from the record's
// own is written in capitals, as the import writes IDs and as searches look for them; it must
// not be empty, hold a blank or one of "*%?|", or exceed what the key tree keeps; and when it
// differs from the record's own ID, no other key may have it.
#pragma once

#include <functional>
#include <optional>
#include <string>

struct CPictureIdCheck {
  std::string id;                      // the ID as it is stored
  std::optional<std::string> refusal;  // the message that refuses it
};

// `key_exists` answers whether the key tree holds a live key equal to the ID (it is asked only
// for an ID that differs from `record_id`).
CPictureIdCheck CheckPictureId(const std::string& typed, const std::string& record_id,
                               const std::function<bool(const std::string&)>& key_exists);
