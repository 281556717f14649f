#include "ui/toolbar_layout.h"

#include "base/resource_ids.h"

std::vector<CToolbarButton> ArchiverToolbar() {
  const CToolbarButton separator;
  return {
      {ID_THUMBPRINTS, "tool_thumbprints.png", "Show list of pictures", "Thumbprints", true},
      separator,
      {ID_FIRST_PICTURE, "tool_first.png", "First picture", "First picture"},
      {ID_PREVIOUS_PICTURE, "tool_previous.png", "Previous picture", "Previous picture"},
      {ID_NEXT_PICTURE, "tool_next.png", "Next picture", "Next picture"},
      {ID_LAST_PICTURE, "tool_last.png", "Last picture", "Last picture"},
      separator,
      {ID_IMPORT_PICTURES_TOOLBAR, "tool_add_pictures.png",
       "Import references to pictures into the database", "Import pictures"},
      separator,
      {ID_ANNOTATE_TOOLBAR, "tool_annotate.png", "Describe the picture", "Annotate"},
      {ID_BULK_UPDATE_TOOLBAR, "tool_bulk_update.png", "Describe several pictures at once",
       "Bulk update"},
      {ID_EDIT_IMAGE_TOOLBAR, "tool_edit_image.png", "Open the picture in the image editor",
       "Edit image"},
      separator,
      {ID_FILE_PRINT, "tool_print.png", "Print pictures", "Print"},
      {ID_PICTURE_INFORMATION, "tool_picture_information.png", "Show the picture's file data",
       "Picture information"},
      separator,
      // The search dialog, which has no other way in.
      {ID_SEARCH_DIALOG, "tool_search.png", "", " Search"},
  };
}
