// TIFF through libtiff, written to a growing memory buffer by client procedures.
#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "image_encoders/tiff_encoder.h"
#include "platform/library_names.h"
#include "platform/shared_library.h"

// libtiff's LZMA codec, replaced when linking the static archive (libtiff's own
// is then never pulled in): it would bring liblzma, whose start-up probe of the
// processor costs every run of the program, TIFF or not, about a tenth of a
// millisecond.
// TIFF files are written with deflate only; a file asking for LZMA is refused,
// as libtiff refuses a codec it was built without. A build linking the shared
// libtiff (KBC_SYSTEM_LIBRARIES) leaves the library its own codecs.
#if !KBC_SYSTEM_LIBRARIES
extern "C" int TIFFInitLZMA(TIFF*, int) {
  TIFFErrorExt(nullptr, "TIFFInitLZMA", "LZMA compression is not available");
  return 0;
}
#endif

namespace kbc {
namespace {

// libtiff's functions, linked in or opened on demand (see platform/shared_library.h).
struct TiffLibrary {
  SharedLibrary library{OpenedInPackagedBuild(kTiffLibrary)};
  decltype(TIFFOpenOptionsAlloc)* openOptionsAlloc = nullptr;
  decltype(TIFFOpenOptionsFree)* openOptionsFree = nullptr;
  decltype(TIFFOpenOptionsSetErrorHandlerExtR)* setErrorHandler = nullptr;
  decltype(TIFFOpenOptionsSetWarningHandlerExtR)* setWarningHandler = nullptr;
  decltype(TIFFClientOpenExt)* clientOpen = nullptr;
  decltype(TIFFClose)* close = nullptr;
  decltype(TIFFSetField)* setField = nullptr;
  decltype(TIFFDefaultStripSize)* defaultStripSize = nullptr;
  decltype(TIFFWriteScanline)* writeScanline = nullptr;
  decltype(TIFFWriteDirectory)* writeDirectory = nullptr;
  bool usable = KBC_BIND_LINKED(library, openOptionsAlloc, TIFFOpenOptionsAlloc) &&
                KBC_BIND_LINKED(library, openOptionsFree, TIFFOpenOptionsFree) &&
                KBC_BIND_LINKED(library, setErrorHandler, TIFFOpenOptionsSetErrorHandlerExtR) &&
                KBC_BIND_LINKED(library, setWarningHandler, TIFFOpenOptionsSetWarningHandlerExtR) &&
                KBC_BIND_LINKED(library, clientOpen, TIFFClientOpenExt) && KBC_BIND_LINKED(library, close, TIFFClose) &&
                KBC_BIND_LINKED(library, setField, TIFFSetField) &&
                KBC_BIND_LINKED(library, defaultStripSize, TIFFDefaultStripSize) &&
                KBC_BIND_LINKED(library, writeScanline, TIFFWriteScanline) &&
                KBC_BIND_LINKED(library, writeDirectory, TIFFWriteDirectory);
};

const TiffLibrary& Tiff() {
  static const TiffLibrary library;
  return library;
}

struct MemoryFile {
  std::string bytes;
  std::size_t position = 0;
  std::string error;
};

MemoryFile& FileOf(thandle_t handle) { return *static_cast<MemoryFile*>(handle); }

tmsize_t ReadProc(thandle_t handle, void* data, tmsize_t size) {
  MemoryFile& file = FileOf(handle);
  const std::size_t available = file.position < file.bytes.size() ? file.bytes.size() - file.position : 0;
  const std::size_t count = std::min(available, std::size_t(size));
  std::memcpy(data, file.bytes.data() + file.position, count);
  file.position += count;
  return tmsize_t(count);
}

tmsize_t WriteProc(thandle_t handle, void* data, tmsize_t size) {
  MemoryFile& file = FileOf(handle);
  const std::size_t end = file.position + std::size_t(size);
  if (end > file.bytes.size()) file.bytes.resize(end);
  std::memcpy(file.bytes.data() + file.position, data, std::size_t(size));
  file.position = end;
  return size;
}

toff_t SeekProc(thandle_t handle, toff_t offset, int whence) {
  MemoryFile& file = FileOf(handle);
  const toff_t base = whence == SEEK_CUR ? file.position : whence == SEEK_END ? file.bytes.size() : 0;
  file.position = std::size_t(base + offset);
  return file.position;
}

int CloseProc(thandle_t) { return 0; }
toff_t SizeProc(thandle_t handle) { return FileOf(handle).bytes.size(); }
int MapProc(thandle_t, void**, toff_t*) { return 0; }
void UnmapProc(thandle_t, void*, toff_t) {}

int KeepError(TIFF*, void* handle, const char* module, const char* format, va_list args) {
  char text[512];
  std::vsnprintf(text, sizeof text, format, args);
  FileOf(handle).error = std::string(module ? module : "libtiff") + ": " + text;
  return 1;
}

int IgnoreWarning(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct TiffCloser {
  void operator()(TIFF* tiff) const { Tiff().close(tiff); }
};
struct OptionsFreer {
  void operator()(TIFFOpenOptions* options) const { Tiff().openOptionsFree(options); }
};

void SetColourTags(const TiffLibrary& lib, TIFF* tiff, PixelFormat format) {
  switch (format) {
    case PixelFormat::Grey:
      lib.setField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
      break;
    case PixelFormat::Rgb:
      lib.setField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
      break;
    case PixelFormat::Cmyk:
      lib.setField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_SEPARATED);
      lib.setField(tiff, TIFFTAG_INKSET, INKSET_CMYK);
      break;
  }
}

}  // namespace

Result<std::string> EncodeTiff(const BitmapView& bitmap) {
  const TiffLibrary& lib = Tiff();
  if (!lib.usable) {
    return Refusal(std::string("libtiff (") + kTiffLibrary + "), which writes TIFF files, could not be opened");
  }
  MemoryFile file;
  std::unique_ptr<TIFFOpenOptions, OptionsFreer> options(lib.openOptionsAlloc());
  lib.setErrorHandler(options.get(), KeepError, &file);
  lib.setWarningHandler(options.get(), IgnoreWarning, &file);
  bool ok = false;
  {
    std::unique_ptr<TIFF, TiffCloser> tiff(lib.clientOpen("memory", "w", &file, ReadProc, WriteProc, SeekProc,
                                                             CloseProc, SizeProc, MapProc, UnmapProc, options.get()));
    if (tiff) {
      const int channels = ChannelsOf(bitmap.format);
      lib.setField(tiff.get(), TIFFTAG_IMAGEWIDTH, std::uint32_t(bitmap.width));
      lib.setField(tiff.get(), TIFFTAG_IMAGELENGTH, std::uint32_t(bitmap.height));
      lib.setField(tiff.get(), TIFFTAG_BITSPERSAMPLE, 8);
      lib.setField(tiff.get(), TIFFTAG_SAMPLESPERPIXEL, channels);
      lib.setField(tiff.get(), TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
      lib.setField(tiff.get(), TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE);
      // Level 3, the last of zlib's quick levels: on a label's runs and repeated
      // rows it compresses as well as the default 6, whose lazy search was most
      // of a TIFF run's instructions.
      lib.setField(tiff.get(), TIFFTAG_ZIPQUALITY, 3);
      lib.setField(tiff.get(), TIFFTAG_ROWSPERSTRIP, lib.defaultStripSize(tiff.get(), 0));
      SetColourTags(lib, tiff.get(), bitmap.format);
      if (bitmap.dotsPerInch > 0) {
        lib.setField(tiff.get(), TIFFTAG_XRESOLUTION, float(bitmap.dotsPerInch));
        lib.setField(tiff.get(), TIFFTAG_YRESOLUTION, float(bitmap.dotsPerInch));
        lib.setField(tiff.get(), TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
      }
      // The encoder may work in place on a row, so it gets a copy.
      const std::size_t stride = std::size_t(bitmap.width) * std::size_t(channels);
      std::vector<std::uint8_t> row(stride);
      ok = true;
      for (int y = 0; ok && y < bitmap.height; ++y) {
        std::copy_n(bitmap.pixels.begin() + std::ptrdiff_t(std::size_t(y) * stride), stride, row.begin());
        ok = lib.writeScanline(tiff.get(), row.data(), std::uint32_t(y), 0) == 1;
      }
      ok = ok && lib.writeDirectory(tiff.get()) == 1;
    }
  }
  if (!ok || !file.error.empty()) {
    return Refusal(file.error.empty() ? "libtiff could not write the image" : file.error);
  }
  return std::move(file.bytes);
}

}  // namespace kbc
