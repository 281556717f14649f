#include "classify/user_def_fields.h"

#include <algorithm>

#include "base/archive_reader.h"
#include "base/archive_writer.h"

namespace {

// The smallest stored definition: version, label (empty: one byte), five flags and numbers,
// twenty empty recent values. Counts are checked against it, so that a count read from a
// damaged file cannot make the list grow beyond what the file holds.
constexpr size_t kMinStoredSize = 4 + 1 + 5 * 4 + CUserDefFields::kRecentValueCount;

}  // namespace

void CUserDefFields::Set(const std::string& new_label, int32_t new_number, int32_t new_value_slot) {
  label = new_label;
  number = new_number;
  value_slot = new_value_slot;
}

void CUserDefFields::Serialize(CArchiveWriter& out) const {
  out.WriteInt32(kFormatVersion);
  out.WriteString(label);
  out.WriteInt32(number);
  out.WriteInt32(value_slot);
  out.WriteInt32(enabled);
  out.WriteInt32(search);
  out.WriteInt32(set_as_default);
  out.WriteInt32(display);
  for (const std::string& value : recent_values) out.WriteString(value);
}

std::optional<CUserDefFields> CUserDefFields::Deserialize(CArchiveReader& in) {
  CUserDefFields field;
  auto version = in.ReadInt32("field definition version");
  auto label = in.ReadString("field definition label");
  auto number = in.ReadInt32("field definition number");
  auto value_slot = in.ReadInt32("field definition value slot");
  auto enabled = in.ReadInt32("field definition Enabled flag");
  auto search = in.ReadInt32("field definition Search flag");
  auto set_as_default = in.ReadInt32("field definition default flag");
  if (!in.ok()) return std::nullopt;
  if (*version >= kFirstVersionWithDisplay) {
    auto display = in.ReadInt32("field definition Display flag");
    if (!display) return std::nullopt;
    field.display = *display;
  }
  for (std::string& value : field.recent_values) {
    auto recent = in.ReadString("field definition recent value");
    if (!recent) return std::nullopt;
    value = std::move(*recent);
  }
  field.format_version = *version;
  field.label = std::move(*label);
  field.number = *number;
  field.value_slot = *value_slot;
  field.enabled = *enabled;
  field.search = *search;
  field.set_as_default = *set_as_default;
  return field;
}

void CUserDefFields::RememberValue() {
  auto last = std::find(recent_values.rbegin(), recent_values.rend(), current_value);
  const int n = last == recent_values.rend() ? kRecentValueCount - 1
                                             : static_cast<int>(recent_values.rend() - last) - 1;
  std::move_backward(recent_values.begin(), recent_values.begin() + n,
                     recent_values.begin() + n + 1);
  recent_values[0] = current_value;
}

void CUserDefFields::ApplyDefault() {
  if (current_value.empty() && set_as_default != 0) current_value = recent_values[0];
}

void WriteDefinitionList(CArchiveWriter& out, const std::vector<CUserDefFields>& definitions) {
  out.WriteInt32(static_cast<int32_t>(definitions.size()));
  for (const CUserDefFields& field : definitions) field.Serialize(out);
}

bool ReadDefinitionList(CArchiveReader& in, std::vector<CUserDefFields>& definitions) {
  auto count = in.ReadCount("field definition count", kMinStoredSize);
  if (!count) return false;
  definitions.clear();
  for (int32_t i = 0; i < *count; ++i) {
    auto field = CUserDefFields::Deserialize(in);
    if (!field) return false;
    definitions.push_back(std::move(*field));
  }
  return true;
}

CSearchFlagTable SearchFlagTable(const std::vector<CUserDefFields>& definitions) {
  CSearchFlagTable flags{};
  for (const CUserDefFields& field : definitions) {
    if (field.value_slot >= 1 && field.value_slot <= CUserDefFields::kLastStoredValueSlot) {
      flags[field.ValueField()] = field.search;
    }
  }
  return flags;
}
