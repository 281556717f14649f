// The user's texts as the web pages write them: UTF-8 (a text stored on Windows becomes the
// letters it shows), line breaks as plain line feeds, and "&", "<" and ">" as entities, so that
// "Tom & Jerry <3" shows as typed and no text can open markup of its own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

[[nodiscard]] std::string HtmlText(std::string_view text);

// The first `count` characters of a UTF-8 text.
[[nodiscard]] std::string FirstCharacters(std::string_view text, size_t count);
