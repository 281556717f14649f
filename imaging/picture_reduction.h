// Reducing the current picture towards a target box by point sampling.
#pragma once

#include "imaging/picture.h"

// The size a picture of `width` × `height` gets for a target box: along its longer side the
// box's side (a landscape picture takes the box's width, a portrait or square one its
// height), the other side in proportion, truncated; at least one pixel each way.
struct CPictureSize {
  int width;
  int height;
};
CPictureSize ReducedSize(int width, int height, int target_width, int target_height);

// Point-samples the picture to ReducedSize. Unless `forced`, only a picture more than twice
// as wide as the new width is reduced: one within a factor of two keeps its size, and the
// painter scales it. Forced, the picture may also be enlarged. The new pixel block is
// (new width + 3) × new height × bytes per pixel; the header block stays and takes the new
// size. A picture that is not well formed is left as it is.
void ReducePicture(CPicture& picture, int target_width, int target_height, bool forced);

// A copy of `picture` point-sampled to exactly `size`, each axis by its own step: the header
// block (with its palette) copied and given the new size, the pixel block as ReducePicture
// makes one. Empty when the picture is not well formed or the size is empty.
CPicture ScaledCopy(const CPicture& picture, CPictureSize size);
