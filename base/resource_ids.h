// Command, control, dialog and help identifiers of the program's resource numbering. The core
// and the front ends speak of commands by these numbers; the GUI maps them onto wx ids in
// one table (ui/command_ids_ui.h).
#pragma once

// --- framework commands ---
constexpr int ID_FILE_NEW = 57600;   // "&New Photo Index..."
constexpr int ID_FILE_OPEN = 57601;  // "&Select Photo Index..."
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_HELP_CONTENTS = 57670;  // F1
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_NEXT_PANE = 57681;  // Shift+F6, no handler

// --- document and view commands ---
constexpr int ID_ADD_PICTURES = 32771;
constexpr int ID_IMPORT_TEXT = 32772;  // "&Import Photo Index..."
constexpr int ID_ANNOTATE = 32775;
constexpr int ID_SEARCH_DIALOG = 32776;
constexpr int ID_PREVIOUS_PICTURE = 32779;  // toolbar
constexpr int ID_NEXT_PICTURE = 32780;      // toolbar
constexpr int ID_ANNOTATE_2 = 32781;
constexpr int ID_NEXT_PICTURE_MENU = 32785;
constexpr int ID_THUMBPRINTS = 32786;  // show or hide the thumbnail strip
constexpr int ID_DELETE_PICTURE = 32788;
constexpr int ID_SORT_INDEX = 32789;
constexpr int ID_DUMP_INDEX = 32791;
constexpr int ID_REORG_INDEX = 32793;
constexpr int ID_PREFERENCES = 32794;
constexpr int ID_FIRST_PICTURE = 32795;
constexpr int ID_LAST_PICTURE = 32796;
constexpr int ID_NEXT_PICTURE_SPACE = 32798;
constexpr int ID_BULK_UPDATE = 32801;
constexpr int ID_EXPORT_TEXT = 32803;  // "&Export Photo Index..."
constexpr int ID_EDIT_IMAGE = 32804;
constexpr int ID_IMPORT_PICTURES_TOOLBAR = 32805;
constexpr int ID_BULK_UPDATE_TOOLBAR = 32806;
constexpr int ID_ANNOTATE_TOOLBAR = 32807;
constexpr int ID_NEXT_PICTURE_CONTEXT = 32809;
constexpr int ID_PREVIOUS_PICTURE_CONTEXT = 32810;
constexpr int ID_ANNOTATE_CONTEXT = 32811;
constexpr int ID_EDIT_IMAGE_TOOLBAR = 32814;
constexpr int ID_PREVIOUS_PICTURE_MENU = 32816;
constexpr int ID_DELETE_PICTURE_CONTEXT = 32818;  // the thumbnail under the context-menu point
constexpr int ID_COPY_TO_CLIPBOARD = 32819;
constexpr int ID_CREATE_WEB_PAGES = 32820;
constexpr int ID_IMPORT_CSV = 32824;
constexpr int ID_NEXT_PICTURE_KEY = 32825;      // Right, Down
constexpr int ID_PREVIOUS_PICTURE_KEY = 32826;  // Left, Up
constexpr int ID_EDIT_IMAGE_KEY = 32827;        // Ctrl+Alt+E
constexpr int ID_BULK_UPDATE_KEY = 32829;       // Ctrl+B
constexpr int ID_PREFERENCES_KEY = 32830;       // Ctrl+S
constexpr int ID_ADD_PICTURES_KEY = 32831;      // Ctrl+I
constexpr int ID_CREATE_WEB_PAGES_KEY = 32832;  // Ctrl+W
constexpr int ID_ANNOTATE_KEY = 32833;          // Ctrl+E
constexpr int ID_ADD_TO_CATEGORY = 32834;
constexpr int ID_MOVE_REFERENCES = 32835;
constexpr int ID_DESELECT_ALL = 32837;
constexpr int ID_VIEW_MODE_1 = 32838;  // "1 column with text"
constexpr int ID_VIEW_MODE_2 = 32839;  // "2 columns"
constexpr int ID_VIEW_MODE_3 = 32840;  // "4 columns"
constexpr int ID_VIEW_MODE_4 = 32842;  // "6 columns"
constexpr int ID_VIEW_MODE_5 = 32844;  // "8 columns"
constexpr int ID_CREATE_CD = 32843;
constexpr int ID_SELECT_ALL_KEY = 32845;       // Ctrl+A
constexpr int ID_DESELECT_ALL_KEY = 32846;     // Ctrl+D
constexpr int ID_STRIP_PAGE_DOWN_KEY = 32847;  // PgDn
constexpr int ID_STRIP_PAGE_UP_KEY = 32848;    // PgUp
constexpr int ID_STRIP_HOME_KEY = 32849;       // Home
constexpr int ID_STRIP_END_KEY = 32850;        // End
constexpr int ID_PICTURE_INFORMATION = 32853;
constexpr int ID_REFRESH_THUMBNAILS = 32854;
constexpr int ID_DELETE_PICTURE_KEY = 32855;  // Del
// "Refresh thumbnail" (thumbnail context menu): the thumbnail under the context-menu point.
constexpr int ID_REFRESH_THUMBNAIL_CONTEXT = 32856;

