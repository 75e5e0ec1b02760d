// SPDX-License-Identifier: MIT
#include "server/results_store.h"

#include <cstdlib>
#include <ctime>
#include <memory>
#include <nlohmann/json.hpp>

namespace kobaru {

namespace {

// Each step brings the schema from its index to the next version, in one transaction.
constexpr const char* kMigrations[] = {
    // 0 -> 1: the halls and their trainees' ended lots, each lot's cells as the results show them.
    "CREATE TABLE halls (id TEXT PRIMARY KEY, opened TEXT NOT NULL);"
    "CREATE TABLE lots (hall TEXT NOT NULL REFERENCES halls(id), seq INTEGER NOT NULL,"
    " bidder INTEGER NOT NULL, name TEXT NOT NULL, cells TEXT NOT NULL, PRIMARY KEY (hall, seq));",
    // 1 -> 2: whose earlier halls each is; those before were all the server's own.
    "ALTER TABLE halls ADD COLUMN line TEXT NOT NULL DEFAULT '';",
};
static_assert(std::size(kMigrations) == ResultsStore::kSchemaVersion);

struct Statement {
  sqlite3_stmt* s = nullptr;
  Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &s, nullptr); }
  ~Statement() { sqlite3_finalize(s); }
  void text(int i, const std::string& v) {
    sqlite3_bind_text(s, i, v.c_str(), -1, SQLITE_TRANSIENT);
  }
  std::string column(int i) {
    const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, i));
    return t ? t : "";
  }
};

std::string utcNow() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  gmtime_r(&t, &tm);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
  return text;
}

}  // namespace

std::filesystem::path defaultStoreFile() {
  const char* data = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  const std::filesystem::path base = data && *data   ? std::filesystem::path(data)
                                     : home && *home ? std::filesystem::path(home) / ".local/share"
                                                     : std::filesystem::path(".");
  return base / "kobaru" / "hall.sqlite";
}

ResultsStore::ResultsStore(const std::filesystem::path& file) : file_(file) {
  std::error_code error;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
  if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
      SQLITE_OK) {
    const std::string why = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    throw StoreError("cannot open " + file.string() + ": " + why);
  }
  sqlite3_busy_timeout(db_, 2000);
  try {
    exec("PRAGMA journal_mode=WAL");
    // Every lot on disk before the hall goes on, also after a power cut.
    exec("PRAGMA synchronous=FULL");
    exec("PRAGMA foreign_keys=ON");
    Statement version(db_, "PRAGMA user_version");
    const int found = sqlite3_step(version.s) == SQLITE_ROW ? sqlite3_column_int(version.s, 0) : -1;
    if (found < 0) throw StoreError("cannot read " + file.string() + ": " + sqlite3_errmsg(db_));
    if (found > kSchemaVersion)
      throw StoreError(file.string() + " was written by a newer Kobaru (schema " +
                       std::to_string(found) + "; this one knows " +
                       std::to_string(kSchemaVersion) + ")");
    for (int v = found; v < kSchemaVersion; ++v) {
      exec("BEGIN IMMEDIATE");
      exec(kMigrations[v]);
      exec(("PRAGMA user_version=" + std::to_string(v + 1)).c_str());
      exec("COMMIT");
    }
    // Writing is what must work: a file that opens but cannot be written is no place for them.
    exec("BEGIN IMMEDIATE");
    exec("COMMIT");
  } catch (...) {
    sqlite3_close(db_);
    throw;
  }
}

ResultsStore::~ResultsStore() {
  sqlite3_close(db_);
}

void ResultsStore::exec(const char* sql) {
  char* message = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) == SQLITE_OK) return;
  const std::string why = message ? message : sqlite3_errmsg(db_);
  sqlite3_free(message);
  throw StoreError("cannot write " + file_.string() + ": " + why);
}

bool ResultsStore::failed(const char* what) {
  error_ =
      std::string("cannot keep ") + what + " in " + file_.string() + ": " + sqlite3_errmsg(db_);
  return false;
}

bool ResultsStore::openHall(const std::string& id, const std::string& line) {
  if (!writing()) return false;
  Statement s(db_, "INSERT INTO halls (id, opened, line) VALUES (?1, ?2, ?3)");
  s.text(1, id);
  s.text(2, utcNow());
  s.text(3, line);
  return sqlite3_step(s.s) == SQLITE_DONE || failed("the hall");
}

bool ResultsStore::lot(const std::string& hall, int bidder, const std::string& name,
                       const std::vector<std::string>& cells) {
  if (!writing()) return false;
  Statement s(db_,
              "INSERT INTO lots (hall, seq, bidder, name, cells) VALUES (?1, (SELECT"
              " COALESCE(MAX(seq), 0) + 1 FROM lots WHERE hall = ?1), ?2, ?3, ?4)");
  s.text(1, hall);
  sqlite3_bind_int(s.s, 2, bidder);
  s.text(3, name);
  s.text(4, nlohmann::json(cells).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
  return sqlite3_step(s.s) == SQLITE_DONE || failed("a lot");
}

std::vector<ResultsStore::StoredHall> ResultsStore::halls(const std::string& line) {
  std::vector<StoredHall> all;
  Statement s(db_,
              "SELECT id, opened, (SELECT COUNT(*) FROM lots WHERE hall = halls.id) FROM halls"
              " WHERE line = ?1 ORDER BY opened DESC, rowid DESC");
  s.text(1, line);
  while (sqlite3_step(s.s) == SQLITE_ROW)
    all.push_back({s.column(0), s.column(1), sqlite3_column_int(s.s, 2)});
  return all;
}

std::vector<ResultsStore::StoredLot> ResultsStore::lotsOf(const std::string& hall) {
  std::vector<StoredLot> all;
  Statement s(db_, "SELECT bidder, name, cells FROM lots WHERE hall = ?1 ORDER BY seq");
  s.text(1, hall);
  while (sqlite3_step(s.s) == SQLITE_ROW) {
    const auto cells = nlohmann::json::parse(s.column(2), nullptr, false);
    StoredLot lot{sqlite3_column_int(s.s, 0), s.column(1), {}};
    if (cells.is_array())
      for (const auto& c : cells)
        if (c.is_string()) lot.cells.push_back(c.get<std::string>());
    all.push_back(std::move(lot));
  }
  return all;
}

}  // namespace kobaru
