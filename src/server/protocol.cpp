// SPDX-License-Identifier: MIT
#include "server/protocol.h"

#include <cmath>

namespace kobaru {

namespace {

using nlohmann::json;
using Type = ClientMessage::Type;

struct NamedType {
  std::string_view name;
  Type type;
};

constexpr NamedType kTypes[] = {{"trainer", Type::Trainer}, {"join", Type::Join},
                                {"input", Type::Input},     {"ping", Type::Ping},
                                {"csv", Type::Csv},         {"end", Type::End}};

struct ErrorText {
  ProtocolError error;
  const char* code;
  const char* message;
};

constexpr ErrorText kErrors[] = {
    {ProtocolError::BadMessage, "badMessage", "The message is not one the hall knows."},
    {ProtocolError::BadKey, "badKey", "This is not the trainer's key of this hall."},
    {ProtocolError::BadName, "badName", "A name has 1 to 20 characters and no control characters."},
    {ProtocolError::NoSeat, "noSeat", "That seat is not kept any more: join by name."},
    {ProtocolError::NotYet, "notYet", "Say who you are first: trainer or join."},
    {ProtocolError::NotAllowed, "notAllowed", "That is not yours to do here."},
    {ProtocolError::HallFull, "hallFull", "The hall has as many trainees as it takes."},
    {ProtocolError::NoHall, "noHall", "No hall of that id is kept."},
};

std::string stringField(const json& m, const char* name) {
  const auto f = m.find(name);
  return f != m.end() && f->is_string() ? f->get<std::string>() : std::string();
}

}  // namespace

std::variant<ClientMessage, ProtocolError> parseClientMessage(std::string_view text) {
  const json m = json::parse(text, nullptr, false);
  if (m.is_discarded() || !m.is_object()) return ProtocolError::BadMessage;
  const std::string type = stringField(m, "type");
  ClientMessage c;
  const auto known = std::find_if(std::begin(kTypes), std::end(kTypes),
                                  [&type](const NamedType& t) { return t.name == type; });
  if (known == std::end(kTypes)) return ProtocolError::BadMessage;
  c.type = known->type;
  switch (c.type) {
    case Type::Trainer:
      c.key = stringField(m, "key");
      break;
    case Type::Join:
      c.name = stringField(m, "name");
      c.seat = stringField(m, "seat");
      break;
    case Type::Input: {
      const auto input = m.find("input");
      if (input == m.end() || !input->is_object()) return ProtocolError::BadMessage;
      c.input = *input;
      break;
    }
    case Type::Ping: {
      const auto t = m.find("t");
      if (t == m.end() || !t->is_number() || !std::isfinite(t->get<double>()))
        return ProtocolError::BadMessage;
      c.t = t->get<double>();
      break;
    }
    case Type::Csv:
      c.hall = stringField(m, "hall");
      break;
    case Type::End:
      break;
  }
  return c;
}

bool acceptableName(const std::string& name) {
  // The parser has checked the UTF-8: count the characters by their first bytes.
  int characters = 0;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if ((byte & 0xC0) == 0x80) continue;
    ++characters;
    if (byte < 0x20 || byte == 0x7F) return false;
    // U+0080 to U+009F, the other control characters.
    if (byte == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) < 0xA0)
      return false;
  }
  return characters >= 1 && characters <= 20;
}

std::string errorReply(ProtocolError e) {
  const ErrorText& t = kErrors[static_cast<int>(e)];
  return wireText({{"type", "error"}, {"code", t.code}, {"message", t.message}});
}

std::string wireText(const json& message) {
  return message.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace kobaru
