#include "ui/assert_handler_ui.h"

#include <wx/debug.h>
#include <wx/string.h>

#include <cstdio>

namespace {

void LogAssert(const wxString& file, int line, const wxString& function, const wxString& condition,
               const wxString& message) {
  std::fprintf(stderr, "wx assertion failed: %s:%d in %s(): %s %s\n", file.utf8_str().data(), line,
               function.utf8_str().data(), condition.utf8_str().data(), message.utf8_str().data());
}

}  // namespace

void InstallLoggingAssertHandler() { wxSetAssertHandler(LogAssert); }
