// The C interface: a request is the command line's option record, set and
// drawn through the same functions the command line uses.
#include "kestrova/barcode.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "core/symbology.h"
#include "output/bitmap_writers.h"
#include "output/output_formats.h"
#include "output/zpl_writer.h"
#include "output/refusal.h"
#include "request/draw.h"
#include "request/option_table.h"
#include "request/options.h"

struct kbc_request {
  kbc::CommandLine line;
  std::string error;
  std::string warnings;
};

namespace {

int Fail(kbc_request* request, int status, std::string_view reason) {
  request->error = kbc::OneLine(reason);
  return status;
}

// Runs `body` with the request's last error cleared; a failed allocation is a
// failure like any other, since no exception may cross into C.
template <typename Body>
int Guarded(kbc_request* request, Body body) {
  if (request == nullptr) return KBC_INVALID;
  request->error.clear();
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return Fail(request, KBC_NOT_PRODUCED, "out of memory");
  } catch (const std::exception& failure) {
    return Fail(request, KBC_NOT_PRODUCED, failure.what());
  }
}

void NoteWarnings(kbc_request* request, const kbc::CommandLine& line, const std::vector<std::string>& warnings) {
  request->warnings.clear();
  for (const auto& [option, warning] : line.valueWarnings) request->warnings += kbc::OneLine(warning) + '\n';
  for (const std::string& warning : warnings) request->warnings += kbc::OneLine(warning) + '\n';
}

}  // namespace

