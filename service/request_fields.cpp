#include "service/request_fields.h"

#include "output/zpl_writer.h"
#include "request/option_table.h"

namespace kbc {

std::string FieldRefusal(std::string_view name) {
  if (name.empty()) return "a field has no name";
  if (name.starts_with('-')) return "the field \"" + std::string(name) + "\" is named with a dash; fields are named without it";
  const OptionRow* row = OptionRowOf("-" + std::string(name));
  if (row != nullptr && row->scope == OptionScope::Run) {
    return "the field \"" + std::string(name) + "\" cannot be used in a request: " + std::string(row->runReason);
  }
  return {};
}

Result<FieldRequest> ReadRequestFields(std::span<const FormField> fields) {
  FieldRequest request;
  CommandLine& line = request.line;
  for (const FormField& field : fields) {
    if (std::string refusal = FieldRefusal(field.name); !refusal.empty()) return Refusal(std::move(refusal));
  }
  // Every value is read in the encoding, wherever the field stands.
  for (const FormField& field : fields) {
    if (field.name == "encoding") ApplyOption(line, "-encoding", field.value);
  }
  for (const FormField& field : fields) {
    const std::string option = "-" + field.name;
    if (ApplyOption(line, option, field.value)) continue;
    std::string warning = "unknown field \"" + field.name + "\" ignored";
    if (const std::string_view nearest = NearestOptionName(option); !nearest.empty()) {
      warning += "; did you mean \"" + std::string(nearest.substr(1)) + "\"?";
    }
    request.ignored.push_back(std::move(warning));
  }
  if (line.settings.strict && !request.ignored.empty()) return Refusal(request.ignored.front());
  if (!line.valueRefusals.empty()) return Refusal(line.valueRefusals.front().second);
  if (!line.unknownType.empty()) return Refusal(UnknownTypeReason(line.unknownType));
  if (line.action == OutputAction::Clipboard) return Refusal("the action \"clip\" fills a clipboard; a service has none");
  if (!IsComplete(line)) return Refusal(IncompleteReason(line));
  if (line.action == OutputAction::Zpl) {
    if (const std::optional<std::string> refusal = ZplDpiRefusal(line.settings)) return Refusal(*refusal);
  }
  return request;
}

}  // namespace kbc
