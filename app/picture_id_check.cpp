#include "app/picture_id_check.h"

#include "base/string_table.h"
#include "base/text_rules.h"
#include "import/id_format_mask.h"
#include "store/key_node.h"

CPictureIdCheck CheckPictureId(const std::string& typed, const std::string& record_id,
                               const std::function<bool(const std::string&)>& key_exists) {
  CPictureIdCheck check;
  check.id = TrimBlanks(typed);
  // An unchanged ID is kept byte for byte, whatever case an older index wrote it in.
  if (check.id != record_id) check.id = UpperCase(check.id);
  const bool changed = check.id != record_id;
  if (check.id.empty()) {
    check.refusal = kMsgEmptyId;
  } else if (check.id.find_first_of(kIllegalIdCharacters) != std::string::npos) {
    check.refusal = LoadString(IDS_ID_ILLEGAL_CHARACTER);
  } else if (changed && check.id.size() > kMaxKeyLength) {
    // The key tree keeps 19 bytes: a longer ID would share its key with others.
    check.refusal = LoadString(IDS_ID_TOO_LONG);
  } else if (changed && key_exists(check.id)) {
    check.refusal = LoadString(IDS_ID_NOT_UNIQUE);
  }
  return check;
}
