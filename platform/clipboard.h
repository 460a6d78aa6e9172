// The desktop clipboard, reached through the usual command-line tools: wl-copy
// under Wayland, xclip under X11. Both keep serving the selection from a
// background process after we return.
#pragma once

#include <string>
#include <string_view>

namespace kbc {

// Puts PDF bytes on the clipboard as application/pdf. False with a one-line
// reason when there is no clipboard or the tool failed.
bool CopyPdfToClipboard(std::string_view pdf, std::string& error);

}  // namespace kbc
