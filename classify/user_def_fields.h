// CUserDefFields: the definition of one user-defined field of a photo index (a film number,
// a person's name, ...): its label, where its value is stored in a record, its flags and the
// values the user typed into it most recently. The document keeps the list of definitions in
// number order and stores it in the index's state file.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CArchiveReader;
class CArchiveWriter;

class CUserDefFields {
 public:
  static constexpr int kRecentValueCount = 20;
  // Written with every definition; a definition stored with an earlier version has no
  // Display flag.
  static constexpr int32_t kFormatVersion = 11;
  static constexpr int32_t kFirstVersionWithDisplay = 11;
  // The record's text field 99 + value slot holds the value; the store keeps text fields up to
  // 126, so value slots 1 to 27 are stored.
  static constexpr int kFirstValueField = 99;
  static constexpr int kLastStoredValueSlot = 27;

  // When set and a picture's value is empty, the most recent value is proposed.
  int32_t set_as_default = 0;
  // The value for the picture being edited (a working copy; the record holds the stored one).
  std::string current_value;
  // Most recent first.
  std::array<std::string, kRecentValueCount> recent_values;
  // The version the definition was read with; kFormatVersion for one made here. Writing
  // always writes kFormatVersion.
  int32_t format_version = kFormatVersion;
  int32_t enabled = 1;  // offered as a target of the bulk update
  int32_t search = 1;   // the value takes part in the simple search
  int32_t value_slot = 0;
  int32_t number = 0;   // 1-based position in the list and in every list control
  int32_t display = 0;  // the value is added to the picture's caption
  std::string label;

  // Used when a field is created and when an old state file is converted.
  void Set(const std::string& new_label, int32_t new_number, int32_t new_value_slot);

  // Writes the definition: format version, label, number, value slot, Enabled, Search,
  // set-as-default, Display, the 20 recent values.
  void Serialize(CArchiveWriter& out) const;
  // Reads one definition as Serialize writes it; Display only when the stored version has
  // it. Nothing when the data is damaged inside the definition (the reader names the field).
  static std::optional<CUserDefFields> Deserialize(CArchiveReader& in);

  // Puts the current value at the front of the recent values. A value already there moves
  // to the front (its last occurrence is taken out); otherwise the oldest value is dropped.
  void RememberValue();
  // An empty current value becomes the most recent value when set-as-default is on.
  void ApplyDefault();

  // The record's text field that holds the value.
  int ValueField() const { return kFirstValueField + value_slot; }

  bool operator==(const CUserDefFields&) const = default;
};

// The definition list as the state files store it: a count, then the definitions. Reading
// replaces `definitions` with the ones read completely; false when the data is damaged (the
// reader names the field), with the definitions before the damage kept.
void WriteDefinitionList(CArchiveWriter& out, const std::vector<CUserDefFields>& definitions);
bool ReadDefinitionList(CArchiveReader& in, std::vector<CUserDefFields>& definitions);

// The store's searchable-field flags, one per text field 0 to 254: each definition sets the
// flag of its value's text field to its Search flag, so a simple search also finds the words
// of the fields marked Search. Definitions whose value slot is not stored set nothing.
constexpr int kSearchFlagCount = 255;
using CSearchFlagTable = std::array<int32_t, kSearchFlagCount>;
CSearchFlagTable SearchFlagTable(const std::vector<CUserDefFields>& definitions);
