// snapstore-cli: the archiver's engine on the command line. Each command is one function over
// the core; data goes to `out`, the program's messages to `err`.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;  // the operation was refused; the message is on stderr
constexpr int kExitUsage = 2;    // bad usage

// Runs the command line `args` (without the program name).
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
