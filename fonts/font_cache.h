// A persistent cache of resolved fonts, so that a run needs neither fontconfig
// (which parses dozens of configuration and cache files when it starts) nor
// FreeType to name its font. An entry holds while the fontconfig setup it was
// resolved under is unchanged: the stamp records the modification times of
// fontconfig's configuration, cache and font folders and the environment
// variables that move them. An unreadable, foreign or stale cache is ignored.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fonts/fonts.h"

namespace kbc {

// ${XDG_CACHE_HOME:-$HOME/.cache}/KestrovaBarCode/fonts, or empty when neither
// variable is an absolute path.
std::string FontCachePath();

// What the resolution of a font name depends on besides the name, as text.
std::string FontSetupStamp();

// The cached resolution of a font name (UTF-8), when the cache was written under
// the same stamp and the font file is still the one resolved.
std::optional<ResolvedFont> ReadCachedFont(const std::string& cachePath, std::string_view stamp,
                                           std::string_view name);

// Adds or replaces an entry, keeping the entries of a cache with the same stamp,
// and replaces the cache file atomically. Failures leave the cache as it was.
void WriteCachedFont(const std::string& cachePath, std::string_view stamp, std::string_view name,
                     const ResolvedFont& font);

}  // namespace kbc
