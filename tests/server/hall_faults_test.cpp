// SPDX-License-Identifier: MIT
// Faults a hall lives through: trainees' connections cut in the middle of a hold and of a
// sell-out (they come back into their seats and the lot goes on), and the server killed in the
// middle of a lot (started again, it has every ended lot, in a sound file).
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "support/hall_process.h"
#include "support/hall_server.h"

namespace kobaru {
namespace {

using nlohmann::json;

std::unique_ptr<TestPage> backInto(TestHallServer& server, const std::string& seat) {
  auto p = openPage(server);
  p->send({{"type", "join"}, {"seat", seat}});
  p->next("welcome");
  return p;
}

bool holdsRight(TestPage& trainer, int bidder) {
  for (const json& t : trainer.messages["trainees"]["trainees"])
    if (t["bidder"] == bidder) return t["right"] == true && t["connected"] == true;
  return false;
}

struct HallFaults : ::testing::Test {
  TestSite site;
  TestHallServer server{site.path};
};

TEST_F(HallFaults, ATraineeCutOffAfterTheSellOutComesBackWithTheRightAndTheLotGoesOn) {
  auto t = trainerOf(server);
  auto a = traineeOf(server, "青木");
  auto b = traineeOf(server, "馬場");
  const std::string seat = a->messages["welcome"]["seat"];
  soldOut(*t, {a.get(), b.get()});
  click(*a);
  a->until("青木's bid", [](TestPage& q) { return newestHas(q, "YOU"); });
  const std::string record = a->record();
  a->drop();
  a = backInto(server, seat);
  EXPECT_EQ(a->record(), record);
  t->until("青木 back with the right", [](TestPage& q) { return holdsRight(q, 1); });
  // The lot goes on: 馬場 takes it one position up, then wins it.
  click(*b);
  b->until("馬場's bid", [](TestPage& q) { return newestHas(q, "YOU"); });
  op(*t, "Command9");
  b->until("the award", [](TestPage& q) { return newestHas(q, "自分落札"); });
  a->until("the award", [](TestPage& q) { return q.record().find("落札") != std::string::npos; });
  EXPECT_EQ(a->record().find("自分落札"), std::string::npos) << a->record();
}

TEST_F(HallFaults, ATraineeCutOffWhileHoldingTheButtonLetsGoAndComesBackWithTheRight) {
  auto t = trainerOf(server);
  auto a = traineeOf(server, "青木");
  const std::string seat = a->messages["welcome"]["seat"];
  op(*t, "Command23");
  for (const char* name : {"Command11", "Command1", "Command2"}) op(*t, name);
  t->settle();
  // Held with the clock standing: it climbs until the hand lets go, which a cut does.
  Input hold;
  hold.kind = InputKind::ButtonDown;
  hold.name = "Command12";
  hold.pointer = 1;
  a->input(hold);
  a->settle();
  a->drop();
  t->until("the right to 青木, cut off", [](TestPage& q) {
    for (const json& tr : q.messages["trainees"]["trainees"])
      if (tr["bidder"] == 1) return tr["right"] == true && tr["connected"] == false;
    return false;
  });
  const std::string price = t->shown("Text9").dump();
  t->settle();
  EXPECT_EQ(t->shown("Text9").dump(), price) << "the clock climbs on for a hand that has gone";
  a = backInto(server, seat);
  t->until("青木 back with the right", [](TestPage& q) { return holdsRight(q, 1); });
  EXPECT_EQ(a->shown("kenri2").value("foreColor", 0), t->shown("kenri2").value("foreColor", 1));
}

TEST(HallKilled, AServerKilledInTheMiddleOfALotKeepsEveryEndedLot) {
  TestSite site;
  const auto data = site.path / "hall.sqlite";
  std::string earlier;
  {
    ServerProcess process(KOBARU_HALL, site.path, data);
    earlier = process.hall;
    const auto page = [&process] { return std::make_unique<TestPage>(process.port, process.hall); };
    auto t = page();
    t->send({{"type", "trainer"}, {"key", process.key}});
    t->next("welcome");
    auto a = page();
    a->send({{"type", "join"}, {"name", "青木"}});
    a->next("welcome");
    auto b = page();
    b->send({{"type", "join"}, {"name", "馬場"}});
    b->next("welcome");
    playLot(*t, *a, *b);
    // The next lot, under way when the server dies.
    soldOut(*t, {a.get(), b.get()});
    click(*a);
    a->until("a bid of the next lot", [](TestPage& q) { return newestHas(q, "YOU"); });
    process.killNow();
  }
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(data.c_str(), &db), SQLITE_OK);
  sqlite3_stmt* check = nullptr;
  sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
  ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
  sqlite3_finalize(check);
  sqlite3_close(db);

  ServerProcess again(KOBARU_HALL, site.path, data);
  TestPage t(again.port, again.hall);
  t.send({{"type", "trainer"}, {"key", again.key}});
  const json halls = t.next("halls")["halls"];
  ASSERT_EQ(halls.size(), 2u) << halls.dump();
  EXPECT_EQ(halls[1]["hall"], earlier);
  EXPECT_EQ(halls[1]["lots"], 2);  // the awarded lot of each trainee; the one cut off never ended
  t.send({{"type", "csv"}, {"hall", earlier}});
  const std::string csv = t.next("csv")["text"];
  EXPECT_NE(csv.find("自分落札"), std::string::npos) << csv;
}

}  // namespace
}  // namespace kobaru
