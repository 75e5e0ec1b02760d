// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace kobaru {

// The regular file of the site a request's path names ("/" is index.html), or nothing: a path
// that is not absolute, holds a NUL, a backslash, a "." or ".." segment or a query, or leads out
// of the site (through a link too) names none.
std::optional<std::filesystem::path> siteFile(const std::filesystem::path& site,
                                              std::string_view target);
// The media type the pages need for a file, by its extension.
std::string_view mediaTypeOf(const std::filesystem::path& file);

}  // namespace kobaru
