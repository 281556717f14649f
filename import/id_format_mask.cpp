#include "import/id_format_mask.h"

#include "base/string_printf.h"
#include "base/string_table.h"
#include "base/text_rules.h"

namespace {

constexpr size_t kMaxCounterDigits = 5;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<CIdFormat> ParseIdFormatMask(std::string_view mask) {
  size_t end = mask.size();
  for (size_t i = mask.size(); i-- > 1;) {
    if (IsDigit(mask[i])) {
      end = i;
      break;
    }
  }
  if (end == mask.size()) return std::nullopt;
  size_t start = end;
  while (start > 1 && IsDigit(mask[start - 1]) && end - start + 1 < kMaxCounterDigits) --start;
  const size_t width = end - start + 1;
  CIdFormat result;
  result.format = std::string(mask.substr(0, start)) + StringPrintf("%%%zu.%zui", width, width) +
                  std::string(mask.substr(end + 1));
  result.start = std::stoi(std::string(mask.substr(start, width)));
  return result;
}

CMaskCheck CheckImportFormatMask(std::string_view mask) {
  const std::string trimmed = TrimBlanks(mask);
  CMaskCheck check;
  if (trimmed.empty()) {
    check.message = kMsgNoFormatMask;
  } else if (trimmed.find_first_of(kIllegalIdCharacters) != std::string_view::npos) {
    check.message = LoadString(IDS_ID_ILLEGAL_CHARACTER);
  } else if (!(check.format = ParseIdFormatMask(trimmed))) {
    check.message = kMsgMaskWithoutNumbers;
  }
  return check;
}
