// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

#include "practice/platform.h"

namespace kobaru {

// What a hall answers for its screen: the pages find the screen's files beside them in the site,
// so the program's folder is ".", and a lot picture is there when the site holds it.
class SitePlatform : public PlatformQuestions {
 public:
  explicit SitePlatform(std::filesystem::path site) : site_(std::move(site)) {}
  std::string programDirectory() override { return "."; }
  bool anotherCopyRunning() override { return false; }
  bool isRegularFile(const std::string& path) override;

 private:
  std::filesystem::path site_;
};

}  // namespace kobaru
