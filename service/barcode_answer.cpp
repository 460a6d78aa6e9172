#include "service/barcode_answer.h"

#include "output/output_formats.h"
#include "request/draw.h"
#include "service/request_fields.h"

namespace kbc {
namespace {

// The file's name: the output field's last component, as the command line
// titles its EPS document, else "barcode" with the format's extension.
std::string FileName(const CommandLine& line, const OutputFormat& format) {
  const std::string& path = line.outputPath;
  const std::size_t slash = path.rfind('/');
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return name.empty() || name == "-" ? "barcode." + std::string(format.extension) : name;
}

}  // namespace

Answer AnswerBarcode(std::span<const FormField> fields, const RequestLimits& limits) {
  for (const FormField& field : fields) {
    if (field.name == "data" && field.value.size() > limits.dataBytes) {
      return RefusalAnswer(kHttpPayloadTooLarge,
                           "the data is longer than the " + std::to_string(limits.dataBytes) + " bytes a request may hold");
    }
  }
  Result<FieldRequest> read = ReadRequestFields(fields);
  if (!read) return RefusalAnswer(kHttpBadRequest, read.refusal);
  const CommandLine& line = read->line;
  std::vector<std::string> warnings = std::move(read->ignored);
  for (const auto& [option, warning] : line.valueWarnings) warnings.push_back(warning);
  if (line.settings.strict && !line.valueWarnings.empty()) {
    return RefusalAnswer(kHttpUnprocessable, line.valueWarnings.front().second);
  }
  const OutputFormat& format = *OutputFormatOf(line.action);
  if (PrintsRequest(line.action)) {
    PrintedRequest printed = PrintRequest(line.action, line.settings);
    for (std::string& warning : printed.status.warnings) warnings.push_back(std::move(warning));
    return {.status = printed.status ? kHttpOk : kHttpUnprocessable,
            .mediaType = "application/json",
            .body = std::move(printed.line) + '\n',
            .warnings = std::move(warnings)};
  }
  const std::string fileName = FileName(line, format);
  PreparedRequest prepared = PrepareRequest(line.action, line.settings);
  if (const std::size_t pixels = BitmapPixels(line.action, prepared); pixels > limits.bitmapPixels) {
    return RefusalAnswer(kHttpPayloadTooLarge, "the bitmap would hold " + std::to_string(pixels) + " pixels, more than the " +
                                                   std::to_string(limits.bitmapPixels) + " a request may draw");
  }
  Result<std::string> rendered = RenderPreparedRequest(line.action, fileName, std::move(prepared));
  if (!rendered) return RefusalAnswer(kHttpUnprocessable, rendered.refusal);
  for (std::string& warning : rendered.warnings) warnings.push_back(std::move(warning));
  return {.status = kHttpOk,
          .mediaType = std::string(format.mediaType),
          .body = std::move(*rendered),
          .warnings = std::move(warnings),
          .fileName = fileName};
}

}  // namespace kbc
