// Decoding a JPEG file into the current picture, reduced in the decoder by 1/1, 1/2, 1/4 or
// 1/8 towards a target box.
#pragma once

#include <cstdio>
#include <string>

#include "imaging/picture.h"

class CFrontEnd;

// The decoder's scale denominator (1, 2, 4 or 8) for a picture of `width` × `height` pixels
// and a target box: the largest of them not beyond the factor by which the picture is larger
// than the box along its tighter side.
int JpegScaleDenominator(int width, int height, int target_width, int target_height);

// Decodes the JPEG file at `path` (the file itself, already found) into `picture`, which must
// be empty: a 24-bit picture (blue, green, red) for colour files, CMYK and YCCK files included,
// or an 8-bit picture with the grey palette for greyscale files. Records the file's size in
// `picture` once its header is read. The front end (when there is one) gets the progress in
// status pane 0 once per 100 rows, and the library's messages: the first warning of the
// decode, and a fatal error, after which the result is 0 and the picture stays empty.
// Returns 1 when a picture was decoded, else 0 (also when the file does not open).
int DecodeJpeg(CPicture& picture, const std::string& path, int target_width, int target_height,
               CFrontEnd* front_end);
// The same from an open file, read from its current position; the caller closes it.
int DecodeJpeg(CPicture& picture, std::FILE* file, int target_width, int target_height,
               CFrontEnd* front_end);
