// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace kobaru {

// The folder with a trailing separator, unless it already ends in one. The separator is the one
// the folder is written with: "\" for a folder written the Windows way, "/" otherwise.
std::string withTrailingSeparator(const std::string& folder);

// The file under the program's folder; `relative` is written with "/" and takes the folder's
// separator.
std::string inProgramDirectory(const std::string& folder, const std::string& relative);

}  // namespace kobaru
