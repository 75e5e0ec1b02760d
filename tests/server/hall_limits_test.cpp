// SPDX-License-Identifier: MIT
// Halls opened on request, and what one address may hold: halls and connections, counted by the
// address a configured proxy forwards.
#include <gtest/gtest.h>

#include <regex>

#include "server/visitors.h"
#include "support/hall_server.h"

namespace kobaru {
namespace {

namespace http = boost::beast::http;
using nlohmann::json;

constexpr char kProxy[] = "127.0.0.1";

http::response<http::string_body> askForHall(unsigned short port, const std::string& from = "") {
  if (from.empty()) return httpAnswer(port, http::verb::post, "/halls");
  return httpAnswer(port, http::verb::post, "/halls", {{"X-Forwarded-For", from}});
}

TEST(HallVisitors, TheProxysLastForwardedAddressIsTheVisitor) {
  const auto ip = [](const char* a) { return boost::asio::ip::make_address(a); };
  const std::optional<boost::asio::ip::address> proxy = ip(kProxy);
  struct Case {
    const char* peer;
    const char* forwarded;
    bool behindProxy;
    const char* visitor;
  };
  const Case cases[] = {
      {"127.0.0.1", "10.0.0.7", true, "10.0.0.7"},
      {"127.0.0.1", "1.2.3.4, 10.0.0.7", true, "10.0.0.7"},  // the first is the client's say
      {"127.0.0.1", " 2001:db8::1 ", true, "2001:db8::1"},
      {"127.0.0.1", "", true, "127.0.0.1"},
      {"127.0.0.1", "not an address", true, "127.0.0.1"},
      {"127.0.0.1", "10.0.0.7,", true, "127.0.0.1"},
      {"10.0.0.9", "10.0.0.7", true, "10.0.0.9"},     // not from the proxy
      {"127.0.0.1", "10.0.0.7", false, "127.0.0.1"},  // no proxy configured
  };
  for (const Case& c : cases)
    EXPECT_EQ(visitorOf(ip(c.peer), c.forwarded, c.behindProxy ? proxy : std::nullopt),
              ip(c.visitor))
        << c.peer << " / " << c.forwarded;
}

TEST(HallsOnRequest, EachAskedForHallIsItsOwnWithinTheLimits) {
  TestSite site;
  TestHallServer server(site.path, "", {}, [](ServerOptions& o) {
    o.instance = "a";
    o.publicOrigin = "https://hall.example";
    o.proxy = boost::asio::ip::make_address(kProxy);
    o.mostHalls = 4;
    o.mostHallsPerAddress = 2;
  });
  const std::regex id("a-[0-9a-f]{32}");
  EXPECT_TRUE(std::regex_match(server.hall, id)) << server.hall;

  const auto answer = askForHall(server.port, "10.0.0.1");
  ASSERT_EQ(answer.result(), http::status::created) << answer.body();
  const json addresses = json::parse(answer.body());
  const std::string trainer = addresses["trainer"], join = addresses["join"];
  std::smatch m;
  ASSERT_TRUE(std::regex_match(
      trainer, m,
      std::regex(R"(https://hall\.example/trainer\.html\?hall=(a-[0-9a-f]{32})#([0-9a-f]{32}))")))
      << trainer;
  const std::string hall = m[1], key = m[2];
  EXPECT_NE(hall, server.hall);
  EXPECT_EQ(join, "https://hall.example/join.html?hall=" + hall);

  // Its trainer's key opens it, and its trainer reads no other hall; the first hall's key does
  // not open it.
  TestPage t(server.port, hall);
  t.send({{"type", "trainer"}, {"key", key}});
  EXPECT_EQ(t.next("welcome")["join"], join);
  const json halls = t.next("halls")["halls"];
  ASSERT_EQ(halls.size(), 1u) << halls.dump();
  EXPECT_EQ(halls[0]["hall"], hall);
  TestPage other(server.port, hall);
  other.send({{"type", "trainer"}, {"key", server.key}});
  EXPECT_EQ(other.next("error")["code"], "badKey");
  auto first = trainerOf(server);
  const json firstHalls = first->next("halls")["halls"];
  for (const json& h : firstHalls) EXPECT_NE(h["hall"], hall);

  // Two halls for an address, four for the server (its own among them); a hall ended makes room.
  EXPECT_EQ(askForHall(server.port, "10.0.0.1").result(), http::status::created);
  const auto third = askForHall(server.port, "10.0.0.1");
  EXPECT_EQ(third.result(), http::status::too_many_requests);
  EXPECT_NE(third.body().find("as many halls as it may"), std::string::npos) << third.body();
  EXPECT_EQ(askForHall(server.port, "10.0.0.2").result(), http::status::created);
  EXPECT_EQ(askForHall(server.port, "10.0.0.3").result(), http::status::service_unavailable);
  t.send({{"type", "end"}});
  EXPECT_TRUE(t.closed());
  EXPECT_EQ(askForHall(server.port, "10.0.0.1").result(), http::status::created);

  struct Refused {
    http::verb method;
    std::initializer_list<std::pair<const char*, std::string>> fields;
    http::status status;
  };
  const Refused refused[] = {
      {http::verb::get, {}, http::status::method_not_allowed},
      {http::verb::post, {{"Origin", "https://evil.example"}}, http::status::forbidden},
  };
  for (const Refused& r : refused)
    EXPECT_EQ(httpAnswer(server.port, r.method, "/halls", r.fields).result(), r.status);
}

TEST(HallVisitors, OneAddressHoldsAtMostSoManyConnections) {
  TestSite site;
  TestHallServer server(site.path, "", {}, [](ServerOptions& o) {
    o.proxy = boost::asio::ip::make_address(kProxy);
    o.mostConnectionsPerAddress = 3;
  });
  const auto pageFrom = [&server](const std::string& from) {
    return std::make_unique<TestPage>(server.port, server.hall, "", from);
  };
  std::vector<std::unique_ptr<TestPage>> pages;
  for (int i = 0; i < 3; ++i) pages.push_back(pageFrom("10.0.0.1"));
  EXPECT_THROW(pageFrom("10.0.0.1"), boost::system::system_error);
  const auto site429 =
      httpAnswer(server.port, http::verb::get, "/", {{"X-Forwarded-For", "10.0.0.1"}});
  EXPECT_EQ(site429.result(), http::status::too_many_requests);
  EXPECT_NE(site429.body().find("Too many connections"), std::string::npos);
  // Another address behind the same proxy is counted apart.
  auto elsewhere = pageFrom("10.0.0.2");
  elsewhere->send({{"type", "join"}, {"name", "青木"}});
  EXPECT_EQ(elsewhere->next("welcome")["role"], "trainee");
  // A page that goes gives its place back, once the server has seen it go.
  pages.back()->drop();
  pages.pop_back();
  std::unique_ptr<TestPage> again;
  const auto deadline = std::chrono::steady_clock::now() + TestPage::kWait;
  while (!again && std::chrono::steady_clock::now() < deadline) {
    try {
      again = pageFrom("10.0.0.1");
    } catch (const boost::system::system_error&) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  EXPECT_TRUE(again) << "no place given back in time";
}

}  // namespace
}  // namespace kobaru
