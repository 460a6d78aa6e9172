// Files written by the command line, for golden comparisons and decoder reads.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace kbc::test {

inline const std::vector<std::string> kFixedDate = {"SOURCE_DATE_EPOCH=1796584560"};  // 12/6/26 7:16 PM UTC

// args followed by "-action action -output path".
std::vector<std::string> WithOutput(std::vector<std::string> args, const std::string& action, const std::string& path);

// The symbol (by default the EAN-13 of 590123412345) with the options, written
// by action to TempDir()/name; the run must succeed.
std::string WriteSymbol(const std::string& name, const std::string& action, const std::vector<std::string>& options,
                        const std::vector<std::string>& symbol = {"-type", "EAN-13", "-data", "590123412345"});

struct GoldenCase {
  std::string name;  // the files' name in the golden directory, without extension
  std::vector<std::string> args;
};

// Each case written as EPS and SVG at the fixed date must equal its files, checked
// by hand when committed; KBC_REGENERATE_GOLDEN=1 rewrites them (review the diff).
void ExpectGoldenFiles(std::span<const GoldenCase> cases);

// The file an action writes, through Rasterise; empty, after a test failure, when a step failed.
std::string WriteAndRasterise(const std::vector<std::string>& args, const std::string& action);

// "TYPE:data" of every symbol zbarimg reports, sorted.
std::vector<std::string> ZbarSorted(const std::string& png);

}  // namespace kbc::test
