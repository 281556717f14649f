// What the commands of snapstore-cli share: naming an index, reporting its missing files and
// the store's failures, and splitting a command's arguments.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "store/database.h"

class CConsoleFrontEnd;

// Shows a message (on standard error).
void Say(CConsoleFrontEnd& console, const std::string& text);

// Names the index in `db`; false (with F-0001 naming the missing files, or the format-version
// message) when it cannot be used.
bool OpenIndex(Cdatabase& db, const std::string& main_file, CConsoleFrontEnd& console);

// The store's message for a failed operation; kExitRefused.
int ReportFailure(const Cdatabase& db, CConsoleFrontEnd& console);

// Whether the arguments ask for the command's help.
bool WantsHelp(const std::vector<std::string>& args);

// The commands; `args` are the arguments after the command's name.
int RunCreate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunAdd(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunSet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunDelete(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunSearch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunShow(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
