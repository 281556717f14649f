// The JPEG library's error manager as the program uses it: the library's standard manager,
// except that every message it would print is shown in a message box through the front-end
// seam, and a fatal error returns to the caller's setjmp point instead of ending the program.
// The library shows a warning only for the first warning of a decode (its standard rule).
#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

class CFrontEnd;

struct CJpegErrorManager {
  jpeg_error_mgr library;  // first, so the library's pointer to it is a pointer to this
  std::jmp_buf fatal;      // where a fatal error goes; set by the caller with setjmp
  CFrontEnd* front_end = nullptr;
};

// Fills `manager` and returns the pointer to store in the compressor's or decompressor's
// `err` field. With no front end the messages are dropped.
jpeg_error_mgr* InstallJpegErrorManager(CJpegErrorManager& manager, CFrontEnd* front_end);

// The library's memory limit for one picture. It bounds the coefficient buffers that a
// progressive or multi-scan JPEG needs (about 3 bytes per pixel), so a hostile header cannot
// make the library allocate gigabytes, while pictures of a few hundred megapixels still
// decode: this library build has no backing store, so a picture beyond the limit is a fatal
// error.
constexpr long kJpegMemoryLimit = 1'000'000'000;
