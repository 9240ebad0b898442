#include "shell/mainwindow/JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace zw {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return; we
// jump back to decodeJpeg instead of letting it call exit().
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf back;
};

void onFatalError(j_common_ptr info) {
  auto* mgr = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(mgr->back, 1);
}

void onMessage(j_common_ptr) {}  // warnings are not shown anywhere

}  // namespace

QImage decodeJpeg(const QByteArray& data) {
  if (data.isEmpty()) return {};
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = onFatalError;
  errors.base.output_message = onMessage;
  // Only plain data lives across setjmp; the image is created after the header
  // and is volatile-free because it is returned only on the normal path.
  QImage* volatile target = nullptr;
  if (setjmp(errors.back)) {
    delete target;
    jpeg_destroy_decompress(&info);
    return {};
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3 || info.output_width == 0 || info.output_height == 0 ||
      info.output_width > 16384 || info.output_height > 16384) {
    jpeg_destroy_decompress(&info);
    return {};
  }
  target = new QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                      QImage::Format_RGB888);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = target->scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  QImage result = std::move(*target);
  delete target;
  return result;
}

}  // namespace zw
