// CSettings: every setting of the settings file as a field with its default. The document
// reads them all when it is made and writes them back when it goes; in between the program
// changes only the fields.
#pragma once

#include <cstdint>
#include <string>

#include "app/settings_file.h"

struct CSettings {
  // Folder of the program's own files (Intro.jpg, cd_missing.jpg, debug.txt, ...): the
  // installed data folder unless the file names another. Never written.
  std::string InstallPath;
  std::string File;        // the photo index opened at start; written only when not empty
  std::string Import_dir;  // last folder of the picture import; the home folder at first
  int Thumbsize = 60;
  int Thumbsviewsize = 150;
  int Cache_size = 3000000;  // bytes of thumbnails kept in memory
  int Format_select = 0;
  std::string Format_mask = "000001";
  std::string ImageEditor;
  int BulkReplace = 0;
  int ImportTextEdit = 1;
  int Thumbnails = 1;
  int ExportsToKeep = 10;
  std::uint8_t ThumbFontSize = 8;  // kept in one byte
  std::uint8_t CapFontSize = 12;   // kept in one byte
  bool ShowImported = true;
  int ViewMode = 3;
  int CacheOnImport = 1;
  int WebFileCounter = 1;
  int Gamma = 100;  // percent; 100 is no correction
  int PrintMode = 0;
  int WebResizeFull = 1;
  bool IncludeSubdirs = false;
  int DebugMode = 0;

  // All defaults; the folder defaults come from the user's session.
  CSettings();

  // Reads every key (a missing key, or a number stored as -1, gives its default).
  void ReadAll(const CSettingsFile& file);
  // Writes every key but InstallPath, File only when not empty, in the order the program has
  // always written them, with one rewrite of the file. False when the file could not be
  // rewritten.
  bool WriteAll(const CSettingsFile& file) const;
};
