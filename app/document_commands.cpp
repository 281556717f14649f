// The document's commands by number, and the state of their menu items and toolbar buttons.
#include "app/document.h"
#include "app/strip_grid.h"
#include "base/resource_ids.h"

namespace {

bool IsOneOf(int command, std::initializer_list<int> commands) {
  for (int c : commands) {
    if (c == command) return true;
  }
  return false;
}

constexpr std::initializer_list<int> kNextCommands = {ID_NEXT_PICTURE, ID_NEXT_PICTURE_MENU,
                                                      ID_NEXT_PICTURE_CONTEXT, ID_NEXT_PICTURE_KEY,
                                                      ID_NEXT_PICTURE_SPACE};
constexpr std::initializer_list<int> kPreviousCommands = {
    ID_PREVIOUS_PICTURE, ID_PREVIOUS_PICTURE_MENU, ID_PREVIOUS_PICTURE_CONTEXT,
    ID_PREVIOUS_PICTURE_KEY};
constexpr std::initializer_list<int> kEditImageCommands = {ID_EDIT_IMAGE, ID_EDIT_IMAGE_TOOLBAR,
                                                           ID_EDIT_IMAGE_KEY};
constexpr std::initializer_list<int> kDeleteCommands = {ID_DELETE_PICTURE, ID_DELETE_PICTURE_KEY};
constexpr std::initializer_list<int> kAddPicturesCommands = {
    ID_ADD_PICTURES, ID_IMPORT_PICTURES_TOOLBAR, ID_ADD_PICTURES_KEY};
constexpr std::initializer_list<int> kAnnotateCommands = {
    ID_ANNOTATE, ID_ANNOTATE_2, ID_ANNOTATE_TOOLBAR, ID_ANNOTATE_CONTEXT, ID_ANNOTATE_KEY};
constexpr std::initializer_list<int> kWebPagesCommands = {ID_CREATE_WEB_PAGES,
                                                          ID_CREATE_WEB_PAGES_KEY};
constexpr std::initializer_list<int> kDeselectCommands = {ID_DESELECT_ALL, ID_DESELECT_ALL_KEY};
constexpr int kViewModeCommands[] = {ID_VIEW_MODE_1, ID_VIEW_MODE_2, ID_VIEW_MODE_3, ID_VIEW_MODE_4,
                                     ID_VIEW_MODE_5};

// The view mode (1 to 5) of a view-mode command; 0 for other commands.
int ViewModeOf(int command) {
  for (int mode = 1; mode <= 5; ++mode) {
    if (kViewModeCommands[mode - 1] == command) return mode;
  }
  return 0;
}

// The strip command that a paging key sends to the view.
int StripCommandOf(int command) {
  switch (command) {
    case ID_STRIP_PAGE_DOWN_KEY:
      return CMD_STRIP_PAGE_DOWN;
    case ID_STRIP_PAGE_UP_KEY:
      return CMD_STRIP_PAGE_UP;
    case ID_STRIP_HOME_KEY:
      return CMD_STRIP_HOME;
    case ID_STRIP_END_KEY:
      return CMD_STRIP_END;
    default:
      return 0;
  }
}

}  // namespace

