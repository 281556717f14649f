// The "File" page (CFilePage, dialog 146) of the description editor: the picture file the
// record points to, which the user may type or choose with "Browse", and the label of the
// medium it was imported from, shown only.
#pragma once

#include <string>

class CFrontEnd;

class CFilePageModel {
 public:
  std::string image_path;
  std::string volume_label;
  // The record's path as it was when the editor opened.
  std::string record_path;

  void Load(const std::string& path, const std::string& label);
  // "Browse": a file dialog for a JPEG picture; the path chosen replaces the one shown.
  void Browse(CFrontEnd& front_end);
  // OK: a changed path must name a picture file (.jpg or .tif); a refusal is shown.
  bool CheckPath(CFrontEnd& front_end) const;
};
