// The directory key: the word under which every record is posted (field code 0) so that the
// records of one folder can be found. It is a sum over the folder's bytes, formatted as a
// number, and is stored in the key tree, so its arithmetic is fixed to the last bit.
#pragma once

#include <string>
#include <string_view>

// The path with every '\\' replaced by '/'.
[[nodiscard]] std::string ForwardSlashes(std::string path);

// The key of the folder part of the path (up to and including its last '/' or '\\'): the
// sum of 1.1^s times the signed byte at position s, for s from 1 (the first byte is skipped),
// rounded to a 32-bit float after every step, formatted "%12.2f". Callers pass the path
// lower-cased.
[[nodiscard]] std::string DirectoryKey(std::string_view path);
