#include "ui/qt/JpegImage.h"

#include <csetjmp>
#include <cstdio>

// After <cstdio>: jpeglib.h uses FILE and size_t without declaring them.
// clang-format off
#include <jpeglib.h>
// clang-format on

namespace ign {
namespace {

// libjpeg's own error handler ends the process; this one jumps back to the
// decoder, which then gives up on the picture.
struct TJpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<TJpegErrors*>(info->err)->jump, 1);
}

void JumpOnWarning(j_common_ptr info, int level) {
  // Level -1 is a warning about the data (cut short, damaged); higher levels
  // are trace messages.
  if (level < 0) JumpOnError(info);
}

// Kept free of objects with destructors: a longjmp must not skip one. The
// image is written only through `image`.
bool DecodeInto(const unsigned char* data, unsigned long size, QImage* image) {
  jpeg_decompress_struct info;
  TJpegErrors errors;
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = JumpOnError;
  errors.manager.emit_message = JumpOnWarning;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);

  *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGB888);
  if (image->isNull() || info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

QImage DecodeJpeg(QByteArrayView data) {
  if (data.isEmpty()) return {};
  QImage image;
  if (!DecodeInto(reinterpret_cast<const unsigned char*>(data.data()),
                  static_cast<unsigned long>(data.size()), &image)) {
    return {};
  }
  return image;
}

}  // namespace ign
