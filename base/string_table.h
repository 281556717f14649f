// The program's user-visible texts, in one place: the numbered string table and the literal
// messages that carry their own codes. Printf-style texts are formatted by their callers.
#pragma once

#include <string>

// Numbered strings.
constexpr int IDS_APP_TITLE = 57344;  // "Albumcraft"
constexpr int IDS_CLIPBOARD_FAILED = 112;
constexpr int IDS_NO_ARCHIVE = 114;
constexpr int IDS_UPGRADE_QUESTION = 115;
constexpr int IDS_UPGRADE_DONE = 118;
constexpr int IDS_NO_IMAGES_FOUND = 119;
constexpr int IDS_CATEGORY_ONE_WORD = 123;
constexpr int IDS_IMPORT_FINISHED = 130;
constexpr int IDS_RECORD_STATUS = 131;
constexpr int IDS_ID_NOT_UNIQUE = 132;
constexpr int IDS_REPLACE_QUESTION = 134;
constexpr int IDS_IMPORT_ALL_QUESTION = 136;
constexpr int IDS_IMPORTED_OK = 137;
constexpr int IDS_DUPLICATE_ID = 138;
constexpr int IDS_ALREADY_IMPORTED = 139;
constexpr int IDS_ALL = 142;
constexpr int IDS_TO_BE_DESCRIBED = 143;
constexpr int IDS_CATEGORY_EXISTS = 151;
constexpr int IDS_NO_CATEGORY_SELECTED = 152;
constexpr int IDS_DELETE_CATEGORY_QUESTION = 153;  // filled with the category
constexpr int IDS_NO_FILES_MATCHED = 154;
constexpr int IDS_MOVE_QUESTION = 155;
constexpr int IDS_REFERENCE_MOVED = 156;
constexpr int IDS_REFERENCE_NOT_MOVED = 157;
constexpr int IDS_MOVE_FINISHED = 158;
constexpr int IDS_BOTH_DIRECTORIES = 159;
constexpr int IDS_SELECT_BASE_DIRECTORY = 304;
constexpr int IDS_CANNOT_CREATE_DIRECTORY = 305;
constexpr int IDS_INDEX_CREATED_ADD_NOW = 307;
constexpr int IDS_RECORD_CORRUPTED = 331;  // a question: run Reorg now?
constexpr int IDS_INSERT_CD = 3000;        // printing a picture whose medium is away
constexpr int IDS_ID_TOO_LONG = 32793;
constexpr int IDS_ID_ILLEGAL_CHARACTER = 32797;
constexpr int IDS_BULK_ID_WITHOUT_NUMBERS = 32808;
constexpr int IDS_NO_IMAGE_EDITOR = 57608;
constexpr int IDS_EDITOR_START_FAILED = 57610;

// The text of a numbered string; empty for a number the table does not hold.
const std::string& LoadString(int id);

// Window titles.
constexpr const char* kArchiverTitleFormat = "Kestrel's Albumcraft 3.2.2 - Photo index: %s";
constexpr const char* kViewerTitleFormat = "Kestrel's Snapview 1.1.1 - Database: %s";

// The about box: the program's name, its version and what it is.
constexpr const char* kProgramName = "Kestrel's Albumcraft";
constexpr const char* kProgramVersion = "3.2.2";
constexpr const char* kAboutTitle = "About Kestrel's Albumcraft";
constexpr const char* kAboutVersionFormat = "Version %s";
constexpr const char* kAboutDescription =
    "A photo archive: a searchable index of your pictures on disks, removable media, network "
    "shares and CDs, with their descriptions and thumbnails.";

// The explanation at the top of "Move image references".
constexpr const char* kMoveReferencesExplanation =
    "This form will rename the filenames in the database. It will NOT move the actual files. You "
    "must do that before running this command.";
// The log line of a picture whose reference could not be written because its picture ID is
// missing from the word index (Reorg Photo Index rebuilds it), filled with the new path and the
// ID, with the line end.
constexpr const char* kLogReferenceIdMissing =
    "Ref couldn't be changed to %s. Its picture ID %s is missing from the word index. %c%c";

// Messages with their own codes.
constexpr const char* kMsgMissingFiles = "F-0001: The following file(s) were not found:\n\n";
constexpr const char* kMsgMissingFilesEnd =
    "\nPlease restore from backup or select another database.";
constexpr const char* kMsgNoExtension = "E-0100: Please do not enter an extention to the filename.";
constexpr const char* kMsgIndexExists =
    "E-0101: A file with this name already exits in this directory.\n\nPlease select another "
    "filename or directory.";
constexpr const char* kMsgIndexCreated = "I-0001: A new database was successfully created.";
constexpr const char* kTitleError = "*** ERROR ***";
constexpr const char* kMsgNoFormatMask =
    "You must specify a format mask when specifying userdefined";
constexpr const char* kMsgMaskWithoutNumbers = "A format mask must contain numbers";

// Picture IDs, categories and picture files typed by the user.
constexpr const char* kMsgEmptyId = "The picture ID must not be empty. Please enter an ID.";
constexpr const char* kMsgEmptyCategory = "Please enter the name of the new category.";
constexpr const char* kMsgCategoryTooLong = "A category can have at most 19 characters.";
// Filled with the path typed.
constexpr const char* kMsgNotAPictureFileFormat =
    "%s is not the name of a picture file: it must end in .jpg or .tif.";

