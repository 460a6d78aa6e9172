// The command-line front end: the arguments read as option/value pairs into a
// request (request/options.h), then drawn by one writer (request/draw.h).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "request/draw.h"
#include "request/options.h"
#include "text/text_out.h"

namespace kbc {

// Exit statuses of a run.
inline constexpr int kExitWritten = 0;       // barcode written (or usage asked for with no arguments)
inline constexpr int kExitNotProduced = 1;   // the request was complete but nothing could be produced
inline constexpr int kExitIncomplete = 2;    // the arguments do not make a request

// Scans every adjacent pair (argument i, argument i+1) from i = 1, advancing by
// one: a value spelled like an option is also taken as that option. args[0] is
// the program name; fewer than four arguments in all scan nothing.
CommandLine ScanArguments(std::span<const std::string_view> args);

// The whole run; returns the exit status.
int RunCommandLine(std::span<const std::string_view> args, TextOut& out, TextOut& err);
int RunCommandLine(int argc, char** argv);

}  // namespace kbc
