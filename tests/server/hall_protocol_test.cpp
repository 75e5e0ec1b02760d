// SPDX-License-Identifier: MIT
// The hall's protocol over loopback: a server started by each test, pages as Beast clients.
#include <gtest/gtest.h>

#include <boost/beast/http.hpp>
#include <fstream>
#include <sstream>

#include "server/journal.h"
#include "support/hall_server.h"
#include "support/inputs.h"

namespace kobaru {
namespace {

using nlohmann::json;

struct HallProtocol : ::testing::Test {
  TestSite site;
  std::filesystem::path journal = site.path / "journal.tsv";
  TestHallServer server{site.path, journal.string()};

  std::unique_ptr<TestPage> page() { return openPage(server); }
  std::unique_ptr<TestPage> trainer() { return trainerOf(server); }
  std::unique_ptr<TestPage> trainee(const std::string& name) { return traineeOf(server, name); }
};

TEST_F(HallProtocol, TheTrainerAndATraineeAreWelcomedEachWithTheirView) {
  auto t = trainer();
  const json& w = t->messages["welcome"];
  EXPECT_EQ(w["role"], "trainer");
  EXPECT_EQ(w["join"], server.server().joinAddress(server.hall));
  EXPECT_EQ(w["disabled"], json({"Command12", "Command14"}));
  EXPECT_GE(w["qr"].size(), 21u);
  EXPECT_EQ(w["layout"]["parts"][1]["elements"], json({"Command12", "Command14"}));
  EXPECT_EQ(t->shown("Command12")["caption"], "応札ボタン");
  // A new hall waits for its trainer, in manual mode.
  EXPECT_EQ(t->shown("modo10")["caption"], "手動モード");
  EXPECT_EQ(t->next("trainees")["trainees"], json::array());

  auto a = trainee("青木");
  const json& aw = a->messages["welcome"];
  EXPECT_EQ(aw["role"], "trainee");
  EXPECT_EQ(aw["bidder"], 1);
  EXPECT_EQ(aw["name"], "青木");
  EXPECT_EQ(aw["seat"].get<std::string>().size(), 32u);
  EXPECT_FALSE(aw.contains("join"));
  EXPECT_EQ(a->next("results")["results"]["rows"], json::array());
  const json list = t->next("trainees")["trainees"];
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0], json({{"bidder", 1},
                           {"name", "青木"},
                           {"connected", true},
                           {"right", false},
                           {"bids", 0},
                           {"won", 0}}));
}

TEST_F(HallProtocol, AManualLotWithThreeTrainees) {
  auto t = trainer();
  auto a = trainee("青木");
  auto b = trainee("馬場");
  auto c = trainee("千田");
  soldOut(*t, {a.get(), b.get(), c.get()});

  // Bids count in the order the server receives them.
  click(*a);
  a->until("青木's own bid", [](TestPage& q) { return newestHas(q, "YOU"); });
  click(*b);
  b->until("馬場's own bid", [](TestPage& q) { return newestHas(q, "YOU"); });
  click(*c);
  c->until("千田's own bid", [](TestPage& q) { return newestHas(q, "YOU"); });
  op(*t, "Command9");
  t->until("the award", [](TestPage& q) { return newestHas(q, "千田落札"); });
  EXPECT_NE(t->record().find("1POS 青木"), std::string::npos) << t->record();
  EXPECT_NE(t->record().find("1POS 馬場"), std::string::npos) << t->record();

  // The winner confirms; the award reads as theirs to them alone.
  c->until("the award", [](TestPage& q) { return newestHas(q, "自分落札"); });
  c->input(key(InputKind::KeyDown, "Command14", U'\r'));
  c->settle();
  for (TestPage* p : {a.get(), b.get()}) {
    p->until("the award", [](TestPage& q) { return q.record().find("落札") != std::string::npos; });
    EXPECT_EQ(p->record().find("自分落札"), std::string::npos) << p->record();
  }
  // The trainer's list follows within its interval.
  t->until("the award in the trainees' list", [](TestPage& q) {
    const json& l = q.messages["trainees"]["trainees"];
    return l.size() == 3 && l[2]["won"] == 1;
  });
  const json trainees = t->messages["trainees"]["trainees"];
  ASSERT_EQ(trainees.size(), 3u);
  EXPECT_EQ(trainees[2]["won"], 1);
  EXPECT_EQ(trainees[0]["bids"], 1);

  // Every page's record is what the core gives that viewer for the same events.
  std::map<int, TestPage*> pages = {{1, a.get()}, {2, b.get()}, {3, c.get()}};
  for (auto [bidder, p] : pages) p->settle();
  std::ifstream in(journal);
  const Replayed replayed = replayJournal(in);
  ASSERT_TRUE(replayed.hall);
  for (auto [bidder, p] : pages) {
    for (const auto& d : replayed.hall->bidderAll(bidder)) {
      if (d.element().name == "ousatu") {
        EXPECT_EQ(p->record(), std::get<TextBox>(d.state).text);
      }
    }
  }

  // The results: the CSV lists the lot of each trainee under a heading.
  t->send({{"type", "csv"}});
  const std::string csv = t->next("csv")["text"];
  std::istringstream lines(csv);
  std::vector<std::string> rows;
  for (std::string line; std::getline(lines, line);) rows.push_back(line);
  ASSERT_EQ(rows.size(), 4u) << csv;
  EXPECT_EQ(rows[0].rfind("名前,", 0), 0u);
  EXPECT_EQ(rows[1].rfind("青木,", 0), 0u);
  EXPECT_NE(rows[3].find("自分落札"), std::string::npos) << rows[3];
}

