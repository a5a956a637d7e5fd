// Draws the demo show's pictures: a few landscapes made of gradients and simple shapes,
// written as 24-bit BMP files.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Rgb {
  double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

using Painter = std::function<Rgb(double x, double y)>;  // x, y in 0..1, y downward

void WriteBmp(const std::string& path, int width, int height, const Painter& paint) {
  const int rowBytes = (width * 3 + 3) & ~3;
  const std::uint32_t pixelBytes = static_cast<std::uint32_t>(rowBytes * height);
  std::vector<std::uint8_t> file(54 + pixelBytes);
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, 54 + pixelBytes);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  file[26] = 1;
  file[28] = 24;
  put32(34, pixelBytes);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = file.data() + 54 + static_cast<std::size_t>((height - 1 - y) * rowBytes);
    for (int x = 0; x < width; ++x) {
      const Rgb c = paint((x + 0.5) / width, (y + 0.5) / height);
      row[3 * x + 0] = static_cast<std::uint8_t>(std::clamp(c.b, 0.0, 255.0));
      row[3 * x + 1] = static_cast<std::uint8_t>(std::clamp(c.g, 0.0, 255.0));
      row[3 * x + 2] = static_cast<std::uint8_t>(std::clamp(c.r, 0.0, 255.0));
    }
  }
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                              static_cast<std::streamsize>(file.size()));
}

Rgb Sunset(double x, double y) {
  const Rgb sky = Mix({40, 20, 90}, {250, 140, 60}, y / 0.62);
  const double sun = std::hypot(x - 0.5, (y - 0.55) * 0.6);
  if (y > 0.62) return Mix({30, 40, 90}, {5, 10, 30}, (y - 0.62) / 0.38 + 0.1 * std::sin(x * 90));
  return sun < 0.09 ? Rgb{255, 220, 120} : Mix({255, 200, 110}, sky, sun / 0.2);
}

Rgb Mountains(double x, double y) {
  const double far = 0.45 + 0.08 * std::sin(x * 9.0) + 0.04 * std::sin(x * 23.0);
  const double near = 0.62 + 0.1 * std::sin(x * 5.0 + 1.3) + 0.03 * std::sin(x * 31.0);
  if (y > near) return Mix({40, 90, 50}, {20, 50, 30}, (y - near) * 3);
  if (y > far) return Mix({90, 110, 150}, {60, 80, 120}, (y - far) * 4);
  return Mix({150, 200, 245}, {225, 240, 255}, y / far);
}

Rgb Waves(double x, double y) {
  const double wave = std::sin(x * 18 + std::sin(y * 7) * 2) * 0.5 + 0.5;
  return Mix(Mix({10, 60, 120}, {20, 160, 190}, y), {230, 250, 255}, std::pow(wave, 12) * y);
}

Rgb Aurora(double x, double y) {
  const double band = std::exp(-std::pow((y - 0.35 - 0.12 * std::sin(x * 6)) * 9, 2));
  const bool star = std::fmod(std::sin(x * 12.9898 + y * 78.233) * 43758.5453, 1.0) > 0.997;
  const Rgb night = star ? Rgb{240, 240, 255} : Mix({5, 10, 30}, {10, 25, 50}, y);
  return y > 0.8 ? Rgb{15, 20, 25} : Mix(night, {60, 230, 150}, band);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: demo-pictures FOLDER\n";
    return 2;
  }
  const std::string folder = argv[1];
  WriteBmp(folder + "/sunset.bmp", 1280, 800, Sunset);
  WriteBmp(folder + "/mountains.bmp", 1280, 800, Mountains);
  WriteBmp(folder + "/waves.bmp", 1024, 768, Waves);
  WriteBmp(folder + "/aurora.bmp", 1280, 720, Aurora);
  return 0;
}
