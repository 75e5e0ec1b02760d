// SPDX-License-Identifier: MIT
#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace kobaru {

// The halls' ended lots, kept in an SQLite file (write-ahead log) so that a server killed in the
// middle of a lot loses none that ended: each is written, and on disk, before the hall goes on.
// The file's schema has a version; a newer program brings an older file up to its own, and an
// older program refuses a newer file.
class ResultsStore {
 public:
  static constexpr int kSchemaVersion = 2;

  // Opens (or makes) the file, its folder included; throws StoreError saying what failed.
  explicit ResultsStore(const std::filesystem::path& file);
  ~ResultsStore();
  ResultsStore(const ResultsStore&) = delete;
  ResultsStore& operator=(const ResultsStore&) = delete;

  struct StoredHall {
    std::string id, opened;  // opened: UTC, ISO 8601
    int lots = 0;
  };
  struct StoredLot {
    int bidder;
    std::string name;
    std::vector<std::string> cells;
  };

  // Each returns false once writing has failed, and writes nothing more. A hall's line is who
  // reads it among the earlier halls: "" for the halls the server opens of its own, one after
  // another; a hall opened on request is a line of its own.
  bool openHall(const std::string& id, const std::string& line);
  bool lot(const std::string& hall, int bidder, const std::string& name,
           const std::vector<std::string>& cells);
  bool writing() const { return error_.empty(); }
  // Why writing failed.
  const std::string& error() const { return error_; }

  // The halls kept of one line, the newest first, and one hall's lots in the order they were
  // kept.
  std::vector<StoredHall> halls(const std::string& line);
  std::vector<StoredLot> lotsOf(const std::string& hall);
  const std::filesystem::path& file() const { return file_; }

 private:
  void exec(const char* sql);
  bool failed(const char* what);
  std::filesystem::path file_;
  sqlite3* db_ = nullptr;
  std::string error_;
};

struct StoreError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Where the results are kept unless told: $XDG_DATA_HOME/kobaru/hall.sqlite, or under
// ~/.local/share without it.
std::filesystem::path defaultStoreFile();

}  // namespace kobaru
