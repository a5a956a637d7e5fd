// Writes a photo-like JPEG for the benchmarks: soft gradients, shapes and fine grain, so that
// it compresses about as a camera picture does.
//   make-photo OUT.jpg WIDTH HEIGHT [QUALITY]   (quality 90 by default)
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

std::uint8_t Clamp(double v) {
  return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
}

// Fine grain from a hash of the position, the same every run.
double Grain(int x, int y) {
  std::uint32_t h =
      static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  return static_cast<double>(h & 0xFF) / 255.0 - 0.5;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: make-photo OUT.jpg WIDTH HEIGHT [QUALITY]\n");
    return 2;
  }
  const int width = std::stoi(argv[2]), height = std::stoi(argv[3]);
  const int quality = argc > 4 ? std::stoi(argv[4]) : 90;
  std::FILE* out = std::fopen(argv[1], "wb");
  if (!out) {
    std::perror(argv[1]);
    return 1;
  }
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, out);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    const double v = static_cast<double>(y) / height;
    for (int x = 0; x < width; ++x) {
      const double u = static_cast<double>(x) / width;
      const double hill = std::sin(u * 9 + std::sin(v * 5) * 2) * 0.5 + 0.5;
      const double sun = std::exp(-((u - 0.7) * (u - 0.7) + (v - 0.3) * (v - 0.3)) * 30);
      const double grain = Grain(x, y) * 36;
      const bool ground = v > 0.55 + 0.1 * hill;
      std::uint8_t* p = row.data() + 3 * x;
      p[0] = Clamp((ground ? 60 + 50 * hill : 90 + 140 * v + 160 * sun) + grain);
      p[1] = Clamp((ground ? 90 + 80 * hill : 130 + 90 * v + 130 * sun) + grain);
      p[2] = Clamp((ground ? 40 + 30 * hill : 220 - 60 * v + 40 * sun) + grain);
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(out) == 0 ? 0 : 1;
}
