// The picture in the view's picture area: decoded when the current record changes (only the
// document's picture-changed flag, or a change between a record and no record, loads it),
// kept as an image, and scaled for the area whenever the area's size asks for another size.
#pragma once

#include <wx/bitmap.h>
#include <wx/image.h>

#include <string>

class CSnapstoreDoc;

class CShownPicture {
 public:
  // Whether the next paint must decode: the picture changed, or the view switches between a
  // record's picture and the introduction picture.
  bool NeedsLoad(const CSnapstoreDoc& doc) const;
  // Decodes the current record's picture for an area of `width` × `height` with the user's
  // gamma; the placeholder cd_missing.jpg when its medium is not mounted; Intro.jpg when
  // there is no current picture path. Clears the picture-changed flag.
  void Load(CSnapstoreDoc& doc, int width, int height);

  bool Ok() const { return image_.IsOk(); }
  int Width() const { return image_.IsOk() ? image_.GetWidth() : 0; }
  int Height() const { return image_.IsOk() ? image_.GetHeight() : 0; }
  // The record's medium was not mounted when it was loaded.
  bool offline() const { return offline_; }
  const wxImage& image() const { return image_; }
  // The picture scaled to `width` × `height` with an averaging filter; kept until another
  // size or picture is asked for.
  const wxBitmap& Scaled(int width, int height);

 private:
  wxImage image_;
  wxBitmap scaled_;
  bool loaded_ = false;
  bool intro_ = false;
  bool offline_ = false;
};
