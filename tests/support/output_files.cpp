#include "support/output_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "support/decoders.h"
#include "support/process.h"

namespace kbc::test {

std::vector<std::string> WithOutput(std::vector<std::string> args, const std::string& action, const std::string& path) {
  args.insert(args.end(), {"-action", action, "-output", path});
  return args;
}

std::string WriteSymbol(const std::string& name, const std::string& action, const std::vector<std::string>& options,
                        const std::vector<std::string>& symbol) {
  const std::string path = TempDir() + "/" + name;
  std::vector<std::string> args = symbol;
  args.insert(args.end(), options.begin(), options.end());
  const ProcessResult run = RunKbc(WithOutput(args, action, path));
  EXPECT_EQ(run.status, 0) << name << ": " << run.err;
  return path;
}

void ExpectGoldenFiles(std::span<const GoldenCase> cases) {
  const bool regenerate = std::getenv("KBC_REGENERATE_GOLDEN") != nullptr;
  for (const GoldenCase& golden : cases) {
    for (const auto& [action, extension] : {std::pair{"epsf", ".eps"}, std::pair{"svgf", ".svg"}}) {
      const std::string file = golden.name + extension;
      const std::string path = TempDir() + "/" + file;
      const ProcessResult run = RunKbc(WithOutput(golden.args, action, path), kFixedDate);
      ASSERT_EQ(run.status, 0) << file << ": " << run.err;
      const std::string expectedPath = std::string(KBC_GOLDEN_DIR) + "/" + file;
      if (regenerate) WriteFile(expectedPath, ReadFile(path));
      EXPECT_EQ(ReadFile(path), ReadFile(expectedPath)) << file;
    }
  }
}

std::string WriteAndRasterise(const std::vector<std::string>& args, const std::string& action) {
  const std::string path = TempDir() + "/read." + action.substr(0, 3);
  const ProcessResult run = RunKbc(WithOutput(args, action, path));
  EXPECT_EQ(run.status, 0) << run.err;
  if (run.status != 0) return {};
  std::string log;
  const std::string png = Rasterise(path, &log);
  EXPECT_FALSE(png.empty()) << log;
  return png;
}

std::vector<std::string> ZbarSorted(const std::string& png) {
  std::vector<std::string> found;
  for (const Decoded& d : ZbarRead(png)) found.push_back(d.format + ":" + d.text);
  std::ranges::sort(found);
  return found;
}

}  // namespace kbc::test
