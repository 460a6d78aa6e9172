// Font names matched with fontconfig under a given configuration: the font
// service's own, or the one FcInit loads, which tests compare it with.
#pragma once

#include <fontconfig/fontconfig.h>

#include <memory>
#include <string_view>

#include "fonts/fonts.h"

namespace kbc {

// The configuration FcInit loads, loaded without what FcInit adds for
// fontconfig's listing tool: a scan of every configuration template fontconfig
// ships, which enables none of them and costs a run without a font cache a
// third of its time. Null whenever FcInit would load something else (no
// configuration file, a file that fails to load, no cache folder named).
struct FontConfigurationDeleter {
  void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
using FontConfiguration = std::unique_ptr<FcConfig, FontConfigurationDeleter>;
FontConfiguration LoadFontConfiguration();

// The font a name resolves to under `config`, consulting no cache.
ResolvedFont ResolveUnder(FcConfig* config, std::u32string_view fontName);

}  // namespace kbc