// --- the search bar (dialog 141) ---
constexpr int IDD_SEARCH_BAR = 141;
constexpr int IDC_SEARCH_CATEGORY = 1026;  // combo box of categories
constexpr int IDC_SEARCH_WORDS = 1027;     // text field, at most 80 characters
constexpr int IDC_SEARCH_FIND = 1028;      // "Find": the bar search
constexpr int IDC_SEARCH_CLEAR = 1029;     // "Clear"

// --- the first-start dialog CNewArchiveDlg ("No Photo Index selected") ---
constexpr int IDC_NEW_ARCHIVE_AUTO = 1069;
constexpr int IDC_NEW_ARCHIVE_MANUAL = 1070;
constexpr int IDC_NEW_ARCHIVE_SELECT = 1071;

// --- the delete dialog CDeleteDlg ("Are you sure you want to delete?") ---
constexpr int IDD_DELETE = 137;

// --- the "Operation progress" dialog CProgress ---
constexpr int IDD_PROGRESS = 138;
constexpr int IDC_PROGRESS_BAR = 1017;
constexpr int IDC_PROGRESS_TITLE = 1019;
constexpr int IDC_PROGRESS_PERCENT = 1133;
constexpr int IDC_PROGRESS_TIME_LEFT = 1134;
constexpr int IDC_PROGRESS_ABORT = 1135;

// --- the "Insert volume" dialog CDlgInsertVolume ---
constexpr int IDD_INSERT_VOLUME = 194;
constexpr int IDC_VOLUME_LABEL = 1038;  // read-only, the medium's label
constexpr int IDC_VOLUME_SKIP = 1136;
constexpr int IDC_VOLUME_OK = 1137;
constexpr int IDC_VOLUME_ABORT = 1138;

// --- the "Search" dialog CSoek ---
constexpr int IDD_SEARCH = 130;
constexpr int IDC_SEARCH_QUERY = 1000;  // multi-line text field

// --- the "Import pictures" dialog CImport2 and the "Import log" dialog CLogDialog ---
constexpr int IDD_IMPORT_PICTURES = 162;
constexpr int IDC_IMPORT_TREE = 1096;
constexpr int IDC_IMPORT_LIST = 1098;
constexpr int IDC_SELECT_ID_GROUP = 1016;
constexpr int IDC_ID_AUTOMATIC = 1013;  // "Automatic numbering"
constexpr int IDC_ID_FILE_NAME = 1014;  // "Use filename as ID  (filenames must be unique)"
constexpr int IDC_ID_DEFINED = 1072;    // "Define ID "
constexpr int IDC_ID_MASK = 1015;       // the format mask, at most 19 characters
constexpr int IDC_INCLUDE_SUBDIRS = 1099;
constexpr int IDC_TO_BE_DESCRIBED = 1063;
constexpr int IDC_SHOW_IMPORTED = 1100;
constexpr int IDC_MAKE_THUMBNAILS = 1124;
constexpr int IDD_IMPORT_LOG = 176;

