// A batch's ZPL labels as one stream for a label printer: every line's or
// row's label in input order, to one file or to standard output, so that one
// pipe to the printer's port prints the whole batch.
#pragma once

#include <string>
#include <string_view>

#include "core/result.h"
#include "request/options.h"
#include "text/text_out.h"

namespace kbc {

// Whether the run writes one stream: -action zplf with an -output whose name
// has no # to number files by.
bool WritesLabelStream(const CommandLine& line);

class LabelStream {
 public:
  // "-" is standard output, written as the labels come; a file is written
  // whole at the end, as every output is.
  LabelStream(std::string path, TextOut& out) : path_(std::move(path)), out_(out) {}

  const std::string& Path() const { return path_; }
  bool ToStandardOutput() const { return path_ == "-"; }
  // False once standard output takes no more.
  bool Add(std::string_view label);
  std::size_t Labels() const { return labels_; }
  // The file written (empty for no labels, so that no earlier stream is
  // printed again), or why not.
  Status Finish();

 private:
  std::string path_;
  TextOut& out_;
  std::string held_;
  std::size_t labels_ = 0;
  bool failed_ = false;
};

// The run's exit status once the stream is finished: its failure reported
// and made the run's.
int FinishStream(LabelStream& stream, int status, TextOut& err);

}  // namespace kbc
