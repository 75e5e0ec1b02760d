// SPDX-License-Identifier: MIT
// The halls' results kept on disk: they outlive the server, a file that cannot keep them stops it
// before it serves, and a hall whose results stop being kept says so and starts no lot.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>

#include "server/results_store.h"
#include "support/hall_server.h"

namespace kobaru {
namespace {

using nlohmann::json;

std::vector<std::string> csvLines(const std::string& csv) {
  std::vector<std::string> lines;
  std::istringstream in(csv);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(HallResults, EveryEndedLotOutlivesTheServerAndDownloadsLater) {
  TestSite site;
  const auto data = site.path / "data" / "hall.sqlite";
  std::string earlier;
  {
    TestHallServer server(site.path, "", data);
    earlier = server.hall;
    auto t = trainerOf(server);
    auto a = traineeOf(server, "青木");
    auto b = traineeOf(server, "馬場");
    playLot(*t, *a, *b);
    // The next lot's preparation ends nothing new; the awarded lot is kept already.
    t->settle();
  }
  TestHallServer server(site.path, "", data);
  auto t = trainerOf(server);
  const json halls = t->next("halls")["halls"];
  ASSERT_EQ(halls.size(), 2u) << halls.dump();
  EXPECT_EQ(halls[0]["hall"], server.hall);
  EXPECT_EQ(halls[0]["current"], true);
  EXPECT_EQ(halls[1]["hall"], earlier);
  EXPECT_EQ(halls[1]["lots"], 2);
  t->send({{"type", "csv"}, {"hall", earlier}});
  const json csv = t->next("csv");
  EXPECT_EQ(csv["hall"], earlier);
  const auto lines = csvLines(csv["text"]);
  ASSERT_EQ(lines.size(), 3u) << csv["text"];
  EXPECT_EQ(lines[1].rfind("青木,", 0), 0u);
  EXPECT_NE(lines[2].find("自分落札"), std::string::npos) << lines[2];
  t->send({{"type", "csv"}, {"hall", std::string(32, 'f')}});
  EXPECT_EQ(t->next("error")["code"], "noHall");
}

TEST(HallResults, AFileThatCannotKeepThemIsRefusedWithWhy) {
  TestSite site;
  std::ofstream(site.path / "plain") << "a file, not a folder\n";
  const auto newer = site.path / "newer.sqlite";
  {
    sqlite3* db = nullptr;
    sqlite3_open(newer.c_str(), &db);
    sqlite3_exec(db, "PRAGMA user_version=99", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
  std::ofstream(site.path / "garbage.sqlite") << std::string(4096, 'x');
  struct Case {
    std::filesystem::path file;
    const char* said;
  };
  const Case cases[] = {
      {site.path / "plain" / "hall.sqlite", "cannot open"},
      {site.path, "cannot open"},
      {newer, "newer Kobaru"},
      {site.path / "garbage.sqlite", "not a database"},
  };
  for (const Case& c : cases) {
    try {
      ResultsStore store(c.file);
      ADD_FAILURE() << c.file << " opened";
    } catch (const StoreError& e) {
      EXPECT_NE(std::string(e.what()).find(c.said), std::string::npos) << e.what();
    }
  }
  // A file of the first schema is brought up to this program's, its halls the server's own.
  const auto older = site.path / "older.sqlite";
  {
    sqlite3* db = nullptr;
    sqlite3_open(older.c_str(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE halls (id TEXT PRIMARY KEY, opened TEXT NOT NULL);"
                 "CREATE TABLE lots (hall TEXT NOT NULL REFERENCES halls(id), seq INTEGER NOT"
                 " NULL, bidder INTEGER NOT NULL, name TEXT NOT NULL, cells TEXT NOT NULL,"
                 " PRIMARY KEY (hall, seq));"
                 "INSERT INTO halls VALUES ('h1', '2026-12-01T09:00:00Z');"
                 "INSERT INTO lots VALUES ('h1', 1, 1, '青木', '[\"1001\"]');"
                 "PRAGMA user_version=1;",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
  ResultsStore again(older);
  EXPECT_TRUE(again.writing());
  const auto kept = again.halls("");
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].id, "h1");
  EXPECT_EQ(kept[0].lots, 1);
  ASSERT_EQ(again.lotsOf("h1").size(), 1u);
  EXPECT_EQ(again.lotsOf("h1")[0].cells, std::vector<std::string>{"1001"});
  EXPECT_TRUE(again.openHall("h2", "h2"));
  EXPECT_EQ(again.halls("").size(), 1u);
  EXPECT_EQ(again.halls("h2").size(), 1u);
}

TEST(HallResults, AHallWhoseResultsStopBeingKeptSaysSoAndStartsNoLot) {
  TestSite site;
  const auto data = site.path / "hall.sqlite";
  TestHallServer server(site.path, "", data);
  auto t = trainerOf(server);
  auto a = traineeOf(server, "青木");
  auto b = traineeOf(server, "馬場");
  // Another program holds the file's write lock past the hall's wait for it.
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(data.c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  playLot(*t, *a, *b);
  const json storage = t->next("storage");
  EXPECT_EQ(storage["ok"], false);
  EXPECT_NE(storage["message"].get<std::string>().find("hall.sqlite"), std::string::npos);
  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  // No new lot: the start and the automatic play are refused.
  t->settle();
  const std::string before = t->shown("Label14").dump() + t->shown("modo10").dump();
  for (const char* name : {"Command11", "Command1", "Command26"}) op(*t, name);
  t->settle();
  EXPECT_EQ(t->shown("Label14").dump() + t->shown("modo10").dump(), before);
  // A trainer's page that comes later is told too.
  auto late = openPage(server);
  late->send({{"type", "trainer"}, {"key", server.key}});
  EXPECT_EQ(late->next("storage")["ok"], false);
}

}  // namespace
}  // namespace kobaru