extern "C" {

kbc_request* kbc_request_new(void) {
  // The defaults allocate too: a failure there must not escape either.
  try {
    return new kbc_request;
  } catch (const std::exception&) {
    return nullptr;
  }
}

void kbc_request_free(kbc_request* request) { delete request; }

int kbc_request_set(kbc_request* request, const char* option, const char* value) {
  return Guarded(request, [&] {
    if (option == nullptr || value == nullptr) return Fail(request, KBC_INVALID, "no option or no value given");
    const std::string_view name = option;
    // Options of a run rather than of one barcode; the render names its action.
    if (const kbc::OptionRow* row = kbc::OptionRowOf("-" + std::string(name));
        row != nullptr && row->scope != kbc::OptionScope::Request) {
      return Fail(request, KBC_INVALID, "\"" + std::string(name) + "\" is no option of a request");
    }
    // A refused value leaves the request as it was.
    kbc::CommandLine changed = request->line;
    if (name.starts_with('-') || !kbc::ApplyOption(changed, "-" + std::string(name), value)) {
      return Fail(request, KBC_INVALID, "unknown option \"" + std::string(name) + "\"");
    }
    if (!changed.valueRefusals.empty()) return Fail(request, KBC_INVALID, changed.valueRefusals.front().second);
    if (!changed.unknownType.empty()) return Fail(request, KBC_INVALID, kbc::UnknownTypeReason(changed.unknownType));
    request->line = std::move(changed);
    return 0;
  });
}

const char* kbc_request_error(const kbc_request* request) { return request ? request->error.c_str() : ""; }

const char* kbc_request_warnings(const kbc_request* request) { return request ? request->warnings.c_str() : ""; }

int kbc_render(kbc_request* request, const char* action, unsigned char** bytes, size_t* size) {
  if (bytes != nullptr) *bytes = nullptr;
  if (size != nullptr) *size = 0;
  return Guarded(request, [&] {
    request->warnings.clear();
    if (action == nullptr || bytes == nullptr || size == nullptr) {
      return Fail(request, KBC_INVALID, "no action or no place for the bytes given");
    }
    // The action is applied as the command line applies -action: it also
    // places the symbol at the origin.
    kbc::CommandLine line = request->line;
    kbc::ApplyOption(line, "-action", action);
    if (line.action == kbc::OutputAction::None || line.action == kbc::OutputAction::Clipboard) {
      return Fail(request, KBC_INVALID, "unknown action \"" + std::string(action) + "\"");
    }
    if (kbc::PrintsRequest(line.action)) {
      return Fail(request, KBC_INVALID, "the action \"" + std::string(action) + "\" draws no file; kbc_request_info gives it");
    }
    if (!kbc::IsComplete(line)) return Fail(request, KBC_INVALID, kbc::IncompleteReason(line));
    if (line.settings.strict && !line.valueWarnings.empty()) {
      return Fail(request, KBC_NOT_PRODUCED, line.valueWarnings.front().second);
    }
    const kbc::Result<std::string> rendered = kbc::RenderRequest(line.action, line.outputPath, line.settings);
    if (!rendered) return Fail(request, KBC_NOT_PRODUCED, rendered.refusal);
    // Allocated with malloc, so that kbc_free is free: a C caller may hand
    // the buffer to code that frees it.
    auto* buffer = static_cast<unsigned char*>(std::malloc(std::max<std::size_t>(rendered->size(), 1)));
    if (buffer == nullptr) return Fail(request, KBC_NOT_PRODUCED, "out of memory");
    std::memcpy(buffer, rendered->data(), rendered->size());
    NoteWarnings(request, line, rendered.warnings);
    *bytes = buffer;
    *size = rendered->size();
    return 0;
  });
}

int kbc_request_info(kbc_request* request, char** json) {
  if (json != nullptr) *json = nullptr;
  return Guarded(request, [&] {
    request->warnings.clear();
    if (json == nullptr) return Fail(request, KBC_INVALID, "no place for the description given");
    kbc::CommandLine line = request->line;
    kbc::ApplyOption(line, "-action", "info");
    if (!kbc::IsComplete(line)) return Fail(request, KBC_INVALID, kbc::IncompleteReason(line));
    kbc::PrintedRequest printed = kbc::PrintRequest(line.action, line.settings);
    auto* text = static_cast<char*>(std::malloc(printed.line.size() + 1));
    if (text == nullptr) return Fail(request, KBC_NOT_PRODUCED, "out of memory");
    std::memcpy(text, printed.line.c_str(), printed.line.size() + 1);
    NoteWarnings(request, line, printed.status.warnings);
    *json = text;
    return printed.status ? 0 : Fail(request, KBC_NOT_PRODUCED, printed.status.refusal);
  });
}

int kbc_check(kbc_request* request, double* width, double* height) {
  if (width != nullptr) *width = 0;
  if (height != nullptr) *height = 0;
  return Guarded(request, [&] {
    if (width == nullptr || height == nullptr) return Fail(request, KBC_INVALID, "no place for the size given");
    kbc::CommandLine line = request->line;
    kbc::ApplyOption(line, "-action", "svgf");  // any file action: the size does not depend on it
    if (!kbc::IsComplete(line)) return Fail(request, KBC_INVALID, kbc::IncompleteReason(line));
    const kbc::PreparedRequest prepared = kbc::PrepareRequest(line.action, line.settings);
    if (!prepared.check) {
      return Fail(request, KBC_NOT_PRODUCED, kbc::DataRefusal(prepared.settings, prepared.check.refusal));
    }
    const kbc::Rect placed = kbc::Turned(prepared.check->image, prepared.settings.quarterTurns);
    *width = placed.width;
    *height = placed.height;
    return 0;
  });
}

int kbc_measure(kbc_request* request, const char* action, double* width, double* height) {
  if (width != nullptr) *width = 0;
  if (height != nullptr) *height = 0;
  return Guarded(request, [&] {
    if (action == nullptr || width == nullptr || height == nullptr) {
      return Fail(request, KBC_INVALID, "no action or no place for the size given");
    }
    kbc::CommandLine line = request->line;
    kbc::ApplyOption(line, "-action", action);
    const kbc::OutputFormat* format = kbc::OutputFormatOf(line.action);
    if (format == nullptr || format->render == nullptr) {
      return Fail(request, KBC_INVALID, "unknown action \"" + std::string(action) + "\"");
    }
    if (!kbc::IsComplete(line)) return Fail(request, KBC_INVALID, kbc::IncompleteReason(line));
    // A label is measured only at a resolution it can be rendered at.
    if (line.action == kbc::OutputAction::Zpl) {
      if (const std::optional<std::string> refusal = kbc::ZplDpiRefusal(line.settings)) {
        return Fail(request, KBC_INVALID, *refusal);
      }
    }
    const kbc::PreparedRequest prepared = kbc::PrepareRequest(line.action, line.settings);
    if (!prepared.check) {
      return Fail(request, KBC_NOT_PRODUCED, kbc::DataRefusal(prepared.settings, prepared.check.refusal));
    }
    if (format->bitmap) {
      const auto sides = kbc::BitmapSides(prepared.settings, prepared.check);
      if (!sides) return Fail(request, KBC_NOT_PRODUCED, "the bitmap would be empty or larger than a bitmap may be");
      *width = sides->first;
      *height = sides->second;
      return 0;
    }
    const kbc::Rect placed = kbc::Turned(prepared.check->image, prepared.settings.quarterTurns);
    *width = placed.width;
    *height = placed.height;
    return 0;
  });
}

void kbc_free(void* bytes) { std::free(bytes); }

const char* kbc_symbology_name(int index) {
  // The table's names are literals, so they end in NUL and live as long as the library.
  return index >= 1 && kbc::IsSymbology(kbc::SymbologyType(index)) ? kbc::SymbologyName(kbc::SymbologyType(index)).data()
                                                                     : nullptr;
}

const char* kbc_version(void) { return KBC_VERSION_TEXT; }

}  // extern "C"
