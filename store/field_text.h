// The field text: all text fields of a record packed into one string, stored as a text
// chain. The store writes 0xFF, field number + 1, value for every non-empty field 0 to 126;
// older indexes wrote the values separated by '@' or '|'.
#pragma once

#include <array>
#include <string>
#include <string_view>

constexpr int kFieldCount = 256;
// Only fields 0 to 126 are stored (the code byte is read as a signed byte).
constexpr int kStoredFieldCount = 127;
constexpr char kFieldMarker = '\xFF';
constexpr char kLegacyLeadCharacter = '|';

// Field numbers.
constexpr int kFieldId = 0;
constexpr int kFieldWhen = 1;
constexpr int kFieldWhere = 2;
constexpr int kFieldDescription = 3;
constexpr int kFieldCategory = 4;
constexpr int kFieldLocation = 9;
constexpr int kFieldReference = 10;
// User-defined field n is field 99 + n.
constexpr int kFirstUserField = 100;
// Older indexes kept the four user-defined fields in fields 5 to 8.
constexpr int kFirstLegacyUserField = 5;
constexpr int kLegacyUserFieldCount = 4;

using CFields = std::array<std::string, kFieldCount>;

// The packed text of fields 0 to 126. A byte 0xFF inside a value (the letter y with diaeresis
// of Windows-1252) would start a new field, so it is written as that letter in UTF-8.
[[nodiscard]] std::string PackFieldText(const CFields& fields);

// Sets all fields from a packed or legacy text (all 256 emptied first).
void UnpackFieldText(std::string_view text, CFields& fields);

// The value of one field of a packed or legacy text, as UnpackFieldText gives it.
[[nodiscard]] std::string UnpackField(std::string_view text, int field);

// Fields 100 to 103 that are empty take the values of fields 5 to 8, which are emptied.
void MoveLegacyUserFields(CFields& fields);
