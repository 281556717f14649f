// Texts between the core (bytes, UTF-8; older indexes may hold Windows-1252) and wx.
#pragma once

#include <wx/string.h>

#include <string>

// A core text for display: UTF-8 when it is valid UTF-8, else read as Windows-1252.
wxString ToWx(const std::string& text);

// A text typed by the user, as UTF-8 bytes for the core.
std::string FromWx(const wxString& text);

// The text of a field that showed `original`: `original` itself while the field still shows
// it (so a stored text in Windows-1252 is not rewritten by being shown), else what the user
// typed.
std::string EditedText(const wxString& shown, const std::string& original);
