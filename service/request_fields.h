// A request's fields, named as the command line's options without their dash,
// read into the command line's option record by the command line's own
// option readers, so that a field means exactly what its option means.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/result.h"
#include "request/options.h"
#include "service/form_fields.h"

namespace kbc {

struct FieldRequest {
  CommandLine line;
  // Fields that name no option, each as a warning naming the nearest option;
  // the option values not taken as typed are in line.valueWarnings.
  std::vector<std::string> ignored;
};

// The fields applied in order over the command line's defaults; a later field
// wins, as a later option does. Refused, as an invalid request, for a field
// that names an option of a whole run (batch, csv, threads...), an unknown
// field under strict=1, a value the command line refuses, an unknown type or
// action, the clip action, and a request without type, action or data.
Result<FieldRequest> ReadRequestFields(std::span<const FormField> fields);

// Why a field's option cannot be given in a request, or empty when it can:
// options of the whole run, and names spelt with their dash.
std::string FieldRefusal(std::string_view name);

}  // namespace kbc
