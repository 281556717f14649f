// The text of the "Import log" dialog (CLogDialog), which the picture import, the CSV import and
// the moving of references fill: one line per file, then a summary. Lines end with a carriage
// return and a line feed.
#pragma once

#include <string>

class CImportLog {
 public:
  // "PATH....   RESULT" and the line end.
  void AddLine(const std::string& path, const std::string& result);
  // The picture import's summary: an empty line, then "Import finished. IMPORTED of TOTAL
  // pictures was successfully  imported."
  void AddImportSummary(int imported, int total);
  // Moving references: string 156 "Ref to OLD changed to NEW. " for a moved picture, string
  // 157 "Ref couldn't be changed to NEW. File don't exist. " for one whose file is not at the
  // new place, each with the line end.
  void AddMovedLine(const std::string& old_path, const std::string& new_path);
  void AddNotMovedLine(const std::string& new_path);
  // Moving references' summary: an empty line, then "MOVED of MATCHED references was
  // successfully moved." and the line end.
  void AddMoveSummary(int moved, int matched);
  // A line the caller formatted, with its line end.
  void AddText(const std::string& line) { text_ += line; }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};
