// CUtility: small helpers that several parts of the program share.
#pragma once

#include <ctime>
#include <string>

class CUtility {
 public:
  // The date as "dd MMMM yyyy" in the user's locale (LC_TIME), e.g. "07 March 2004"; with
  // `with_time`, followed by two blanks and the time without seconds. Never cut short: a
  // long month name gives the whole text.
  static std::string DateText(std::time_t when, bool with_time);
  static bool FolderExists(const std::string& path);
  // True when the folder exists and holds at least one entry besides "." and "..".
  static bool FolderHasEntries(const std::string& path);
  // The text after the last '/' or '\\'; the whole path when it has neither.
  static std::string FileNameOf(const std::string& path);
  static std::string DocumentsFolder();
};
