#include "app/definition_export.h"

std::vector<CExportDefinition> ExportDefinitions(const std::vector<CUserDefFields>& definitions) {
  std::vector<CExportDefinition> exported;
  exported.reserve(definitions.size());
  for (const CUserDefFields& field : definitions) {
    exported.push_back({field.label, field.number, field.value_slot, field.search, field.enabled});
  }
  return exported;
}

std::vector<CUserDefFields> ImportedDefinitions(const std::vector<CExportDefinition>& exported) {
  std::vector<CUserDefFields> definitions;
  definitions.reserve(exported.size());
  for (const CExportDefinition& line : exported) {
    CUserDefFields field;
    field.Set(line.label, line.number, line.value_slot);
    field.search = line.search;
    field.enabled = line.enabled;
    definitions.push_back(std::move(field));
  }
  return definitions;
}