bool CSnapstoreDoc::OnCommand(int command) {
  if (command == ID_FILE_NEW) {
    CreateIndex();
  } else if (command == ID_FILE_OPEN) {
    OpenIndex();
  } else if (IsOneOf(command, kNextCommands)) {
    NextRecord();
  } else if (IsOneOf(command, kPreviousCommands)) {
    PreviousRecord();
  } else if (command == ID_FIRST_PICTURE) {
    FirstRecord();
  } else if (command == ID_LAST_PICTURE) {
    LastRecord();
  } else if (command == ID_SELECT_ALL_KEY) {
    SelectAll();
  } else if (IsOneOf(command, kDeselectCommands)) {
    DeselectAll();
  } else if (IsOneOf(command, kDeleteCommands)) {
    DeletePicture(false);
  } else if (command == ID_DELETE_PICTURE_CONTEXT) {
    DeletePicture(true);
  } else if (IsOneOf(command, kEditImageCommands)) {
    EditImage();
  } else if (IsOneOf(command, kAnnotateCommands)) {
    if (!db.results.empty()) Annotate();
  } else if (command == ID_ADD_TO_CATEGORY) {
    AddToCategory();
  } else if (int mode = ViewModeOf(command)) {
    SetViewMode(mode);
  } else if (command == ID_THUMBPRINTS) {
    ToggleStrip();
  } else if (IsOneOf(command, kAddPicturesCommands)) {
    AddPictures();
  } else if (IsOneOf(command, kWebPagesCommands)) {
    GenerateWebAlbum();
  } else if (command == IDC_SEARCH_FIND) {
    FindFromBar(search_words, search_category);
  } else if (command == IDC_SEARCH_CLEAR) {
    ClearSearch();
  } else if (command == ID_SEARCH_DIALOG) {
    SearchWithDialog();
  } else if (command == ID_SORT_INDEX) {
    SortIndex();
  } else if (command == ID_REORG_INDEX) {
    ReorganiseIndex();
  } else if (command == ID_DUMP_INDEX) {
    DumpIndex();
  } else if (command == ID_EXPORT_TEXT) {
    ExportIndex();
  } else if (command == ID_IMPORT_TEXT) {
    ImportIndex();
  } else if (command == ID_REFRESH_THUMBNAILS) {
    RefreshThumbnails();
  } else if (command == ID_MOVE_REFERENCES) {
    MoveImageReferences();
  } else if (command == ID_REFRESH_THUMBNAIL_CONTEXT) {
    RefreshThumbnail();
  } else if (command == ID_PICTURE_INFORMATION) {
    ShowPictureInfo();
  } else if (int strip_command = StripCommandOf(command)) {
    front_end_.SendCommandToDescendants(strip_command);
  } else {
    return false;
  }
  return true;
}

std::optional<CCommandUi> CSnapstoreDoc::CommandUi(int command) const {
  const bool has_pictures = db.results.count() > 0;
  if (command == ID_FILE_NEW || command == ID_FILE_OPEN) return CCommandUi{};
  // These report a missing index themselves.
  if (IsOneOf(command, kAddPicturesCommands) ||
      IsOneOf(command, {IDC_SEARCH_FIND, IDC_SEARCH_CLEAR, ID_SEARCH_DIALOG})) {
    return CCommandUi{};
  }
  if (IsOneOf(command, {ID_SORT_INDEX, ID_REORG_INDEX, ID_DUMP_INDEX, ID_EXPORT_TEXT,
                        ID_IMPORT_TEXT, ID_REFRESH_THUMBNAILS, ID_MOVE_REFERENCES}) ||
      IsOneOf(command, kWebPagesCommands)) {
    return CCommandUi{!index_path.empty()};
  }
  if (command == ID_FIRST_PICTURE || IsOneOf(command, kPreviousCommands)) {
    return CCommandUi{db.results.position() > 1};
  }
  if (command == ID_LAST_PICTURE || IsOneOf(command, kNextCommands)) {
    return CCommandUi{has_pictures && db.results.position() != db.results.count()};
  }
  if (IsOneOf(command, kEditImageCommands) || IsOneOf(command, kDeleteCommands) ||
      IsOneOf(command, kAnnotateCommands) || command == ID_ADD_TO_CATEGORY ||
      command == ID_DELETE_PICTURE_CONTEXT || command == ID_REFRESH_THUMBNAIL_CONTEXT ||
      command == ID_PICTURE_INFORMATION) {
    return CCommandUi{has_pictures};
  }
  if (command == ID_SELECT_ALL_KEY || IsOneOf(command, kDeselectCommands)) return CCommandUi{};
  if (int mode = ViewModeOf(command)) {
    return CCommandUi{true, NormalisedViewMode(settings.ViewMode) == mode};
  }
  if (command == ID_THUMBPRINTS) return CCommandUi{true, settings.Thumbnails != 0};
  if (StripCommandOf(command)) return CCommandUi{settings.Thumbnails != 0};
  return std::nullopt;
}

void CSnapstoreDoc::SetViewMode(int mode) {
  settings.ViewMode = mode;
  if (settings.Thumbnails) front_end_.SendCommandToDescendants(CMD_PLACE_STRIP_SCROLLBAR);
  front_end_.UpdateViews(kHintAll);
}

void CSnapstoreDoc::ToggleStrip() {
  settings.Thumbnails = settings.Thumbnails ? 0 : 1;
  front_end_.SendCommandToDescendants(settings.Thumbnails ? CMD_SHOW_STRIP_SCROLLBAR
                                                          : CMD_HIDE_STRIP_SCROLLBAR);
  front_end_.UpdateViews(kHintAll);
}
