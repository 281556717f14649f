// The "Info" page (CInfoDlg2, dialog 178) of the description editor: the storage reference
// ("Location:", offering the index's storage locations, and "Refno:"), the image quality (a
// one-line list of 1 to 4; the quality is the line it shows), and the custom fields, one row
// per user-defined field definition in list order: "Def" (the definition's set-as-default
// flag), "Label" and "Value" (the picture's value, typed into the cell in place).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/document_state.h"
#include "classify/user_def_fields.h"
#include "store/field_text.h"

struct CFieldRow {
  bool set_as_default = false;
  std::string label;
  std::string value;
};

class CInfoPageModel {
 public:
  static constexpr int kQualityLines = 4;  // "1" to "4"

  std::string location;
  std::string reference;
  // The quality list's top line, 0 to 3: the quality less one.
  int quality_line = 0;
  std::array<std::string, kStorageLocationCount> storage_locations;
  std::vector<CFieldRow> fields;

  // Opening: the record's location, reference and quality (a quality outside 1 to 4, from a
  // damaged index, shows the nearest line), the storage locations, and a row per definition
  // with the record's value, or, when that is empty and the definition is set as default, the
  // value most recently stored in it.
  void Load(const CFields& record, uint8_t quality,
            const std::array<std::string, kStorageLocationCount>& locations,
            const std::vector<CUserDefFields>& definitions);
  // The locations the drop-down offers: the non-empty storage locations, most recent first.
  std::vector<std::string> LocationChoices() const;
  int Quality() const { return quality_line + 1; }

  // OK: fields 9 and 10, the quality, each definition's value (remembered among its recent
  // values) and flag; a location that is not one of the storage locations becomes the first
  // of them, the others moving down by one (the last is dropped).
  void Store(CFields& record, uint8_t& quality,
             std::array<std::string, kStorageLocationCount>& locations,
             std::vector<CUserDefFields>& definitions) const;
};
