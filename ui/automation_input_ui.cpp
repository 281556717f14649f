#include "ui/automation_input_ui.h"

#include <gtk/gtk.h>
#include <wx/window.h>

#include <cctype>
#include <utility>

int KeyCodeOf(const std::string& name) {
  const std::pair<const char*, int> keys[] = {{"Delete", WXK_DELETE},
                                              {"Left", WXK_LEFT},
                                              {"Right", WXK_RIGHT},
                                              {"Up", WXK_UP},
                                              {"Down", WXK_DOWN},
                                              {"PageUp", WXK_PAGEUP},
                                              {"PageDown", WXK_PAGEDOWN},
                                              {"Home", WXK_HOME},
                                              {"End", WXK_END},
                                              {"Space", WXK_SPACE},
                                              {"F1", WXK_F1}};
  for (auto [key_name, code] : keys) {
    if (name == key_name) return code;
  }
  return name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0]))
             ? std::toupper(static_cast<unsigned char>(name[0]))
             : 0;
}

CModifiers ReadModifiers(std::istringstream& words) {
  CModifiers modifiers;
  for (std::string word; words >> word;) {
    modifiers.ctrl |= word == "ctrl";
    modifiers.shift |= word == "shift";
    modifiers.alt |= word == "alt";
  }
  return modifiers;
}

std::string Escaped(std::string text) {
  for (size_t i = 0; (i = text.find('\n', i)) != std::string::npos;) text.replace(i, 1, "\\n");
  return text;
}

std::string ScreenColourText(wxWindow* window, int x, int y) {
  // Read from the root window: what the X server shows there, whichever window drew it.
  const wxPoint at = window->ClientToScreen(wxPoint(x, y));
  GdkPixbuf* pixbuf = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), at.x, at.y, 1, 1);
  if (!pixbuf) return "none";
  const guchar* pixel = gdk_pixbuf_get_pixels(pixbuf);
  const std::string text =
      std::to_string(pixel[0]) + " " + std::to_string(pixel[1]) + " " + std::to_string(pixel[2]);
  g_object_unref(pixbuf);
  return text;
}
