// SPDX-License-Identifier: MIT
#include "server/static_files.h"

#include <algorithm>
#include <system_error>

namespace kobaru {

namespace {

struct MediaType {
  std::string_view extension, type;
};

constexpr MediaType kMediaTypes[] = {
    {".html", "text/html; charset=utf-8"},
    {".js", "text/javascript; charset=utf-8"},
    {".mjs", "text/javascript; charset=utf-8"},
    {".css", "text/css; charset=utf-8"},
    {".json", "application/json"},
    {".webmanifest", "application/manifest+json"},
    {".wasm", "application/wasm"},
    {".png", "image/png"},
    {".jpg", "image/jpeg"},
    {".svg", "image/svg+xml"},
    {".woff2", "font/woff2"},
    {".wav", "audio/wav"},
    {".txt", "text/plain; charset=utf-8"},
};

bool plainSegments(std::string_view path) {
  std::size_t begin = 1;
  while (begin <= path.size()) {
    const std::size_t end = std::min(path.find('/', begin), path.size());
    const std::string_view segment = path.substr(begin, end - begin);
    if (segment == "." || segment == "..") return false;
    begin = end + 1;
  }
  return true;
}

}  // namespace

std::optional<std::filesystem::path> siteFile(const std::filesystem::path& site,
                                              std::string_view target) {
  const std::string_view path = target.substr(0, target.find('?'));
  if (path.empty() || path.front() != '/' || path.find('\0') != std::string_view::npos ||
      path.find('\\') != std::string_view::npos || !plainSegments(path))
    return std::nullopt;
  std::error_code error;
  const std::filesystem::path root = std::filesystem::canonical(site, error);
  if (error) return std::nullopt;
  std::filesystem::path file = root / std::filesystem::path(path.substr(1));
  if (path.back() == '/') file /= "index.html";
  file = std::filesystem::canonical(file, error);
  if (error || !std::filesystem::is_regular_file(file, error)) return std::nullopt;
  // Inside the site, even through a link.
  const auto [end, rest] = std::mismatch(root.begin(), root.end(), file.begin(), file.end());
  if (end != root.end()) return std::nullopt;
  return file;
}

std::string_view mediaTypeOf(const std::filesystem::path& file) {
  const std::string extension = file.extension().string();
  for (const MediaType& m : kMediaTypes)
    if (m.extension == extension) return m.type;
  return "application/octet-stream";
}

}  // namespace kobaru
