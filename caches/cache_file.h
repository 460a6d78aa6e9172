// Small persistent caches in ${XDG_CACHE_HOME:-$HOME/.cache}/KestrovaBarCode/
// (or a private folder elsewhere when that cannot be written, CacheFolder):
// text files of one header line, one checksum line, one stamp line and one
// entry per line. The stamp says what the entries were worked out under; a
// file whose header or stamp differs from the caller's is stale and read as
// empty. Files are replaced atomically, so a reader sees a whole old or a
// whole new file.
//
// Whoever else can write the folder can feed a run anything, so a cache is
// only used when its folder is a real folder of the effective user that no one
// else may write, and a file only when it is a regular file of that user no
// larger than its cache ever writes, whose checksum holds. Anything else (a
// link, a FIFO, a device, a folder) is neither waited on nor written through:
// the run goes on as without the cache.
#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
#include <system_error>
#include <string>
#include <string_view>
#include <vector>

namespace kbc {

// The cache folder (ending in '/'), or empty when neither XDG_CACHE_HOME nor
// HOME is an absolute path. When the usual folder cannot be made or written,
// a private one in $XDG_RUNTIME_DIR, else in the temporary folder.
std::string CacheFolder();

// The path of a cache file in CacheFolder(), or empty when it is empty.
std::string CacheFilePath(std::string_view name);

// Modification time, inode and size of a file ("-" when it cannot be read):
// any of them changes when the file is rewritten or replaced.
std::string FileStamp(const std::string& path);

// A field as one word (no spaces or line breaks), and back; empty fields too.
std::string EscapeField(std::string_view text);
bool UnescapeField(std::string_view word, std::string& text);

// The next line of `text` from `start` (without its line feed); `start` moves past it.
std::string_view NextLine(std::string_view text, std::size_t& start);

// The space-separated words of an entry line.
std::vector<std::string_view> SplitWords(std::string_view line);

// A whole word as a decimal number.
template <typename Number>
bool ParseNumber(std::string_view word, Number& number) {
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
  return error == std::errc() && end == word.data() + word.size();
}

// The space-separated words of an entry line read one at a time as numbers,
// as SplitWords would give them, without gathering them first.
class NumberWords {
 public:
  explicit NumberWords(std::string_view line) : rest_(line) {}
  template <typename Number>
  bool Next(Number& number) {
    if (rest_.empty()) return false;
    const std::size_t end = std::min(rest_.find(' '), rest_.size());
    const bool parsed = ParseNumber(rest_.substr(0, end), number);
    rest_.remove_prefix(std::min(end + 1, rest_.size()));
    return parsed;
  }
  bool AtEnd() const { return rest_.empty(); }
  // The words not read yet, as they stand.
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

// The checksum written with a cache file, over all that follows its line.
std::uint64_t ContentSum(std::string_view bytes);
// That checksum's line (without its line feed) for the text that follows it.
std::string SumLine(std::string_view body);

// The entry lines of a cache file written with this header and stamp.
std::vector<std::string> ReadCacheEntries(const std::string& path, std::string_view header, std::string_view stamp,
                                          std::size_t maxBytes);

// For caches whose stamp names what to check (a library file): the stamp and
// entries of a file with this header, or nothing.
struct CacheContents {
  std::string stamp;
  std::vector<std::string> entries;
};
std::optional<CacheContents> ReadCacheFile(const std::string& path, std::string_view header, std::size_t maxBytes);

// A cache file's bytes, read whole when it is one to trust (above) no larger
// than `maxBytes`, else none. Read rather than mapped: another process may cut
// the file short while a run holds it, and touching a mapping's pages past the
// new end would kill the run with SIGBUS. A file is at most tens of
// kilobytes, so copying it costs microseconds.
struct FileBytes {
  std::unique_ptr<char[]> data;  // on the heap, so that views into it survive moves
  std::size_t size = 0;
  std::string_view text() const { return {data.get(), size}; }
};

// A cache file read whole, for caches that index its entry lines in place:
// they start at `entries` (text.size() when the file is stale, missing or unreadable).
struct CacheText {
  FileBytes file;
  std::string_view text;  // in `file`
  std::string stamp;
  std::size_t entries = 0;
  bool readable = false;  // the file has the header, a checksum that holds and a stamp line
};
// With the header given; the stamp is whatever the file holds.
CacheText LoadCacheText(const std::string& path, std::string_view header, std::size_t maxBytes);
// The same over text already read (empty `file`), as the fuzz targets give it.
CacheText ParseCacheText(std::string_view text, std::string_view header);
// With the header and the stamp given: any other stamp makes the file stale.
CacheText ReadCacheText(const std::string& path, std::string_view header, std::string_view stamp,
                        std::size_t maxBytes);

// The whole text of a cache file with these entries (the newest first), as
// many as fit in `maxBytes`: every run that uses a cache reads all of it, so
// its size is bounded.
std::string CacheFileText(std::string_view header, std::string_view stamp, const std::vector<std::string>& entries,
                          std::size_t maxBytes);

// Writes CacheFileText to the file, creating the folder (0700) when needed.
// Failure, or a folder or file not to trust, leaves what is there.
void WriteCacheEntries(const std::string& path, std::string_view header, std::string_view stamp,
                       const std::vector<std::string>& entries, std::size_t maxBytes);

}  // namespace kbc
