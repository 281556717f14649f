#include "base/string_table.h"

#include <map>

namespace {

const std::map<int, std::string>& Table() {
  static const std::map<int, std::string> table = {
      {IDS_APP_TITLE, "Albumcraft"},
      {IDS_CLIPBOARD_FAILED, "i"},
      {IDS_NO_ARCHIVE,
       "You have not selected a photoarchive. Please select an archive from the file-menu.\n"
       "  If you have not created a photoarchive you must do that. This command is also in the "
       "file-menu."},
      {IDS_UPGRADE_QUESTION,
       "This version of Albumcraft requires the format of the photoarchive to be upgraded.\n"
       "The upgrade is automatic. Your old datafiles will get the extention 'old' and new "
       "files will \nbe created. Any files where the extention end with 'old' will be "
       "deleted.\n\nDo you want to upgrade (NO will terminate Albumcraft)?"},
      {IDS_UPGRADE_DONE, "Photoarchive has been successfully converted to new format."},
      {IDS_NO_IMAGES_FOUND, "No images found for these words !"},
      {IDS_IMPORT_FINISHED, "%c%cImport finished. %d of %d pictures was successfully  imported."},
      {IDS_RECORD_STATUS, "Record: %d/%d"},
      {IDS_ID_NOT_UNIQUE,
       "This ID has already been used. All IDs must be unique!\nPlease select anouther ID."},
      {IDS_REPLACE_QUESTION,
       "Image %s is already stored in database,\nbut imagefile points to another "
       "directory.\n\nDo you want to replace?"},
      {IDS_IMPORT_ALL_QUESTION,
       "No files selected. Do you want to import all graphics files in this directory?"},
      {IDS_IMPORTED_OK, "Imported OK."},
      {IDS_DUPLICATE_ID, "ERROR: Duplicate ID. Not imported."},
      {IDS_ALREADY_IMPORTED, " Already imported"},
      {IDS_ALL, "ALL"},
      {IDS_TO_BE_DESCRIBED, "TO_BE_DESCRIBED"},
      {IDS_NO_FILES_MATCHED,
       "No files in the database matched the name of the from directory. Operation aborted."},
      {IDS_MOVE_QUESTION,
       "%d files where found that matched the from directory. Do you want to continue?"},
      {IDS_REFERENCE_MOVED, "Ref to %s changed to %s. %c%c"},
      {IDS_REFERENCE_NOT_MOVED, "Ref couldn't be changed to %s. File don't exist. %c%c"},
      {IDS_MOVE_FINISHED, "%c%c%d of %d references was successfully moved.%c%c"},
      {IDS_BOTH_DIRECTORIES, "Both directory names must be filled in."},
      {IDS_SELECT_BASE_DIRECTORY,
       "You must select a directory that the new directory will be created in."},
      {IDS_CANNOT_CREATE_DIRECTORY,
       "Cannot create this directory : %s.  Please check that the syntax is correct."},
      {IDS_INDEX_CREATED_ADD_NOW,
       "Photo Index have been successfully created in %s\n\nDo you want to add photos to this "
       "index now?"},
      {IDS_INSERT_CD, "Please insert CD labeled : %s"},
      {IDS_ID_TOO_LONG, "The ID is too long. Only 19 characters are allowed."},
      {IDS_ID_ILLEGAL_CHARACTER,
       "ID contains a space or an illegal character (*?%|)\nThis is not allowed!"},
      {IDS_BULK_ID_WITHOUT_NUMBERS,
       "An ID specified in the bulk update form must contain numbers."},
      {IDS_NO_IMAGE_EDITOR,
       "No image editor is specified.\nYou must specify an image editor in the preferences "
       "form."},
      {IDS_EDITOR_START_FAILED,
       "Could not start the specified image editor: %s\nPlease check the path for the "
       "specified file."},
  };
  return table;
}

}  // namespace

const std::string& LoadString(int id) {
  static const std::string empty;
  auto it = Table().find(id);
  return it == Table().end() ? empty : it->second;
}
