#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include <jpeglib.h>

// Writes JPEG files for the tests: rgb(x, y) gives each pixel as 0xRRGGBB; components 1 writes
// grey (the red byte), 4 writes CMYK as the bytes of rgb(x, y) << 8 | black.
inline std::vector<std::uint8_t> EncodeJpeg(int width, int height,
                                            const std::function<std::uint32_t(int, int)>& rgb,
                                            int components = 3,
                                            const std::vector<std::uint8_t>& exif = {},
                                            int quality = 90) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 4 ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  if (!exif.empty()) {
    jpeg_write_marker(&info, JPEG_APP0 + 1, exif.data(), static_cast<unsigned>(exif.size()));
  }
  std::vector<std::uint8_t> row(static_cast<std::size_t>(width * components));
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = rgb(x, y);
      std::uint8_t* p = row.data() + x * components;
      if (components == 1) {
        p[0] = static_cast<std::uint8_t>(v >> 16);
      } else if (components == 3) {
        p[0] = static_cast<std::uint8_t>(v >> 16);
        p[1] = static_cast<std::uint8_t>(v >> 8);
        p[2] = static_cast<std::uint8_t>(v);
      } else {
        p[0] = static_cast<std::uint8_t>(v >> 24);
        p[1] = static_cast<std::uint8_t>(v >> 16);
        p[2] = static_cast<std::uint8_t>(v >> 8);
        p[3] = static_cast<std::uint8_t>(v);
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> bytes(out, out + size);
  std::free(out);
  jpeg_destroy_compress(&info);
  return bytes;
}
