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
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};
