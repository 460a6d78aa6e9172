// The file writer: it draws the request once and either writes its file whole
// (or not at all) or reports why it could not.
#pragma once

#include <string>

#include "core/settings.h"
#include "core/types.h"
#include "dispatch/data_check.h"

namespace kbc {

// ok, or one line for stderr naming the reason (and the path, where there is one).
// A written file may come with one warning line about what it lacks.
struct WriteStatus {
  bool ok = true;
  std::string message;
  std::string warning;

  static WriteStatus Success() { return {}; }
  static WriteStatus SuccessWith(std::string warning) { return {true, {}, std::move(warning)}; }
  static WriteStatus Failure(std::string why) { return {false, std::move(why), {}}; }
};

// `check` is the request's one data check (CheckBarcodeData of these settings):
// the writer sizes its file from it and walks its layout.
// The file of a file action, as OutputFormatOf(action) renders it at the
// command line's fallback size 0 × 0, with the action's file codes.
WriteStatus WriteActionFile(OutputAction action, const std::string& path, const BarcodeSettings& settings,
                            const DataCheck& check);

}  // namespace kbc
