// CPrintJob: one print job, from the accepted "Printing" dialog to its last page. It holds the
// print list and a store object of its own, through which it reads each record's picture
// file (the document's current record and result list stay as they are), and prints a page
// by loading each cell's picture, turning it to the cell's orientation and fitting it into
// the cell. The drawing itself is the caller's: the printer's or the preview's page, or a
// PDF file.
//
// A picture on a medium that is away is asked for by its label ("Please insert CD labeled :
// %s") until it is found; "Cancel" ends the whole job, so that a user without the medium is
// never stuck. A picture that cannot be decoded ends its page without a message: the cells
// after it stay empty.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/rect.h"
#include "imaging/picture.h"
#include "store/database.h"

class CFrontEnd;
class CPictureFinder;

class CPrintJob {
 public:
  // Pictures are loaded for this box (no gamma), and scaled to their cells when drawn.
  static constexpr int kPictureBox = 3000;

  // What printing a page came to.
  enum class PageResult {
    kPrinted,   // the page is done (it may have ended early at a picture that did not decode)
    kJobEnded,  // the user ended the job at an insert-medium request; nothing more is printed
  };

  // Draws a picture, turned for its cell, stretched onto `rect` of the page.
  using DrawPicture = std::function<void(const CPicture& picture, const CRect& rect)>;

  // A job printing the records of `print_list` from the index `index_path` at the pictures
  // per page of `print_mode` (PrintMode). The finder and the front end must outlive the job.
  CPrintJob(const std::string& index_path, std::vector<int32_t> print_list, int print_mode,
            CPictureFinder& finder, CFrontEnd& front_end);
  CPrintJob(const CPrintJob&) = delete;
  CPrintJob& operator=(const CPrintJob&) = delete;

  const std::vector<int32_t>& print_list() const { return print_list_; }
  int print_mode() const { return print_mode_; }
  // The last page's number; 0 when there is nothing to print.
  int PageCount() const;
  // The user ended the job at an insert-medium request.
  bool ended() const { return ended_; }

  // Prints page `page` (from 1) of a device page of `width` × `height` units: cell k shows
  // print-list entry (page − 1) × cells + k, and on the last page only the remaining entries
  // are used. Each picture is handed to `draw` with the rectangle it fills, one at a time.
  // The finder's offline flag stays as it was. A page outside the job prints nothing.
  PageResult PrintPage(int page, int width, int height, const DrawPicture& draw);

 private:
  enum class Loaded { kPicture, kNothing, kJobEnded };
  // Loads the record's picture into picture_, asking for its medium while that is away.
  Loaded LoadRecordPicture(int32_t record);

  Cdatabase store_;
  std::vector<int32_t> print_list_;
  int print_mode_;
  CPictureFinder& finder_;
  CFrontEnd& front_end_;
  CPicture picture_;
  bool ended_ = false;
};
