// The consistency check of a photo index: walks every store file and reports what does not
// hold together. Errors are faults that make operations fail or lose data; warnings are
// harmless leftovers (leaked entries, a word count that differs from its postings).
#pragma once

#include <string>
#include <vector>

class Cdatabase;

struct CCheckReport {
  std::vector<std::string> errors;
  std::vector<std::string> warnings;
  int pictures = 0;
  int words = 0;
  int picture_ids = 0;

  bool sound() const { return errors.empty(); }
  // The report as lines: every error and warning, then a summary.
  std::string Text() const;
};

// Checks the index named in `db` (SetFileNames): the free chains of the record table, text
// blocks and posting blocks; every live record's text chains; key-tree order, reachability and
// uniqueness; every word's posting list (links, last block, postings pointing at live
// records); every live record reachable by its picture ID and posted under the all-records
// marker and its directory key.
[[nodiscard]] CCheckReport CheckStore(Cdatabase& db);
