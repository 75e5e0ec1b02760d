// SPDX-License-Identifier: MIT
#include "practice/paths.h"

#include <algorithm>

namespace kobaru {

namespace {

char separatorOf(const std::string& folder) {
  bool windows = folder.find('\\') != std::string::npos && folder.find('/') == std::string::npos;
  return windows ? '\\' : '/';
}

}  // namespace

std::string withTrailingSeparator(const std::string& folder) {
  if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) return folder;
  return folder + separatorOf(folder);
}

std::string inProgramDirectory(const std::string& folder, const std::string& relative) {
  std::string path = relative;
  std::replace(path.begin(), path.end(), '/', separatorOf(folder));
  return withTrailingSeparator(folder) + path;
}

}  // namespace kobaru
