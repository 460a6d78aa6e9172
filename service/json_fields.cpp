#include "service/json_fields.h"

#include <nlohmann/json.hpp>

namespace kbc {

Result<std::vector<FormField>> ReadJsonFields(std::string_view body) {
  // Ordered, so that a later member wins as a later option does.
  const nlohmann::ordered_json object = nlohmann::ordered_json::parse(body, nullptr, false);
  if (object.is_discarded()) return Refusal("the body is not valid JSON");
  if (!object.is_object()) return Refusal("the JSON body is not one object of fields");
  std::vector<FormField> fields;
  for (const auto& [name, value] : object.items()) {
    std::string text;
    if (value.is_string()) {
      text = value.get<std::string>();
    } else if (value.is_boolean()) {
      text = value.get<bool>() ? "1" : "0";
    } else if (value.is_number()) {
      text = value.dump();
    } else {
      return Refusal("the field \"" + name + "\" is not a string, a number or a boolean");
    }
    if (text.find('\0') != std::string::npos) return Refusal("the field \"" + name + "\" holds a NUL character");
    fields.push_back({name, std::move(text)});
  }
  return fields;
}

}  // namespace kbc