// --- the description editor CPictDescr ("Image description") ---
// The Description page CEditTekst (dialog 102).
constexpr int IDD_DESCRIPTION_PAGE = 102;
constexpr int IDC_DESCR_ID = 1001;  // one line, at most 19 characters
constexpr int IDC_DESCR_WHEN = 1002;
constexpr int IDC_DESCR_WHERE = 1003;
constexpr int IDC_DESCR_TEXT = 1004;  // multi-line
constexpr int IDC_REPEAT_WHEN = 1012;
constexpr int IDC_REPEAT_WHERE = 1013;
constexpr int IDC_REPEAT_DESCRIPTION = 1014;
// The Categories page CCategoryPage (dialog 143).
constexpr int IDD_CATEGORY_PAGE = 143;
constexpr int IDC_CATEGORY_DEFAULT = 1115;  // "Set as default"
constexpr int IDC_CATEGORY_PAGE_NEW = 1116;
constexpr int IDC_CATEGORY_DELETE = 1117;
// The Info page CInfoDlg2 (dialog 178).
constexpr int IDD_INFO_PAGE = 178;
constexpr int IDC_INFO_REFERENCE = 1041;  // "Refno:"
constexpr int IDC_INFO_LOCATION = 1050;   // "Location:", an editable drop-down
constexpr int IDC_INFO_QUALITY = 1051;    // a one-line list of "1" to "4"
constexpr int IDC_INFO_FIELDS = 1107;     // the custom fields: "Def", "Label", "Value"
// The File page CFilePage (dialog 146); its volume label is IDC_VOLUME_LABEL, disabled.
constexpr int IDD_FILE_PAGE = 146;
constexpr int IDC_FILE_PATH = 1036;
constexpr int IDC_FILE_BROWSE = 1037;
// An in-place editor over a list's cell (CEditField, CComboField).
constexpr int IDC_CELL_EDITOR = 50000;
// An in-place editor asks its owner for the neighbouring cell (Ctrl + an arrow key).
constexpr int CMD_NEIGHBOUR_CELL = 144;

// --- the category dialogs ---
constexpr int IDD_SELECT_CATEGORY = 182;  // CCategoryList, "Select category"
constexpr int IDD_ADD_CATEGORY = 183;     // CAddCategory, "Add category"
constexpr int IDC_CATEGORY_LIST = 1112;   // the categories, with check boxes
constexpr int IDC_CATEGORY_LIST_NEW = 1113;
constexpr int IDC_NEW_CATEGORY = 1114;  // "Enter new category:", at most 19 characters

// --- the folder picker CDirectorySelect and "Create new directory" CDlgNewDir ---
constexpr int IDD_DIRECTORY_SELECT = 136;
constexpr int IDC_DIRECTORY_TREE = 1096;
constexpr int IDC_DIRECTORY_NEW = 1069;  // "New"
constexpr int IDD_NEW_DIRECTORY = 189;
constexpr int IDC_NEW_DIRECTORY_NAME = 1027;  // "New directory "

// --- "Move image references" CRenameDir ---
constexpr int IDD_MOVE_REFERENCES = 184;
constexpr int IDC_OLD_DIRECTORY = 1027;  // "Old directory :"
constexpr int IDC_NEW_DIRECTORY = 1118;  // "New directory :"
constexpr int IDC_BROWSE_OLD_DIRECTORY = 1069;
constexpr int IDC_BROWSE_NEW_DIRECTORY = 1070;

// --- the "Printing" dialog CPrintDlg ---
constexpr int IDD_PRINT = 185;

// --- the picture information dialog CInfoDisplay ---
constexpr int IDD_INFO_DISPLAY = 193;
constexpr int IDC_INFO_LIST = 1130;  // the list of labels and values
// --- the "Generate web pages" dialog CGenWeb ---
constexpr int IDD_GENERATE_WEB = 196;
constexpr int IDC_WEB_SCOPE_CATEGORY = 1140;  // radio button "Category"
constexpr int IDC_WEB_SCOPE_SELECTED = 1141;  // radio button "Selected"
constexpr int IDC_WEB_CATEGORY = 1142;        // the category box
constexpr int IDC_WEB_STYLE = 1143;
constexpr int IDC_WEB_HEADING = 1144;  // at most 50 characters
constexpr int IDC_WEB_QUALITY = 1145;

// --- commands the document sends to the frame's descendants ---
constexpr int CMD_SHOW_STRIP_SCROLLBAR = 105;
constexpr int CMD_HIDE_STRIP_SCROLLBAR = 106;
constexpr int CMD_SET_STRIP_SCROLL_POSITION = 109;
constexpr int CMD_PLACE_STRIP_SCROLLBAR = 116;
constexpr int CMD_REPAINT_CAPTION = 150;
constexpr int CMD_STRIP_PAGE_UP = 3001;
constexpr int CMD_STRIP_PAGE_DOWN = 3002;
constexpr int CMD_STRIP_HOME = 3003;
constexpr int CMD_STRIP_END = 3004;

// --- help topics (context numbers) ---
constexpr int HELP_TOPIC_MAIN_WINDOW = 110;
constexpr int HELP_TOPIC_ADD_PICTURES = 3;
constexpr int HELP_TOPIC_DESCRIBING = 4;  // the description editor and the category dialogs
constexpr int HELP_TOPIC_PRINTING = 185;  // the "Printing" dialog

// --- status-bar panes ---
constexpr int STATUS_PANE_MESSAGE = 0;
constexpr int STATUS_PANE_RECORD = 1;
constexpr int STATUS_PANE_PICTURE = 2;
