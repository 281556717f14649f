// Starting other programs.
#pragma once

#include <string>

// Starts `program` with `argument` as its only argument, without waiting for it (the child is
// reaped in the background). False when it could not be started; `error` then says why.
bool StartProgram(const std::string& program, const std::string& argument, std::string* error);
