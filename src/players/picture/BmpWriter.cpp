#include "players/picture/BmpWriter.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/Errors.h"

namespace {

constexpr std::uint32_t kHeaderSize = 14 + 40;

void Put16(std::uint8_t* at, std::uint16_t v) {
  at[0] = static_cast<std::uint8_t>(v);
  at[1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::uint8_t* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::vector<std::uint8_t> Encode(const Bitmap& bitmap) {
  const std::size_t rowBytes = (static_cast<std::size_t>(bitmap.Width()) * 3 + 3) & ~std::size_t{3};
  const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(bitmap.Height());
  if (kHeaderSize + pixelBytes > UINT32_MAX) throw EWriteError("Bitmap too large for a BMP file");
  std::vector<std::uint8_t> file(kHeaderSize + pixelBytes);
  std::uint8_t* h = file.data();
  h[0] = 'B';
  h[1] = 'M';
  Put32(h + 2, static_cast<std::uint32_t>(file.size()));
  Put32(h + 10, kHeaderSize);
  Put32(h + 14, 40);
  Put32(h + 18, static_cast<std::uint32_t>(bitmap.Width()));
  Put32(h + 22, static_cast<std::uint32_t>(bitmap.Height()));
  Put16(h + 26, 1);
  Put16(h + 28, 24);
  Put32(h + 34, static_cast<std::uint32_t>(pixelBytes));
  Put32(h + 38, 3780);  // 96 pixels per inch
  Put32(h + 42, 3780);
  for (std::int32_t k = 0; k < bitmap.Height(); ++k) {
    const Pixel* in = bitmap.BlockRow(k);
    std::uint8_t* out = file.data() + kHeaderSize + static_cast<std::size_t>(k) * rowBytes;
    for (std::int32_t x = 0; x < bitmap.Width(); ++x) {
      const Pixel p = in[x];
      out[0] = static_cast<std::uint8_t>(p);
      out[1] = static_cast<std::uint8_t>(p >> 8);
      out[2] = static_cast<std::uint8_t>(p >> 16);
      out += 3;
    }
  }
  return file;
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

void SaveBmp(const Bitmap& bitmap, const std::string& path) {
  const std::vector<std::uint8_t> file = Encode(bitmap);
  std::unique_ptr<std::FILE, FileCloser> out(std::fopen(path.c_str(), "wb"));
  if (!out) {
    throw EFCreateError("Cannot create file \"" + path + "\". " + std::strerror(errno));
  }
  const bool written = std::fwrite(file.data(), 1, file.size(), out.get()) == file.size();
  const bool closed = std::fclose(out.release()) == 0;
  if (!written || !closed) {
    const int error = errno;
    std::remove(path.c_str());
    throw EWriteError("Cannot write file \"" + path + "\". " + std::strerror(error));
  }
}
