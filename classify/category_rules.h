// The rules of categories. A category is one word that classifies pictures; the photo index
// keeps one list of category names, in the order they were made, and each picture's category
// field holds the categories it belongs to, separated by single blanks.
//
// - A new name has the blanks around it removed, must not be empty, is one word (the user is
//   told to write "_" for a blank), has at most 19 characters, and is new to the list by exact,
//   case-sensitive comparison. "TO_BE_DESCRIBED", which the system hands out itself, is always
//   taken.
// - A picture belongs to a category when its field, with a blank added at each end, holds the
//   name with a blank on each side: Sun is not found in "Sunset".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A category name can have this many characters.
constexpr size_t kMaxCategoryLength = 19;

// The name as it is kept: the typed text without the blanks at either end.
std::string CategoryNameOf(std::string_view typed);

// The message that refuses the name (already made blank-free at the ends), or nothing.
std::optional<std::string> RefuseCategoryName(const std::vector<std::string>& names,
                                              const std::string& name);

// Takes the name out of the list; false when the list does not hold it. The pictures that carry
// the category keep it in their fields.
bool RemoveCategoryName(std::vector<std::string>& names, const std::string& name);

// Whether the category field holds the name as a whole word.
bool HasCategory(std::string_view field, std::string_view name);

// The category field as the description editor stores it: the word "TO_BE_DESCRIBED" removed
// wherever it stands, the other words separated by single blanks.
std::string CleanCategoryField(std::string_view field);

// The words of a category field, in order.
std::vector<std::string> CategoryWordsOf(std::string_view field);
