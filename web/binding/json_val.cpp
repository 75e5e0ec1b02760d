// SPDX-License-Identifier: MIT
#include "json_val.h"

namespace kobaru {

using emscripten::val;

val toVal(const nlohmann::json& j) {
  return val::global("JSON").call<val>(
      "parse", j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

nlohmann::json fieldsOf(const val& v, std::span<const char* const> names) {
  nlohmann::json fields = nlohmann::json::object();
  if (v.isNull() || v.typeOf().as<std::string>() != "object") return fields;
  for (const char* name : names) {
    const val f = v[name];
    if (f.isString()) {
      fields[name] = f.as<std::string>();
    } else if (f.isNumber()) {
      fields[name] = f.as<double>();
    } else if (f.isTrue() || f.isFalse()) {
      fields[name] = f.isTrue();
    }
  }
  return fields;
}

}  // namespace kobaru
