#include "players/picture/BmpWriter.h"

#include <array>
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

std::size_t RowBytes(const Bitmap& bitmap) {
  return (static_cast<std::size_t>(bitmap.Width()) * 3 + 3) & ~std::size_t{3};
}

std::array<std::uint8_t, kHeaderSize> Header(const Bitmap& bitmap) {
  const std::size_t pixelBytes = RowBytes(bitmap) * static_cast<std::size_t>(bitmap.Height());
  if (kHeaderSize + pixelBytes > UINT32_MAX) throw EWriteError("Bitmap too large for a BMP file");
  std::array<std::uint8_t, kHeaderSize> h{};
  h[0] = 'B';
  h[1] = 'M';
  Put32(&h[2], static_cast<std::uint32_t>(kHeaderSize + pixelBytes));
  Put32(&h[10], kHeaderSize);
  Put32(&h[14], 40);
  Put32(&h[18], static_cast<std::uint32_t>(bitmap.Width()));
  Put32(&h[22], static_cast<std::uint32_t>(bitmap.Height()));
  Put16(&h[26], 1);
  Put16(&h[28], 24);
  Put32(&h[34], static_cast<std::uint32_t>(pixelBytes));
  Put32(&h[38], 3780);  // 96 pixels per inch
  Put32(&h[42], 3780);
  return h;
}

// Row k of the bottom-up file, padded.
void EncodeRow(const Bitmap& bitmap, std::int32_t k, std::uint8_t* out) {
  const Pixel* in = bitmap.BlockRow(k);
  for (std::int32_t x = 0; x < bitmap.Width(); ++x, out += 3) {
    const Pixel p = in[x];
    out[0] = static_cast<std::uint8_t>(p);
    out[1] = static_cast<std::uint8_t>(p >> 8);
    out[2] = static_cast<std::uint8_t>(p >> 16);
  }
}

bool WriteAll(const Bitmap& bitmap, std::FILE* out) {
  const auto header = Header(bitmap);
  if (std::fwrite(header.data(), 1, header.size(), out) != header.size()) return false;
  std::vector<std::uint8_t> row(RowBytes(bitmap), 0);
  for (std::int32_t k = 0; k < bitmap.Height(); ++k) {
    EncodeRow(bitmap, k, row.data());
    if (std::fwrite(row.data(), 1, row.size(), out) != row.size()) return false;
  }
  return true;
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

void SaveBmp(const Bitmap& bitmap, const std::string& path) {
  Header(bitmap);  // a bitmap too large fails before the file is made
  std::unique_ptr<std::FILE, FileCloser> out(std::fopen(path.c_str(), "wb"));
  if (!out) {
    throw EFCreateError("Cannot create file \"" + path + "\". " + std::strerror(errno));
  }
  const bool written = WriteAll(bitmap, out.get());
  const bool closed = std::fclose(out.release()) == 0;
  if (!written || !closed) {
    const int error = errno;
    std::remove(path.c_str());
    throw EWriteError("Cannot write file \"" + path + "\". " + std::strerror(error));
  }
}
