// JPEG through libjpeg. Its errors jump back with longjmp, so the part that can
// jump holds only plain C values and owns nothing that needs a destructor.
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include "platform/image_encoders.h"

namespace kbc {
namespace {

constexpr int kQuality = 100;

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
bool Compress(const BitmapView& bitmap, JumpingErrors* errors, unsigned char** out, unsigned long* size) {
  jpeg_compress_struct info;
  info.err = jpeg_std_error(&errors->manager);
  errors->manager.error_exit = JumpBack;
  if (setjmp(errors->back)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, out, size);
  info.image_width = JDIMENSION(bitmap.width);
  info.image_height = JDIMENSION(bitmap.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, kQuality, TRUE);
  if (bitmap.dotsPerInch > 0) {
    info.density_unit = 1;  // dots per inch
    info.X_density = UINT16(bitmap.dotsPerInch);
    info.Y_density = UINT16(bitmap.dotsPerInch);
  }
  for (int c = 0; c < info.num_components; ++c) {
    info.comp_info[c].h_samp_factor = 1;
    info.comp_info[c].v_samp_factor = 1;
  }
  jpeg_start_compress(&info, TRUE);
  const std::size_t stride = std::size_t(bitmap.width) * 3;
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(bitmap.pixels.data() + info.next_scanline * stride);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

std::optional<std::string> EncodeJpeg(const BitmapView& bitmap, std::string& error) {
  if (bitmap.format != PixelFormat::Rgb) {
    error = "JPEG images are written from RGB bitmaps only";
    return std::nullopt;
  }
  JumpingErrors errors{};
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const bool ok = Compress(bitmap, &errors, &buffer, &size);
  std::optional<std::string> bytes;
  if (ok) {
    bytes.emplace(reinterpret_cast<const char*>(buffer), size);
  } else {
    error = std::string("libjpeg: ") + errors.message;
  }
  std::free(buffer);
  return bytes;
}

}  // namespace kbc
