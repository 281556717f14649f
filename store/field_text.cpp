#include "store/field_text.h"

#include <cstdint>

namespace {

constexpr char kLegacySeparators[] = "@|";
constexpr std::string_view kMarkerInUtf8 = "\xC3\xBF";

}  // namespace

std::string PackFieldText(const CFields& fields) {
  std::string text;
  for (int i = 0; i < kStoredFieldCount; ++i) {
    const std::string& value = fields[i];
    if (value.empty()) continue;
    text += kFieldMarker;
    text += static_cast<char>(i + 1);
    for (char c : value) {
      if (c == kFieldMarker) {
        text += kMarkerInUtf8;
      } else {
        text += c;
      }
    }
  }
  return text;
}

void UnpackFieldText(std::string_view text, CFields& fields) {
  for (std::string& field : fields) field.clear();
  while (!text.empty() && text.front() == kLegacyLeadCharacter) text.remove_prefix(1);
  if (!text.empty() && text.front() == kFieldMarker) {
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find(kFieldMarker, start + 1);
      if (end == std::string_view::npos) end = text.size();
      if (end - start >= 2) {
        const int field = static_cast<int8_t>(text[start + 1]) - 1;
        if (field >= 0 && field < kFieldCount) {
          fields[field] = std::string(text.substr(start + 2, end - start - 2));
        }
      }
      start = end;
    }
    return;
  }
  size_t start = 0;
  for (int field = 0; field < kFieldCount; ++field) {
    size_t end = text.find_first_of(kLegacySeparators, start);
    if (end == std::string_view::npos || field == kFieldCount - 1) end = text.size();
    fields[field] = std::string(text.substr(start, end - start));
    if (end >= text.size()) break;
    start = end + 1;
  }
}

std::string UnpackField(std::string_view text, int field) {
  while (!text.empty() && text.front() == kLegacyLeadCharacter) text.remove_prefix(1);
  std::string value;
  if (!text.empty() && text.front() == kFieldMarker) {
    for (size_t start = 0; start < text.size();) {
      size_t end = text.find(kFieldMarker, start + 1);
      if (end == std::string_view::npos) end = text.size();
      if (end - start >= 2 && static_cast<int8_t>(text[start + 1]) - 1 == field) {
        value = std::string(text.substr(start + 2, end - start - 2));
      }
      start = end;
    }
    return value;
  }
  size_t start = 0;
  for (int i = 0; i <= field && i < kFieldCount; ++i) {
    size_t end = text.find_first_of(kLegacySeparators, start);
    if (end == std::string_view::npos || i == kFieldCount - 1) end = text.size();
    if (i == field) return std::string(text.substr(start, end - start));
    if (end >= text.size()) break;
    start = end + 1;
  }
  return value;
}

void MoveLegacyUserFields(CFields& fields) {
  for (int k = 0; k < kLegacyUserFieldCount; ++k) {
    std::string& user = fields[kFirstUserField + k];
    std::string& legacy = fields[kFirstLegacyUserField + k];
    if (user.empty()) user = legacy;
    legacy.clear();
  }
}
