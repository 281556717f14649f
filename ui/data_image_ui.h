// Pictures of the program's own drawing (toolbar buttons, the import dialog's icons, the
// window icon), kept as PNG files in its data folder.
#pragma once

#include <wx/bitmap.h>

#include <string>

// The PNG file `file` of the data folder; a blank bitmap of `size` × `size` when it cannot be
// read, so a missing file costs a picture, never a control.
wxBitmap DataBitmap(const std::string& file, int size);
