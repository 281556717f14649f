// The web album: for a list of records, a thumbnail page and an album page in the folder
// "html" beside the photo index, and each record's full picture, album picture and thumbnail
// in "html/image", under the progress dialog "Generating web pages...", whose "Abort" ends the
// run after the current record. A record whose picture cannot be found (its medium is away) or
// decoded gets no files and no cells; the log of such records comes back with the result.
//
// The records are read from the command's own store object and their picture files found on
// the main thread; the pictures are decoded ahead on a second core while this thread writes
// the current record's files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CDebugLog;
class CFrontEnd;
class CPictureFinder;
class Cdatabase;

struct CWebAlbumRequest {
  std::vector<int32_t> records;  // in the pages' order
  int run = 1;                   // numbers the two pages (1 to 999)
  std::string title;             // the page heading, as typed
  int jpeg_quality = 80;
  bool resize_full = true;  // WebResizeFull: full pictures 800 wide or 700 high
  bool use_worker = true;   // decode ahead on a worker thread
};

struct CWebAlbumResult {
  bool pages_written = false;  // both pages are complete (false: the user was told why)
  std::string html_folder;
  std::string thumbnail_page;  // the pages' paths
  std::string album_page;
  int pictures = 0;  // records on the pages
  // The log of the records left out and of warnings ("\r\n" line ends); empty when every
  // record is on the pages without a warning.
  std::string log;
};

// The folder "html" beside the photo index's main file, as an absolute path.
std::string HtmlFolderOf(const std::string& main_file);

// A record's caption on the album page: When, Where and Description, each followed by "<BR>";
// the picture ID followed by "<BR>" when those three say nothing (13 characters or fewer with
// their "<BR>"s). The user's texts are escaped; the "<BR>"s are markup.
std::string AlbumCaption(const std::string& id, const std::string& when, const std::string& where,
                         const std::string& description);

// Writes the web album of the request's records from `store`, a store object on the photo
// index (whose current record it moves), finding the picture files through `finder` (whose
// offline flag it leaves set as the last record left it). Messages, the progress dialog and
// nothing else go to `front_end`.
CWebAlbumResult WriteWebAlbum(const CWebAlbumRequest& request, Cdatabase& store,
                              CPictureFinder& finder, CFrontEnd& front_end, const CDebugLog& trace);
