#include "service/zip_archive.h"

#include <zip.h>

#include <cstdio>
#include <memory>

namespace kbc {
namespace {

// 2000-01-01 00:00 UTC: any date in DOS time's range serves, as long as it is fixed.
constexpr time_t kEntryTime = 946684800;

struct SourceFree {
  void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using SourceHandle = std::unique_ptr<zip_source_t, SourceFree>;

// An archive opened for writing is either closed (written into its source)
// or discarded.
struct ArchiveDiscard {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ArchiveHandle = std::unique_ptr<zip_t, ArchiveDiscard>;

Refusal ZipFailure(std::string_view step, zip_error_t* error) {
  return Refusal("the ZIP archive could not be " + std::string(step) + ": " + zip_error_strerror(error));
}

Result<std::string> SourceBytes(zip_source_t* source) {
  zip_stat_t stat;
  if (zip_source_stat(source, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0) {
    return ZipFailure("measured", zip_source_error(source));
  }
  if (zip_source_open(source) != 0) return ZipFailure("read", zip_source_error(source));
  std::string bytes(stat.size, '\0');
  const zip_int64_t read = zip_source_read(source, bytes.data(), bytes.size());
  zip_source_close(source);
  if (read < 0 || zip_uint64_t(read) != stat.size) return ZipFailure("read", zip_source_error(source));
  return bytes;
}

}  // namespace

Result<std::string> ZipArchive(const std::vector<ZipEntry>& entries) {
  zip_error_t error;
  zip_error_init(&error);
  const SourceHandle target(zip_source_buffer_create(nullptr, 0, 0, &error));
  if (!target) return ZipFailure("made", &error);
  ArchiveHandle archive(zip_open_from_source(target.get(), ZIP_TRUNCATE, &error));
  if (!archive) return ZipFailure("made", &error);
  // The archive's close frees its source; the target's bytes are read after it.
  zip_source_keep(target.get());
  for (const ZipEntry& entry : entries) {
    // The entries' bytes outlive the archive: libzip reads them on close.
    zip_source_t* source = zip_source_buffer(archive.get(), entry.bytes.data(), entry.bytes.size(), 0);
    if (source == nullptr) return ZipFailure("filled", zip_get_error(archive.get()));
    const zip_int64_t index = zip_file_add(archive.get(), entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
      zip_source_free(source);
      return ZipFailure("filled", zip_get_error(archive.get()));
    }
    if (zip_file_set_mtime(archive.get(), zip_uint64_t(index), kEntryTime, 0) != 0 ||
        zip_set_file_compression(archive.get(), zip_uint64_t(index), entry.compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE,
                                 0) != 0) {
      return ZipFailure("filled", zip_get_error(archive.get()));
    }
  }
  if (zip_close(archive.get()) != 0) return ZipFailure("written", zip_get_error(archive.get()));
  archive.release();  // closed: nothing is left to discard
  return SourceBytes(target.get());
}

}  // namespace kbc
