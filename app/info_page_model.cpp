#include "app/info_page_model.h"

#include <algorithm>

namespace {

// The record's text field of a definition's value; -1 for a value slot no field has (a
// damaged state file).
int ValueFieldOf(const CUserDefFields& definition) {
  const int field = definition.ValueField();
  return field > definition.kFirstValueField && field < kFieldCount ? field : -1;
}

}  // namespace

void CInfoPageModel::Load(const CFields& record, uint8_t quality,
                          const std::array<std::string, kStorageLocationCount>& locations,
                          const std::vector<CUserDefFields>& definitions) {
  location = record[kFieldLocation];
  reference = record[kFieldReference];
  quality_line = std::clamp(int{quality}, 1, kQualityLines) - 1;
  storage_locations = locations;
  fields.clear();
  for (CUserDefFields definition : definitions) {
    const int field = ValueFieldOf(definition);
    definition.current_value = field >= 0 ? record[field] : std::string();
    definition.ApplyDefault();
    fields.push_back({definition.set_as_default != 0, definition.label, definition.current_value});
  }
}

std::vector<std::string> CInfoPageModel::LocationChoices() const {
  std::vector<std::string> choices;
  for (const std::string& known : storage_locations) {
    if (!known.empty()) choices.push_back(known);
  }
  return choices;
}

void CInfoPageModel::Store(CFields& record, uint8_t& quality,
                           std::array<std::string, kStorageLocationCount>& locations,
                           std::vector<CUserDefFields>& definitions) const {
  record[kFieldLocation] = location;
  record[kFieldReference] = reference;
  quality = static_cast<uint8_t>(Quality());
  for (size_t i = 0; i < definitions.size() && i < fields.size(); ++i) {
    CUserDefFields& definition = definitions[i];
    definition.set_as_default = fields[i].set_as_default ? 1 : 0;
    definition.current_value = fields[i].value;
    // The recent values are what the default proposes and what the bulk update offers.
    if (!definition.current_value.empty()) definition.RememberValue();
    if (const int field = ValueFieldOf(definition); field >= 0) {
      record[field] = definition.current_value;
    }
  }
  // An empty location is no place to remember.
  if (!location.empty() &&
      std::find(locations.begin(), locations.end(), location) == locations.end()) {
    std::move_backward(locations.begin(), locations.end() - 1, locations.end());
    locations.front() = location;
  }
}
