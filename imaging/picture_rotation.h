// Turning the current picture by a quarter turn, as printing does to match a picture to its
// cell.
#pragma once

#include "imaging/picture.h"

// Turns the picture 90 degrees clockwise: a picture of w × h pixels becomes h × w, source
// pixel (x, y) goes to (h − 1 − y, x), so its top row becomes the right-hand column. The new
// rows are h × bytes per pixel rounded up to a multiple of 4, the new pixel block exactly w
// such rows; the header block (and an 8-bit picture's palette) stays and takes the new width,
// height and size. Nothing happens without a picture, or to one that is not well formed.
void RotatePicture(CPicture& picture);
