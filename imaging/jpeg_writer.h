// Writing the current picture as a JPEG file.
#pragma once

#include <string>

#include "imaging/picture.h"

class CFrontEnd;

// Writes `picture` to `path` as a baseline JPEG of the given quality (0-100 as the JPEG
// library takes it): colour for a 24-bit picture, greyscale for an 8-bit one (the palette
// indices are written as grey levels). A file that cannot be created gets nothing written
// and no message. A fatal library error shows its message through the front end (when there
// is one) and removes the unfinished file. True when the file was written.
bool SaveJpeg(const CPicture& picture, const std::string& path, int quality, CFrontEnd* front_end);
