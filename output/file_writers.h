// The file writer: it draws the request once and either writes its file whole
// (or not at all) or reports why it could not.
#pragma once

#include <string>

#include "core/result.h"
#include "core/settings.h"
#include "core/types.h"
#include "dispatch/data_check.h"

namespace kbc {

// The file of a file action from the request's one data check, written with
// the action's file codes; refused with one line for stderr naming the reason
// and the path. A written file may come with warnings about what it lacks.
// Data that cannot be drawn leaves the PDF's placeholder file, and is refused.
Status WriteActionFile(OutputAction action, const std::string& path, const BarcodeSettings& settings,
                       const DataCheck& check);

}  // namespace kbc
