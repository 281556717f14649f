// Runs a program to its end for a test: arguments, extra environment, standard input, and
// what it printed.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct CChildResult {
  int exit_status = -1;  // the program's exit status; -1 when it was killed or timed out
  bool timed_out = false;
  std::string out;  // standard output
  std::string err;  // standard error
};

// argv[0] is the program's path, or its name to be looked for along PATH. `environment`
// entries ("NAME=value") are added to (or replace those of) this process's
// environment. The child is killed after `timeout_seconds`.
CChildResult RunChild(const std::vector<std::string>& argv,
                      const std::vector<std::string>& environment = {},
                      const std::string& input = {}, double timeout_seconds = 60);
