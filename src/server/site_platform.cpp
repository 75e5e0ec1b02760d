// SPDX-License-Identifier: MIT
#include "server/site_platform.h"

#include "server/static_files.h"

namespace kobaru {

bool SitePlatform::isRegularFile(const std::string& path) {
  const auto file = siteFile(site_, path.starts_with("./") ? path.substr(1) : "/" + path);
  return file.has_value();
}

}  // namespace kobaru
