// What the automation's lines share: key names, modifier words, report texts and colours on
// screen.
#pragma once

#include <wx/event.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <sstream>
#include <string>
#include <utility>

// The wx key code of a key name (Delete, Left, Right, Up, Down, PageUp, PageDown, Home, End,
// Space, F1, or a letter); 0 for a name not known.
int KeyCodeOf(const std::string& name);
// The GDK key value of a key name, as the X server reports the key; 0 for a name not known.
unsigned GdkKeyvalOf(const std::string& name);

struct CModifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

// The words "ctrl", "shift" and "alt" among the rest of the line.
CModifiers ReadModifiers(std::istringstream& words);

// A text for one report line: each line feed written as "\n".
std::string Escaped(std::string text);
// A text from a script line: each "\n" a line feed.
std::string Unescaped(std::string text);

// "NAME=on" or "NAME=off": the name, and whether it says on.
std::pair<std::string, bool> NameAndSwitch(const std::string& text);

// The rest of the line, without the blanks before it.
std::string RestOf(std::istringstream& words);

// Sends a control the event a click on it would send.
void Click(wxWindow* control, wxEventType type, int value = 0);

// The first control of type T under `parent` whose label is `label` (any label when empty).
template <typename T>
T* FindControl(wxWindow* parent, const wxString& label) {
  for (wxWindow* child : parent->GetChildren()) {
    if (auto* control = wxDynamicCast(child, T)) {
      if (label.empty() || wxStripMenuCodes(control->GetLabel()) == label) return control;
    }
    if (T* found = FindControl<T>(child, label)) return found;
  }
  return nullptr;
}

// "R G B", the colour the screen shows at (x, y) of the window's client area; "none" when it
// cannot be read.
std::string ScreenColourText(wxWindow* window, int x, int y);
