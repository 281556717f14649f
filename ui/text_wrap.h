// Word wrapping as the painter draws its texts: lines break at line feeds and, where a line
// would be wider than the box, before the word that does not fit. A single word wider than
// the box stands on a line of its own.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The width in pixels of a text in the painter's font.
using CTextWidth = std::function<int(const std::string& text)>;

std::vector<std::string> WrapWords(const std::string& text, int max_width, const CTextWidth& width);