// Damaged or unwritable state files of an index, filled with the file's path and the reason.
constexpr const char* kMsgStateFileDamagedFormat =
    "The file %s is damaged (%s).\nWhat could be read before the damage has been kept.";
constexpr const char* kMsgStateFileNotWrittenFormat = "The file %s could not be written (%s).";

// Status-bar texts (pane 0).
constexpr const char* kStatusLoadingPicture = "Loading picture...  (%2d %%)";
constexpr const char* kStatusReady = "Ready";
constexpr const char* kStatusImportingPictures = "Importing pictures (%d/%d)";
constexpr const char* kStatusSearching = "Searching...";
constexpr const char* kStatusPicturesFound = "%d pictures found";

// The record text (pane 1) right after an import, with three trailing blanks.
constexpr const char* kRecordStatusAfterImport = "Record: %d/%d   ";

// Titles of the "Operation progress" dialog of the store's long operations.
constexpr const char* kTitleSortingIndex = "Sorting photo index...";
constexpr const char* kTitleReindexing = "Reindexing photos...";
constexpr const char* kTitleImportingText = "Importing database...";
constexpr const char* kTitleRefreshingOnline = "Refreshing thumbnails (online)...";
constexpr const char* kTitleRefreshingOffline = "Refreshing thumbnails (offline)...";
constexpr const char* kTitleImportingPictures = "Importing pictures...";

// Messages of the export and import commands, filled with the count and the file name.
constexpr const char* kMsgExportedFormat = "%d image descriptions exported to textfile %s";
constexpr const char* kMsgImportedFormat = "%d image descriptions imported from textfile %s";

// Thumbnail cache files, filled with the index's main file or the cache file and the reason.
constexpr const char* kMsgThumbnailCacheFull =
    "The thumbnail cache of the photo index %s is full: all 255 cache files are used up.\nNew "
    "thumbnails are not kept; pictures without a kept thumbnail are read from their files.";
constexpr const char* kMsgThumbnailCacheNotWritten =
    "The thumbnail cache file %s could not be written: %s.";

// The picture information list: its labels, the flash's two values and the texts that say
// why a picture's file rows are missing (filled with the medium's label or the file's path).
constexpr const char* kInfoTitle = "Picture information";
constexpr const char* kInfoLabelId = "ID";
constexpr const char* kInfoLabelFileName = "File name";
constexpr const char* kInfoLabelFileSize = "File size";
constexpr const char* kInfoLabelFileDate = "File date";
constexpr const char* kInfoLabelPictureSize = "Picture size";
constexpr const char* kInfoLabelCameraMake = "Camera make";
constexpr const char* kInfoLabelCameraModel = "Camera model";
constexpr const char* kInfoLabelDateTaken = "Date";
constexpr const char* kInfoLabelAperture = "Aperture";
constexpr const char* kInfoLabelExposure = "Exposure";
constexpr const char* kInfoLabelFlash = "Flash used";
constexpr const char* kInfoLabelFocalLength = "Focal length";
constexpr const char* kInfoLabelDistance = "Distance";
constexpr const char* kInfoLabelWhen = "When";
constexpr const char* kInfoLabelWhere = "Where";
constexpr const char* kInfoLabelDescription = "Description";
constexpr const char* kInfoLabelCategory = "Category";
constexpr const char* kInfoYes = "Yes";
constexpr const char* kInfoNo = "No";
constexpr const char* kInfoClose = "Close";
constexpr const char* kMsgInfoNoFile = "The picture file could not be read: the record names none.";
constexpr const char* kMsgInfoMediumAwayFormat =
    "The picture file could not be read: the medium labelled %s is not mounted.";
constexpr const char* kMsgInfoFileMissingFormat =
    "The picture file could not be read: %s was not found.";
constexpr const char* kMsgInfoNotAPictureFormat =
    "The picture file %s could not be read as a JPEG or TIFF picture.";
// "Create web pages": the dialog's check, the messages, the progress title, and the log of the
// records that are not on the pages ("\r\n" line ends, as every log).
constexpr const char* kMsgSelectCategory = "You must select a category or click [CANCEL]";
constexpr const char* kMsgNoWebPictures =
    "No pictures found for this category. Web-page generation aborted ";
constexpr const char* kMsgWebConfirmFormat =
    "There will now be generated web pages for %d images.\nDo you want to do this?";
constexpr const char* kTitleGeneratingWebPages = "Generating web pages...";
constexpr const char* kMsgWebFolderNotMadeFormat = "The folder %s could not be created (%s).";
constexpr const char* kMsgWebPageNotCreatedFormat = "The web page %s could not be created (%s).";
constexpr const char* kMsgWebPageNotWrittenFormat = "The web page %s could not be written (%s).";
constexpr const char* kTitleWebAlbumLog = "Web pages log";
constexpr const char* kWebLogHeading = "These pictures are not on the web pages:\r\n";
constexpr const char* kWebLogLineFormat = "%s (%s): %s\r\n";
constexpr const char* kWebLogWarningsHeading =
    "These pictures are on the web pages, but their files gave warnings:\r\n";
constexpr const char* kWebLogSummaryFormat = "\r\n%d of %d pictures are on the web pages.\r\n";
constexpr const char* kWebReasonMediumAwayFormat = "its medium %s is not mounted";
constexpr const char* kWebReasonNotFound = "its picture file was not found";
constexpr const char* kWebReasonNotDecoded = "its picture file could not be read";
constexpr const char* kWebReasonNotWrittenFormat = "its pictures could not be written in %s";
