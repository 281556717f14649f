#include "ui/data_image_ui.h"

#include <wx/filefn.h>
#include <wx/image.h>
#include <wx/imagpng.h>

#include "platform/folders.h"
#include "platform/path_text.h"
#include "ui/wx_text_ui.h"

wxBitmap DataBitmap(const std::string& file, int size) {
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  const wxString path = ToWx(JoinPath(InstallDataFolder(), file));
  wxImage image;
  if (wxFileExists(path) && image.LoadFile(path, wxBITMAP_TYPE_PNG)) return wxBitmap(image);
  return wxBitmap(size, size);
}
