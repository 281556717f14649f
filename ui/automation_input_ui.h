// What the automation's lines share: key names, modifier words, report texts and colours on
// screen.
#pragma once

#include <sstream>
#include <string>

class wxWindow;

// The wx key code of a key name (Delete, Left, Right, Up, Down, PageUp, PageDown, Home, End,
// Space, F1, or a letter); 0 for a name not known.
int KeyCodeOf(const std::string& name);

struct CModifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

// The words "ctrl", "shift" and "alt" among the rest of the line.
CModifiers ReadModifiers(std::istringstream& words);

// A text for one report line: each line feed written as "\n".
std::string Escaped(std::string text);

// "R G B", the colour the screen shows at (x, y) of the window's client area; "none" when it
// cannot be read.
std::string ScreenColourText(wxWindow* window, int x, int y);