TEST_F(HallProtocol, ATraineeWhoDropsComesBackIntoTheSameSeat) {
  auto t = trainer();
  std::string seat;
  {
    auto a = trainee("青木");
    seat = a->messages["welcome"]["seat"];
    a->drop();
  }
  t->until("the trainee gone", [](TestPage& q) {
    const json& l = q.messages["trainees"]["trainees"];
    return l.size() == 1 && l[0]["connected"] == false;
  });
  auto back = page();
  back->send({{"type", "join"}, {"seat", seat}, {"name", "ignored"}});
  const json w = back->next("welcome");
  EXPECT_EQ(w["bidder"], 1);
  EXPECT_EQ(w["name"], "青木");
  EXPECT_EQ(w["seat"], seat);
  t->until("the trainee back", [](TestPage& q) {
    const json& l = q.messages["trainees"]["trainees"];
    return l.size() == 1 && l[0]["connected"] == true;
  });

  // A seat nobody holds, or one not written as a seat is, is no seat: join by name instead.
  for (const std::string& unknown : {std::string(32, 'a'), std::string("x"), std::string()}) {
    auto p = page();
    p->send({{"type", "join"}, {"seat", unknown}});
    if (unknown.empty()) {
      EXPECT_EQ(p->next("error")["code"], "badName");
    } else {
      EXPECT_EQ(p->next("error")["code"], "noSeat");
    }
    p->send({{"type", "join"}, {"name", "次郎"}});
    EXPECT_EQ(p->next("welcome")["name"], "次郎");
  }
}

TEST_F(HallProtocol, OnlyTheTrainersKeyOpensTheOperatorsSide) {
  {
    auto wrong = page();
    wrong->send({{"type", "trainer"}, {"key", std::string(32, '0')}});
    EXPECT_EQ(wrong->next("error")["code"], "badKey");
    EXPECT_TRUE(wrong->closed());
  }
  auto t = trainer();
  auto a = trainee("青木");
  t->settle();
  // A trainee's hand on the operator's buttons moves nothing, and the results and the end are
  // the trainer's.
  const std::string before = t->shown("Label14").dump();
  for (const char* name : {"Command23", "Command11", "Command1", "Command26", "Command25"})
    op(*a, name);
  a->input(typed("Text6", "500"));
  for (const char* type : {"csv", "end"}) {
    a->send({{"type", type}});
    EXPECT_EQ(a->next("error")["code"], "notAllowed");
  }
  a->settle();
  t->settle();
  EXPECT_EQ(t->messages.count("view"), 0u) << t->messages["view"].dump();
  EXPECT_EQ(t->shown("Label14").dump(), before);
  // Nor can a page that has not said who it is, nor one that says it twice.
  auto stranger = page();
  stranger->input(key(InputKind::KeyDown, "Command11", U'\r'));
  EXPECT_EQ(stranger->next("error")["code"], "notYet");
  a->send({{"type", "trainer"}, {"key", server.key}});
  EXPECT_EQ(a->next("error")["code"], "notAllowed");
}

