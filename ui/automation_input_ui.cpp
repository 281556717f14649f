#include "ui/automation_input_ui.h"

#include <wx/defs.h>

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
