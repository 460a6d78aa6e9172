// The desktop clipboard, reached through the usual command-line tools: wl-copy
// under Wayland, xclip under X11. Both keep serving the selection from a
// background process after we return.
#pragma once

#include <string>
#include <string_view>

#include "core/result.h"

namespace kbc {

// Puts PDF bytes on the clipboard as application/pdf; refused with a one-line
// reason when there is no clipboard or the tool failed.
Status CopyPdfToClipboard(std::string_view pdf);

}  // namespace kbc
