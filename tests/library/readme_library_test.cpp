// The README's library examples run as written: the C example compiled
// against the built library, the Python example run by Debian's python3, and
// each symbol they write read back by a decoder.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "support/decoders.h"
#include "support/process.h"

namespace kbc {
namespace {

// The first fenced block of `language` after `heading`.
std::string BlockAfter(const std::string& readme, const std::string& heading, const std::string& language) {
  const std::string fence = "```" + language + "\n";
  const std::size_t open = readme.find(fence, readme.find(heading));
  if (open == std::string::npos) return {};
  const std::size_t start = open + fence.size();
  return readme.substr(start, readme.find("```", start) - start);
}

void ExpectReads(const std::string& png, const std::string& text) {
  // A white border only: the examples draw at full size already.
  const std::string large = test::EnlargeBitmap(png, 100);
  ASSERT_FALSE(large.empty()) << png;
  const auto found = test::ZxingRead(large);
  ASSERT_FALSE(found.empty()) << "nothing read from " << png;
  EXPECT_EQ(found.front().text, text) << test::Describe(found);
}

class ReadmeLibrary : public testing::Test {
 protected:
  void SetUp() override {
    if (std::string(KBC_SHARED_LIBRARY).empty()) GTEST_SKIP() << "no shared library in this build";
    readme_ = test::ReadFile(KBC_GOLDEN_DIR "/../../README.md");
    folder_ = test::FreshFolder("readme-library");
  }

  std::string readme_;
  std::string folder_;
};

// The manual page shows the same two examples, so the suite runs them too.
TEST(ManualPageLibrary, ExamplesAreTheReadmes) {
  const std::string readme = test::ReadFile(KBC_GOLDEN_DIR "/../../README.md");
  const std::string page = test::ReadFile(KBC_MANUAL_PAGE);
  std::vector<std::string> shown;
  for (std::size_t at = page.find(".ft CW\n"); at != std::string::npos; at = page.find(".ft CW\n", at + 1)) {
    const std::size_t start = at + 7;
    std::string code = page.substr(start, page.find("\n.ft R", start) - start) + "\n";
    for (const auto& [escape, plain] : {std::pair{"\\e", "\\"}, {"\\-", "-"}, {"\\&", ""}}) {
      for (std::size_t i = code.find(escape); i != std::string::npos; i = code.find(escape, i + std::strlen(plain))) {
        code.replace(i, std::strlen(escape), plain);
      }
    }
    shown.push_back(code);
  }
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], BlockAfter(readme, "## Using the library", "c"));
  EXPECT_EQ(shown[1], BlockAfter(readme, "## Using the library", "python"));
}

TEST_F(ReadmeLibrary, CExampleCompilesRunsAndScans) {
  const std::string source = BlockAfter(readme_, "## Using the library", "c");
  ASSERT_FALSE(source.empty());
  std::ofstream(folder_ + "/label.c") << source;
  const std::string library = std::filesystem::path(KBC_SHARED_LIBRARY).parent_path();
  const auto built = test::RunProgram({"cc", "-std=c11", "-Wall", "-Wextra", "-Werror", "-I", KBC_LIBRARY_INCLUDE,
                                       "-o", folder_ + "/label", folder_ + "/label.c", "-L", library,
                                       "-lkestrovabarcode", "-Wl,-rpath," + library});
  ASSERT_EQ(built.status, 0) << built.err;
  const auto run = test::RunProgram({"sh", "-c", "cd \"$0\" && ./label", folder_});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  ExpectReads(folder_ + "/library.png", "5901234123457");
}

TEST_F(ReadmeLibrary, PythonExampleRunsAndScans) {
  const std::string source = BlockAfter(readme_, "## Using the library", "python");
  ASSERT_FALSE(source.empty());
  std::ofstream(folder_ + "/label.py") << source;
  const auto run = test::RunProgram({"sh", "-c", "cd \"$0\" && /usr/bin/python3 label.py", folder_},
                                    {"PYTHONPATH=" KBC_PYTHON_MODULE_DIR, "KESTROVA_BARCODE_LIBRARY=" KBC_SHARED_LIBRARY});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  ExpectReads(folder_ + "/library-qr.png", "Hello from Python");
}

}  // namespace
}  // namespace kbc
