// The print list: the records a print job prints, in order.
#pragma once

#include <cstdint>
#include <vector>

class Cdatabase;

// What the "Printing" dialog's "Mode" prints.
enum class PrintSelection {
  kCurrentPicture,  // the current record only
  kSelected,        // the marked records of the result list
};

// The records to print: for kSelected every marked entry of the store's result list, in list
// order; for kCurrentPicture the current record alone (none when the list has no current
// entry).
std::vector<int32_t> BuildPrintList(const Cdatabase& db, PrintSelection selection);
