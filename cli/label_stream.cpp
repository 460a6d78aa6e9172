#include "cli/label_stream.h"

#include "cli/front_end.h"
#include "files/atomic_file.h"

namespace kbc {

bool WritesLabelStream(const CommandLine& line) {
  if (line.action != OutputAction::Zpl || line.outputPath.empty()) return false;
  const std::size_t slash = line.outputPath.rfind('/');
  const std::string_view name =
      std::string_view(line.outputPath).substr(slash == std::string::npos ? 0 : slash + 1);
  return name.find('#') == std::string_view::npos;
}

bool LabelStream::Add(std::string_view label) {
  if (failed_) return false;
  ++labels_;
  if (!ToStandardOutput()) {
    held_ += label;
    return true;
  }
  failed_ = !out_.Write(label);
  return !failed_;
}

Status LabelStream::Finish() {
  if (ToStandardOutput()) {
    if (failed_) return Refusal("the labels could not be written to standard output");
    return Done{};
  }
  return WriteFileAtomically(path_, held_);
}

int FinishStream(LabelStream& stream, int status, TextOut& err) {
  // A run ended by a signal leaves the file as it was.
  if (CleanupStarted()) return status;
  const Status finished = stream.Finish();
  if (finished) return status;
  err.Write("KestrovaBarCode: " + OneLine(finished.refusal) + '\n');
  return kExitNotProduced;
}

}  // namespace kbc
