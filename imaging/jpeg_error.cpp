#include "imaging/jpeg_error.h"

#include <string>

#include "base/front_end.h"

namespace {

CJpegErrorManager& Manager(j_common_ptr cinfo) {
  return *reinterpret_cast<CJpegErrorManager*>(cinfo->err);
}

void ShowLibraryMessage(j_common_ptr cinfo) {
  char text[JMSG_LENGTH_MAX];
  (*cinfo->err->format_message)(cinfo, text);
  CFrontEnd* front_end = Manager(cinfo).front_end;
  if (front_end) front_end->ShowMessage(text, MsgButtons::kOk);
}

[[noreturn]] void LeaveOnFatalError(j_common_ptr cinfo) {
  (*cinfo->err->output_message)(cinfo);
  std::longjmp(Manager(cinfo).fatal, 1);
}

}  // namespace

jpeg_error_mgr* InstallJpegErrorManager(CJpegErrorManager& manager, CFrontEnd* front_end) {
  jpeg_std_error(&manager.library);
  manager.library.output_message = ShowLibraryMessage;
  manager.library.error_exit = LeaveOnFatalError;
  manager.front_end = front_end;
  return &manager.library;
}
