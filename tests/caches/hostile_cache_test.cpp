// Cache files planted by someone else: links, FIFOs, folders, oversize files,
// a folder of another user, a folder that is a link, damaged bytes. A run with
// any of them writes the same PNG as a run without caches, does not hang, and
// writes nothing outside the cache folder.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>

#include "support/process.h"

namespace kbc {
namespace {

namespace fs = std::filesystem;

// Planted in place of each cache file, or done to the cache folder.
struct Planted {
  const char* name;
  void (*file)(const std::string& file, const std::string& outside);
  void (*folder)(const std::string& folder, const std::string& outside) = nullptr;
};

void PrintTo(const Planted& planted, std::ostream* out) { *out << planted.name; }

std::string Png(const std::string& cacheHome, const std::string& output) {
  const auto run = test::RunProgram({"timeout", "10", KBC_EXECUTABLE, "-type", "Code-39", "-data", "KBC-24", "-action",
                                     "pngf", "-output", output},
                                    {"XDG_CACHE_HOME=" + cacheHome});
  EXPECT_EQ(run.status, 0) << run.err;
  return test::ReadFile(output);
}

const Planted kPlanted[] = {
    {"SymlinkToAFileOutside",
     [](const std::string& file, const std::string& outside) {
       const std::string target = outside + "/" + fs::path(file).filename().string();
       test::WriteFile(target, "keep");
       fs::create_symlink(target, file);
     }},
    {"DanglingSymlink",
     [](const std::string& file, const std::string& outside) {
       fs::create_symlink(outside + "/made-" + fs::path(file).filename().string(), file);
     }},
    {"Fifo", [](const std::string& file, const std::string&) { mkfifo(file.c_str(), 0600); }},
    {"Folder", [](const std::string& file, const std::string&) { fs::create_directory(file); }},
    {"OversizeSparseFile",
     [](const std::string& file, const std::string&) { fs::resize_file((test::WriteFile(file, "x"), file), 1ull << 31); }},
    {"FolderWritableByOthers", nullptr,
     [](const std::string& folder, const std::string&) { chmod(folder.c_str(), 0777); }},
    {"FolderOfAnotherUser", nullptr,
     [](const std::string& folder, const std::string&) {
       if (geteuid() == 0) { ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0) << folder; }
     }},
    // A folder of the user's own that holds files of the caches' names.
    {"FolderIsALinkToAnotherFolder", nullptr,
     [](const std::string& folder, const std::string& outside) {
       for (const char* name : {"fonts", "shapes", "glyphs"}) test::WriteFile(outside + "/" + name, "keep");
       fs::remove(folder);
       fs::create_symlink(outside, folder);
     }},
};

class HostileCache : public testing::TestWithParam<Planted> {};

TEST_P(HostileCache, OutputIsThatOfARunWithoutCaches) {
  const std::string base = test::FreshFolder(std::string("hostile-") + GetParam().name);
  const std::string outside = base + "/outside";
  fs::create_directories(outside);
  const std::string uncached = Png(base + "/none", base + "/uncached.png");
  ASSERT_FALSE(uncached.empty());

  const std::string cacheHome = base + "/cache";
  const std::string folder = cacheHome + "/KestrovaBarCode";
  fs::create_directories(folder);
  chmod(folder.c_str(), 0700);
  if (GetParam().folder) GetParam().folder(folder, outside);
  for (const char* name : {"fonts", "shapes", "glyphs"}) {
    if (GetParam().file) GetParam().file(folder + "/" + name, outside);
  }
  std::vector<std::pair<std::string, std::string>> before;
  for (const auto& entry : fs::directory_iterator(outside)) before.emplace_back(entry.path(), test::ReadFile(entry.path()));

  EXPECT_EQ(Png(cacheHome, base + "/first.png"), uncached);
  EXPECT_EQ(Png(cacheHome, base + "/second.png"), uncached);
  std::vector<std::pair<std::string, std::string>> after;
  for (const auto& entry : fs::directory_iterator(outside)) after.emplace_back(entry.path(), test::ReadFile(entry.path()));
  EXPECT_EQ(after, before) << "a write left the cache folder";
}

INSTANTIATE_TEST_SUITE_P(Planted, HostileCache, testing::ValuesIn(kPlanted),
                         [](const testing::TestParamInfo<Planted>& info) { return std::string(info.param.name); });

// Every single-byte change of a small valid cache file (the font cache of
// one run) fails its checksum: the file is discarded whole and the output is
// that of a run without caches.
TEST(HostileCache, EveryChangedByteOfAValidFileIsIgnored) {
  const std::string base = test::FreshFolder("hostile-flips");
  const std::string uncached = Png(base + "/none", base + "/uncached.png");
  const std::string cacheHome = base + "/cache";
  Png(cacheHome, base + "/warm.png");
  const std::string shapes = cacheHome + "/KestrovaBarCode/shapes";
  const std::string valid = test::ReadFile(shapes);
  ASSERT_FALSE(valid.empty());
  // Runs cost milliseconds each: every byte of the entries, every 7th of the stamp.
  const std::size_t entries = valid.rfind('\n', valid.size() - 2);
  for (std::size_t at = 0; at < valid.size(); at += at < entries ? 7 : 1) {
    std::string changed = valid;
    changed[at] = char(changed[at] ^ 0x01);
    test::WriteFile(shapes, changed);
    chmod(shapes.c_str(), 0600);
    EXPECT_EQ(Png(cacheHome, base + "/flipped.png"), uncached) << "byte " << at;
  }
}

}  // namespace
}  // namespace kbc
