// JPEG through libjpeg. Its errors jump back with longjmp, so the part that can
// jump holds only plain C values and owns nothing that needs a destructor.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "image_encoders/jpeg_encoder.h"
#include "platform/library_names.h"
#include "platform/shared_library.h"

namespace kbc {
namespace {

constexpr int kQuality = 100;

// libjpeg's functions, linked in or opened on demand (see platform/shared_library.h).
// jpeg_create_compress is a macro over jpeg_CreateCompress, given the library
// version and structure size the program was compiled with.
struct JpegLibrary {
  SharedLibrary library{OpenedInPackagedBuild(kJpegLibrary)};
  decltype(jpeg_std_error)* stdError = nullptr;
  decltype(jpeg_CreateCompress)* createCompress = nullptr;
  decltype(jpeg_destroy_compress)* destroyCompress = nullptr;
  decltype(jpeg_mem_dest)* memDest = nullptr;
  decltype(jpeg_set_defaults)* setDefaults = nullptr;
  decltype(jpeg_set_quality)* setQuality = nullptr;
  decltype(jpeg_start_compress)* startCompress = nullptr;
  decltype(jpeg_write_scanlines)* writeScanlines = nullptr;
  decltype(jpeg_finish_compress)* finishCompress = nullptr;
  bool usable = KBC_BIND_LINKED(library, stdError, jpeg_std_error) &&
                KBC_BIND_LINKED(library, createCompress, jpeg_CreateCompress) &&
                KBC_BIND_LINKED(library, destroyCompress, jpeg_destroy_compress) &&
                KBC_BIND_LINKED(library, memDest, jpeg_mem_dest) &&
                KBC_BIND_LINKED(library, setDefaults, jpeg_set_defaults) &&
                KBC_BIND_LINKED(library, setQuality, jpeg_set_quality) &&
                KBC_BIND_LINKED(library, startCompress, jpeg_start_compress) &&
                KBC_BIND_LINKED(library, writeScanlines, jpeg_write_scanlines) &&
                KBC_BIND_LINKED(library, finishCompress, jpeg_finish_compress);
};

const JpegLibrary& Jpeg() {
  static const JpegLibrary library;
  return library;
}

struct JumpingErrors {
  jpeg_error_mgr manager;
  std::jmp_buf back;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpBack(j_common_ptr info) {
  auto* errors = reinterpret_cast<JumpingErrors*>(info->err);
  errors->manager.format_message(info, errors->message);
  std::longjmp(errors->back, 1);
}

// Encodes into a buffer malloc'd by libjpeg; false with errors->message on failure.
bool Compress(const JpegLibrary& lib, const BitmapView& bitmap, JumpingErrors* errors, unsigned char** out,
              unsigned long* size) {
  jpeg_compress_struct info;
  info.err = lib.stdError(&errors->manager);
  errors->manager.error_exit = JumpBack;
  if (setjmp(errors->back)) {
    lib.destroyCompress(&info);
    return false;
  }
  lib.createCompress(&info, JPEG_LIB_VERSION, sizeof info);
  lib.memDest(&info, out, size);
  info.image_width = JDIMENSION(bitmap.width);
  info.image_height = JDIMENSION(bitmap.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  lib.setDefaults(&info);
  lib.setQuality(&info, kQuality, TRUE);
  if (bitmap.dotsPerInch > 0) {
    info.density_unit = 1;  // dots per inch
    info.X_density = UINT16(bitmap.dotsPerInch);
    info.Y_density = UINT16(bitmap.dotsPerInch);
  }
  for (int c = 0; c < info.num_components; ++c) {
    info.comp_info[c].h_samp_factor = 1;
    info.comp_info[c].v_samp_factor = 1;
  }
  lib.startCompress(&info, TRUE);
  const std::size_t stride = std::size_t(bitmap.width) * 3;
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(bitmap.pixels.data() + info.next_scanline * stride);
    lib.writeScanlines(&info, &row, 1);
  }
  lib.finishCompress(&info);
  lib.destroyCompress(&info);
  return true;
}

}  // namespace

Result<std::string> EncodeJpeg(const BitmapView& bitmap) {
  if (bitmap.format != PixelFormat::Rgb) {
    return Refusal("JPEG images are written from RGB bitmaps only");
  }
  const JpegLibrary& lib = Jpeg();
  if (!lib.usable) {
    return Refusal(std::string("libjpeg (") + kJpegLibrary + "), which writes JPEG files, could not be opened");
  }
  JumpingErrors errors{};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const bool ok = Compress(lib, bitmap, &errors, &buffer, &size);
  Result<std::string> bytes = ok ? Result<std::string>(std::string(reinterpret_cast<const char*>(buffer), size))
                                 : Refusal(std::string("libjpeg: ") + errors.message);
  std::free(buffer);
  return bytes;
}

}  // namespace kbc
