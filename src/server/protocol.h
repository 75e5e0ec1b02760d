// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>

namespace kobaru {

// A page's message to the hall, checked: its type known and its fields of their types.
struct ClientMessage {
  enum class Type { Trainer, Join, Input, Ping, Csv, End };
  Type type = Type::Ping;
  std::string key;       // Trainer
  std::string name;      // Join: a new seat under this name
  std::string seat;      // Join: back into this seat (wins over the name)
  std::string hall;      // Csv: a kept hall's ("" for this one)
  nlohmann::json input;  // Input: the raw input object
  double t = 0;          // Ping
};

enum class ProtocolError {
  BadMessage,
  BadKey,
  BadName,
  NoSeat,
  NotYet,
  NotAllowed,
  HallFull,
  NoHall
};

// The message as the page sent it, or what is wrong with it.
std::variant<ClientMessage, ProtocolError> parseClientMessage(std::string_view text);

// A trainee's name: 1 to 20 characters, none of them a control character.
bool acceptableName(const std::string& name);

// The error's reply: {"type": "error", "code", "message"}.
std::string errorReply(ProtocolError e);

// A message of the server's as sent: JSON that is always valid UTF-8.
std::string wireText(const nlohmann::json& message);

}  // namespace kobaru
