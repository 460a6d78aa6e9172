#include "cli/usage.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "request/option_table.h"

namespace kbc {
namespace {

std::string BuildUsage() {
  std::string text =
      "NAME:\n"
      "KestrovaBarCode v3.7.0 CLI -- Creates barcode images from the Command Line.\n"
      "\n"
      "SYNOPSIS:\n"
      "KestrovaBarCode [-parameter1] [value1] [-parameter2] [value2] [...]\n"
      "\n"
      "DESCRIPTION:\n"
      "The KestrovaBarCode utility creates barcode images as image files or onto the clipboard based on "
      "parameters entered:\n"
      "\n"
      "PARAMETERS:\n";
  for (const OptionRow& row : OptionRows()) {
    if (!row.usage.empty()) text.append(row.name).append("\n").append(row.usage).append("\n\n");
  }
  text +=
      "AUTHOR:\n"
      "Copyright (c) 2026 Kestrova\n"
      "https://kestrova.example/barcode\n"
      "\n";
  return text;
}

std::string BuildAddedOptions() {
  std::vector<std::pair<const OptionRow*, const OptionHelp*>> added;
  for (const OptionRow& row : OptionRows()) {
    for (const OptionHelp* help : {&row.help, &row.laterHelp}) {
      if (help->place > 0) added.emplace_back(&row, help);
    }
  }
  std::ranges::sort(added, {}, [](const auto& block) { return block.second->place; });
  std::string text = "ADDED OPTIONS:\n";
  for (const auto& [row, blockHelp] : added) {
    const OptionHelp& help = *blockHelp;
    text.append(help.heading.empty() ? row->name : help.heading).append("\n").append(help.text).append("\n");
    text.append("Example: ").append(help.example).append(help.blankLineAfter ? "\n\n" : "\n");
  }
  return text +
         "--help, -h\n"
         "Print this text and exit.\n"
         "\n"
         "--version\n"
         "Print the name and version and exit.\n"
         "\n";
}

}  // namespace

const std::string& AddedOptionsText() {
  static const std::string text = BuildAddedOptions();
  return text;
}

std::string_view VersionText() { return "KestrovaBarCode 3.7.0\n"; }

const std::string& UsageText() {
  static const std::string text = BuildUsage();
  return text;
}

}  // namespace kbc
