// One barcode over HTTP: the request's fields drawn into the bytes the
// command line writes for the same options, or described as -action info
// describes it.
#pragma once

#include <span>

#include "service/answer.h"
#include "service/form_fields.h"
#include "service/limits.h"

namespace kbc {

// 200 with the file or the description; 400 for an invalid request, 413 for
// data or a bitmap beyond the limits, 422 for data that cannot be drawn (and
// under strict=1 for a warning). A refused description keeps its JSON, which
// names the refusal, with 422.
Answer AnswerBarcode(std::span<const FormField> fields, const RequestLimits& limits);

}  // namespace kbc