TEST_F(HallProtocol, TheTrainersEndEndsTheHallForEverybody) {
  auto t = trainer();
  auto a = trainee("青木");
  t->send({{"type", "end"}});
  for (TestPage* p : {t.get(), a.get()}) {
    EXPECT_EQ(p->next("ended")["reason"], "trainer");
    EXPECT_TRUE(p->closed());
  }
  // The old hall is gone: its pages are refused.
  std::unique_ptr<TestPage> late;
  EXPECT_THROW(late = page(), boost::system::system_error);
}

TEST_F(HallProtocol, MessagesThatAreNoneOfTheProtocolsAreAnsweredAndTheConnectionStays) {
  auto a = trainee("青木");
  const std::string bad[] = {
      "not json",
      "[]",
      "3",
      R"({"type":"nope"})",
      R"({"type":1})",
      R"({"type":"input"})",
      R"({"type":"input","input":[]})",
      R"({"type":"ping"})",
      R"({"type":"ping","t":"x"})",
      "",
  };
  for (const std::string& text : bad) {
    a->sendText(text);
    EXPECT_EQ(a->next("error")["code"], "badMessage") << text;
  }
  // Names: none, too long, a control character.
  auto p = page();
  for (const std::string& name :
       {std::string(), std::string(21, 'x'), std::string("a\tb"), std::string("\xC2\x85")}) {
    p->send({{"type", "join"}, {"name", name}});
    EXPECT_EQ(p->next("error")["code"], "badName") << name;
  }
  p->send({{"type", "join"}, {"name", std::string(20, 'x')}});
  EXPECT_EQ(p->next("welcome")["role"], "trainee");
  a->settle();
}

TEST_F(HallProtocol, APageOfAnotherSiteMayNotOpenTheHallsSocket) {
  const std::string own = "http://127.0.0.1:" + std::to_string(server.port);
  EXPECT_NO_THROW(TestPage(server.port, server.hall, own));
  const std::string foreign[] = {
      "http://evil.example", "http://127.0.0.1:1", own + ".evil", "null", "file://",
      "ws://127.0.0.1"};
  for (const std::string& origin : foreign) {
    EXPECT_THROW(TestPage(server.port, server.hall, origin), boost::system::system_error) << origin;
  }
}

TEST_F(HallProtocol, APageThatKeepsSendingWhatTheHallCannotTakeIsClosedWithWhy) {
  auto p = page();
  for (int i = 0; i < Hall::kMostBadMessages; ++i) p->sendText("{");
  EXPECT_TRUE(p->closed());
  EXPECT_EQ(p->closeReason(), "too many messages the hall cannot take");

  // Inputs faster than a hand gives them, and the seat is let go at once.
  auto t = trainer();
  auto a = trainee("青木");
  for (int i = 0; i < 200; ++i) a->input(key(InputKind::KeyUp, "Command12", U' '));
  EXPECT_TRUE(a->closed());
  EXPECT_EQ(a->closeReason(), "more than 30 inputs a second");
  t->until("the trainee gone", [](TestPage& q) {
    const json& l = q.messages["trainees"]["trainees"];
    return l.size() == 1 && l[0]["connected"] == false;
  });
}

TEST_F(HallProtocol, TheSiteIsServedAndNothingOutsideIt) {
  namespace http = boost::beast::http;
  struct Case {
    http::verb method;
    const char* target;
    http::status status;
  };
  const Case cases[] = {
      {http::verb::get, "/", http::status::ok},
      {http::verb::get, "/trainer.html?hall=x", http::status::ok},
      {http::verb::head, "/join.html", http::status::ok},
      {http::verb::get, "/journal.tsv/../../etc/passwd", http::status::not_found},
      {http::verb::get, "/%2e%2e/etc/passwd", http::status::not_found},
      {http::verb::get, "/nothing.html", http::status::not_found},
      {http::verb::get, "/ws?hall=x", http::status::not_found},
      {http::verb::post, "/", http::status::method_not_allowed},
  };
  for (const Case& c : cases) {
    const auto response = httpAnswer(server.port, c.method, c.target);
    EXPECT_EQ(response.result(), c.status) << c.target;
    if (c.status == http::status::ok && c.method == http::verb::get) {
      EXPECT_EQ(response[http::field::content_type], "text/html; charset=utf-8");
    }
  }
}

}  // namespace
}  // namespace kobaru
