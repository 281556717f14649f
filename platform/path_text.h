// Small operations on path texts, shared by the platform layer and its users.
#pragma once

#include <string>
#include <string_view>

// The path without trailing '/' characters; "/" stays "/".
std::string WithoutTrailingSlash(std::string path);

// `folder` + "/" + `name`, with exactly one '/' between them ("/" + "a" gives "/a").
std::string JoinPath(std::string_view folder, std::string_view name);
