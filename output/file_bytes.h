// A file's bytes drawn in memory, apart from writing them: the command line's
// writers and the library's in-memory renders share these, so both give the
// same bytes for the same request.
#pragma once

#include <string>
#include <string_view>

#include "core/result.h"
#include "core/settings.h"
#include "core/types.h"
#include "dispatch/data_check.h"

namespace kbc {

// The whole file of a file action, with what it lacks as warnings; refused when
// the data cannot be drawn (the PDF's placeholder is the writer's to make) and
// for the actions that make no file. `path` serves only as the EPS title.
Result<std::string> RenderFileBytes(OutputAction action, const BarcodeSettings& settings, const DataCheck& check,
                                    std::string_view path);

}  // namespace kbc
