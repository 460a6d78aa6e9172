// The service's request-to-options mapping: a query string or form body, or
// a JSON body, read into fields and the fields into the command line's
// option record. Fields that are read encode back to themselves; a request
// that is accepted is complete and draws into a file or a description.
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "service/form_fields.h"
#include "service/json_fields.h"
#include "service/request_fields.h"

namespace kbc::fuzz {
namespace {

std::string Encoded(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const unsigned char c : text) encoded += {'%', kHex[c >> 4], kHex[c & 15]};
  return encoded;
}

void CheckRequest(const std::vector<FormField>& fields) {
  const Result<FieldRequest> request = ReadRequestFields(fields);
  if (!request) {
    Require(!request.refusal.empty(), "a refused request says why");
    return;
  }
  const CommandLine& line = request->line;
  Require(IsComplete(line), "an accepted request is complete");
  Require(line.action != OutputAction::Clipboard, "the clipboard is never drawn into");
  Require(line.valueRefusals.empty(), "a refused value refuses the request");
  Require(line.batchPath.empty() && line.csvPath.empty(), "a request names no file to read");
}

}  // namespace
}  // namespace kbc::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kbc;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const Result<std::vector<FormField>> form = ReadFormFields(bytes);
  if (form) {
    std::string again;
    for (const FormField& field : *form) again += fuzz::Encoded(field.name) + "=" + fuzz::Encoded(field.value) + "&";
    const Result<std::vector<FormField>> reread = ReadFormFields(again);
    fuzz::Require(reread && reread->size() == form->size(), "read fields encode back to as many fields");
    for (std::size_t i = 0; i < form->size(); ++i) {
      fuzz::Require((*reread)[i].name == (*form)[i].name && (*reread)[i].value == (*form)[i].value,
                    "read fields encode back to themselves");
    }
    fuzz::CheckRequest(*form);
  }
  if (const Result<std::vector<FormField>> json = ReadJsonFields(bytes)) fuzz::CheckRequest(*json);
  return 0;
}
