#include "ui/wx_text_ui.h"

#include <wx/strconv.h>

wxString ToWx(const std::string& text) {
  if (text.empty()) return wxString();
  wxString converted = wxString::FromUTF8(text.data(), text.size());
  if (converted.empty())
    converted = wxString(text.data(), wxCSConv(wxFONTENCODING_CP1252), text.size());
  return converted;
}

std::string FromWx(const wxString& text) {
  wxScopedCharBuffer utf8 = text.utf8_str();
  return std::string(utf8.data(), utf8.length());
}

std::string EditedText(const wxString& shown, const std::string& original) {
  return ToWx(original) == shown ? original : FromWx(shown);
}
