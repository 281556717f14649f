#include "app/settings.h"

#include <optional>

#include "platform/folders.h"

CSettings::CSettings() : InstallPath(InstallDataFolder()), Import_dir(HomeFolder()) {}

void CSettings::ReadAll(const CSettingsFile& file) {
  const CSettings defaults;
  const std::string content = file.ReadContent().value_or(std::string());
  auto text = [&](const char* key, const std::string& fallback) {
    return CSettingsFile::StringFrom(content, key, fallback);
  };
  auto number = [&](const char* key, int fallback) {
    return CSettingsFile::NumberFrom(content, key, fallback);
  };
  InstallPath = text("InstallPath", defaults.InstallPath);
  File = text("File", defaults.File);
  Import_dir = text("Import_dir", defaults.Import_dir);
  Thumbsize = number("Thumbsize", defaults.Thumbsize);
  Thumbsviewsize = number("Thumbsviewsize", defaults.Thumbsviewsize);
  Cache_size = number("Cache_size", defaults.Cache_size);
  Format_select = number("Format_select", defaults.Format_select);
  Format_mask = text("Format_mask", defaults.Format_mask);
  ImageEditor = text("ImageEditor", defaults.ImageEditor);
  BulkReplace = number("BulkReplace", defaults.BulkReplace);
  ImportTextEdit = number("ImportTextEdit", defaults.ImportTextEdit);
  Thumbnails = number("Thumbnails", defaults.Thumbnails);
  ExportsToKeep = number("ExportsToKeep", defaults.ExportsToKeep);
  ThumbFontSize = static_cast<std::uint8_t>(number("ThumbFontSize", defaults.ThumbFontSize));
  CapFontSize = static_cast<std::uint8_t>(number("CapFontSize", defaults.CapFontSize));
  ShowImported = number("ShowImported", defaults.ShowImported) != 0;
  ViewMode = number("ViewMode", defaults.ViewMode);
  CacheOnImport = number("CacheOnImport", defaults.CacheOnImport);
  WebFileCounter = number("WebFileCounter", defaults.WebFileCounter);
  Gamma = number("Gamma", defaults.Gamma);
  PrintMode = number("PrintMode", defaults.PrintMode);
  WebResizeFull = number("WebResizeFull", defaults.WebResizeFull);
  IncludeSubdirs = number("IncludeSubdirs", defaults.IncludeSubdirs) != 0;
  DebugMode = number("DebugMode", defaults.DebugMode);
}

bool CSettings::WriteAll(const CSettingsFile& file) const {
  std::vector<std::pair<std::string, std::string>> entries;
  auto text = [&](const char* key, const std::string& value) { entries.emplace_back(key, value); };
  auto number = [&](const char* key, int value) { text(key, std::to_string(value)); };
  if (!File.empty()) text("File", File);
  text("Import_dir", Import_dir);
  number("Thumbsize", Thumbsize);
  number("Thumbsviewsize", Thumbsviewsize);
  number("Cache_size", Cache_size);
  number("Format_select", Format_select);
  text("Format_mask", Format_mask);
  text("ImageEditor", ImageEditor);
  number("BulkReplace", BulkReplace);
  number("ImportTextEdit", ImportTextEdit);
  number("Thumbnails", Thumbnails);
  number("ThumbFontSize", ThumbFontSize);
  number("CapFontSize", CapFontSize);
  number("ExportsToKeep", ExportsToKeep);
  number("ShowImported", ShowImported ? 1 : 0);
  number("ViewMode", ViewMode);
  number("CacheOnImport", CacheOnImport);
  number("WebFileCounter", WebFileCounter);
  number("Gamma", Gamma);
  number("PrintMode", PrintMode);
  number("WebResizeFull", WebResizeFull);
  number("IncludeSubdirs", IncludeSubdirs ? 1 : 0);
  number("DebugMode", DebugMode);
  return file.WriteStrings(entries);
}
