// The import's work list: the picture paths chosen in the import dialog, each with the group
// number that orders the import. Files the user selected singly are group 1; each folder met
// while expanding the selection takes the next number of the dialog's folder counter.
#pragma once

#include <string>
#include <vector>

struct CWorkItem {
  int group = 1;
  std::string path;  // as found on disk, '/' separating its parts

  // The entry as the import's trace shows it: the group as "%4.4d" followed by the path.
  std::string Text() const;
};

using CWorkList = std::vector<CWorkItem>;

// The order in which the import takes the work list: by group, then by the path lower-cased
// and compared byte by byte; items that compare equal keep their order in the list. (This is
// the order of taking, again and again, the smallest "%4.4d"-prefixed entry lower-cased, in
// O(n log n) rather than O(n^2), and without a limit on the number of groups.) Returns
// indices into the list.
std::vector<size_t> ImportOrder(const CWorkList& work_list);
