#include "ui/automation_input_ui.h"

#include <gtk/gtk.h>
#include <wx/defs.h>
#include <wx/window.h>

#include <cctype>
#include <utility>

namespace {

struct CKeyName {
  const char* name;
  int wx_code;
  unsigned gdk_keyval;
};

constexpr CKeyName kKeys[] = {{"Delete", WXK_DELETE, GDK_KEY_Delete},
                              {"Left", WXK_LEFT, GDK_KEY_Left},
                              {"Right", WXK_RIGHT, GDK_KEY_Right},
                              {"Up", WXK_UP, GDK_KEY_Up},
                              {"Down", WXK_DOWN, GDK_KEY_Down},
                              {"PageUp", WXK_PAGEUP, GDK_KEY_Page_Up},
                              {"PageDown", WXK_PAGEDOWN, GDK_KEY_Page_Down},
                              {"Home", WXK_HOME, GDK_KEY_Home},
                              {"End", WXK_END, GDK_KEY_End},
                              {"Space", WXK_SPACE, GDK_KEY_space},
                              {"F1", WXK_F1, GDK_KEY_F1}};

}  // namespace

int KeyCodeOf(const std::string& name) {
  for (const CKeyName& key : kKeys) {
    if (name == key.name) return key.wx_code;
  }
  return name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0]))
             ? std::toupper(static_cast<unsigned char>(name[0]))
             : 0;
}

unsigned GdkKeyvalOf(const std::string& name) {
  for (const CKeyName& key : kKeys) {
    if (name == key.name) return key.gdk_keyval;
  }
  const int code = KeyCodeOf(name);
  return code >= 'A' && code <= 'Z' ? gdk_unicode_to_keyval(static_cast<guint32>(code - 'A' + 'a'))
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

std::string Unescaped(std::string text) {
  for (size_t i = 0; (i = text.find("\\n", i)) != std::string::npos; ++i) text.replace(i, 2, "\n");
  return text;
}

std::string RestOf(std::istringstream& words) {
  std::string rest;
  std::getline(words >> std::ws, rest);
  return rest;
}

void Click(wxWindow* control, wxEventType type, int value) {
  wxCommandEvent click(type, control->GetId());
  click.SetEventObject(control);
  click.SetInt(value);
  control->GetEventHandler()->ProcessEvent(click);
}

std::pair<std::string, bool> NameAndSwitch(const std::string& text) {
  const size_t equals = text.rfind('=');
  return {text.substr(0, equals), equals != std::string::npos && text.substr(equals + 1) == "on"};
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
