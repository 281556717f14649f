// The folders of the user's session and of the installed program. Paths come without a
// trailing '/'.
#pragma once

#include <string>

// The user's home folder: $HOME, else the home folder of the user's account entry.
std::string HomeFolder();

// Where the settings file lives: $XDG_CONFIG_HOME, else $HOME/.config.
std::string SettingsFolder();

// The temporary folder: $TMPDIR, else /tmp.
std::string TempFolder();

// The user's documents folder: XDG_DOCUMENTS_DIR from $XDG_CONFIG_HOME/user-dirs.dirs (with
// "$HOME" expanded), else $HOME/Documents.
std::string DocumentsFolder();

// The program's own data files (Intro.jpg, cd_missing.jpg, the help book, the viewer copy):
// share/albumcraft beside the bin folder of the running program. The build tree has the same
// layout, so a program run from the build tree finds the build tree's data folder.
std::string InstallDataFolder();
