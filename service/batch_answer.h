// A batch over HTTP: a CSV body in the command line's -csv format (a header
// row naming options, one request per row), the query's fields standing
// under every row as the command line's options do.
#pragma once

#include <span>
#include <string_view>

#include "service/answer.h"
#include "service/form_fields.h"
#include "service/limits.h"

namespace kbc {

// The rows' files as a ZIP archive (entries named by the output column, or
// "barcode-N" with the format's extension after the row's number); under
// action=zplf one stream of every row's label; under action=info one JSON
// line per row. All or nothing: the first row that is refused refuses the
// batch with its status, its reason naming the row.
Answer AnswerBatch(std::string_view csv, std::span<const FormField> query, const RequestLimits& limits);

}  // namespace kbc
