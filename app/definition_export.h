// The user-defined field definitions as a text export carries them: the document writes its
// definitions with every export and takes over those that an imported export brings.
#pragma once

#include <vector>

#include "classify/user_def_fields.h"
#include "store/text_export_format.h"

std::vector<CExportDefinition> ExportDefinitions(const std::vector<CUserDefFields>& definitions);
// Definitions read from an export: label, number, value slot, Search and Enabled as exported,
// everything else as for a new field.
std::vector<CUserDefFields> ImportedDefinitions(const std::vector<CExportDefinition>& exported);
