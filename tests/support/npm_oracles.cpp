#include "support/npm_oracles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support/process.h"

namespace kbc::test {
namespace {

// The packages' folder, installed once per build tree. Test programs run side
// by side: one installs under the lock while the others wait, then find the
// packages there.
std::string NpmPrefix() {
  const std::string prefix = KBC_NPM_DIR;
  std::filesystem::create_directories(prefix);
  const std::string script =
      "test -f \"$0/node_modules/zxing-wasm/package.json\" && test -f \"$0/node_modules/bwip-js/package.json\" || "
      "npm install --prefix \"$0\" --no-audit --no-fund --no-save bwip-js@4.11.4 zxing-wasm@3.1.4";
  const ProcessResult install = RunProgram({"flock", prefix + ".lock", "sh", "-c", script, prefix});
  EXPECT_EQ(install.status, 0) << "npm install: " << install.err;
  return install.status == 0 ? prefix : "";
}

const std::string& Prefix() {
  static const std::string prefix = NpmPrefix();
  return prefix;
}

}  // namespace

std::string BwipRaw(const std::string& encoder, const std::string& text, const std::string& options) {
  if (Prefix().empty()) return "";
  const ProcessResult run = RunProgram(
      {"node", KBC_NPM_SCRIPTS "/bwip_raw.js", Prefix() + "/node_modules/bwip-js", encoder, text, options});
  EXPECT_EQ(run.status, 0) << "bwip-js " << encoder << " \"" << text << "\": " << run.err;
  std::string line = run.out;
  while (!line.empty() && line.back() == '\n') line.pop_back();
  return line;
}

std::vector<Decoded> ZxingWasmRead(const std::string& png) {
  if (Prefix().empty()) return {};
  const ProcessResult run = RunProgram(
      {"node", KBC_NPM_SCRIPTS "/zxing_wasm_read.mjs", Prefix(), png});
  EXPECT_EQ(run.status, 0) << "zxing-wasm " << png << ": " << run.err;
  std::vector<Decoded> found;
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; fields.size() < 4 && (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
      fields.push_back(line.substr(start, tab - start));
    }
    if (fields.size() < 4) continue;
    found.push_back({.format = fields[0], .text = line.substr(start), .bytes = line.substr(start),
                     .identifier = fields[1], .ecLevel = fields[2], .version = fields[3]});
  }
  return found;
}

}  // namespace kbc::test
