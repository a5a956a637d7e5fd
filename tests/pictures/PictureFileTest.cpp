// Loading pictures by extension: every BMP depth and packing, the largest icon, the first GIF
// frame, metafiles, and the errors a missing, empty, damaged or unknown file raises.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "JpegTestFiles.h"
#include "platform/Errors.h"
#include "players/PictureFile.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

class PictureFileTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::string path = QDir(dir_.path()).filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  QTemporaryDir dir_;
};

// ---- BMP files ----

// The test picture, 5 x 3, as palette indices; row 0 is the top.
constexpr int kW = 5, kH = 3;
constexpr std::uint8_t kIndex[kH][kW] = {{1, 2, 3, 4, 0}, {4, 3, 2, 1, 0}, {0, 0, 1, 1, 2}};
constexpr std::uint32_t kPalette[] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
// The two-colour version for 1-bit files: white where the index is odd.
std::uint8_t Bit(int x, int y) {
  return kIndex[y][x] & 1;
}

struct BmpSpec {
  int bits;
  std::uint32_t compression = 0;  // 0 RGB, 1 RLE8, 2 RLE4, 3 bit fields
  bool topDown = false;
  std::vector<std::uint32_t> palette;  // 0xRRGGBB
  std::vector<std::uint32_t> masks;    // red, green, blue for bit fields
  // Row y (0 = top) as stored, without padding.
  std::function<Bytes(int y)> row;
  Bytes rle;  // the whole pixel data of compressed files
};

Bytes MakeBmp(const BmpSpec& s) {
  Bytes pixels = s.rle;
  if (s.rle.empty()) {
    for (int k = 0; k < kH; ++k) {
      Bytes r = s.row(s.topDown ? k : kH - 1 - k);
      while (r.size() % 4) r.push_back(0);
      pixels.insert(pixels.end(), r.begin(), r.end());
    }
  }
  const std::uint32_t offset =
      14 + 40 + static_cast<std::uint32_t>(s.masks.size() * 4 + s.palette.size() * 4);
  Bytes b = {'B', 'M'};
  Put32(b, offset + static_cast<std::uint32_t>(pixels.size()));
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, kW);
  Put32(b, s.topDown ? static_cast<std::uint32_t>(-kH) : kH);
  Put16(b, 1);
  Put16(b, static_cast<std::uint32_t>(s.bits));
  Put32(b, s.compression);
  Put32(b, static_cast<std::uint32_t>(pixels.size()));
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, static_cast<std::uint32_t>(s.palette.size()));
  Put32(b, 0);
  for (std::uint32_t m : s.masks) Put32(b, m);
  for (std::uint32_t c : s.palette) Put32(b, c);  // stored blue, green, red, 0
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

std::vector<std::uint32_t> Palette() {
  return {std::begin(kPalette), std::end(kPalette)};
}

Bytes Packed(int y, int bits) {
  Bytes r((kW * bits + 7) / 8, 0);
  for (int x = 0; x < kW; ++x) {
    const int v = bits == 1 ? Bit(x, y) : kIndex[y][x];
    const int at = x * bits;
    r[static_cast<std::size_t>(at / 8)] |= static_cast<std::uint8_t>(v << (8 - bits - at % 8));
  }
  return r;
}

Bytes Direct(int y, int bits) {
  Bytes r;
  for (int x = 0; x < kW; ++x) {
    const std::uint32_t c = kPalette[kIndex[y][x]];
    const std::uint32_t red = c >> 16, green = (c >> 8) & 0xFF, blue = c & 0xFF;
    if (bits == 16) Put16(r, (red >> 3) << 10 | (green >> 3) << 5 | blue >> 3);
    if (bits == 565) Put16(r, (red >> 3) << 11 | (green >> 2) << 5 | blue >> 3);
    if (bits >= 24 && bits <= 32)
      r.insert(r.end(), {static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(green),
                         static_cast<std::uint8_t>(red)});
    if (bits == 32) r.push_back(0);
  }
  return r;
}

// Run-length data: each row as runs of equal indices, bottom row first.
Bytes Rle(bool four) {
  Bytes d;
  for (int k = 0; k < kH; ++k) {
    const int y = kH - 1 - k;
    for (int x = 0; x < kW;) {
      int n = 1;
      while (x + n < kW && kIndex[y][x + n] == kIndex[y][x]) ++n;
      const auto v = kIndex[y][x];
      d.push_back(static_cast<std::uint8_t>(n));
      d.push_back(static_cast<std::uint8_t>(four ? (v << 4 | v) : v));
      x += n;
    }
    d.insert(d.end(), {0, 0});
  }
  d.insert(d.end(), {0, 1});
  return d;
}

TEST_F(PictureFileTest, BmpFilesOfEveryDepthAndPackingLoad) {
  const auto pal = Palette();
  const std::vector<std::pair<const char*, BmpSpec>> cases = {
      {"1 bit", {1, 0, false, {0x000000, 0xFFFFFF}, {}, [](int y) { return Packed(y, 1); }, {}}},
      {"4 bits", {4, 0, false, pal, {}, [](int y) { return Packed(y, 4); }, {}}},
      {"8 bits", {8, 0, false, pal, {}, [](int y) { return Packed(y, 8); }, {}}},
      {"16 bits", {16, 0, false, {}, {}, [](int y) { return Direct(y, 16); }, {}}},
      {"16 bits 5-6-5",
       {16, 3, false, {}, {0xF800, 0x07E0, 0x001F}, [](int y) { return Direct(y, 565); }, {}}},
      {"24 bits", {24, 0, false, {}, {}, [](int y) { return Direct(y, 24); }, {}}},
      {"32 bits", {32, 0, false, {}, {}, [](int y) { return Direct(y, 32); }, {}}},
      {"top-down 24 bits", {24, 0, true, {}, {}, [](int y) { return Direct(y, 24); }, {}}},
      {"top-down 8 bits", {8, 0, true, pal, {}, [](int y) { return Packed(y, 8); }, {}}},
      {"RLE 8", {8, 1, false, pal, {}, {}, Rle(false)}},
      {"RLE 4", {4, 2, false, pal, {}, {}, Rle(true)}},
  };
  for (const auto& [name, format] : cases) {
    SCOPED_TRACE(name);
    Bitmap b;
    ASSERT_NO_THROW(b = LoadPicture(Write("p.bmp", MakeBmp(format))));
    ASSERT_EQ(b.GetSize(), (Size{kW, kH}));
    for (int y = 0; y < kH; ++y) {
      for (int x = 0; x < kW; ++x) {
        const std::uint32_t want =
            format.bits == 1 ? (Bit(x, y) ? 0xFFFFFF : 0) : kPalette[kIndex[y][x]];
        // 5-bit channels widen 0xF8 to 0xFF or keep 0xF8, by reader.
        EXPECT_NEAR(static_cast<int>(b.PixelAt(x, y) >> 16 & 0xFF), static_cast<int>(want >> 16), 7)
            << x << "," << y;
        EXPECT_NEAR(static_cast<int>(b.PixelAt(x, y) >> 8 & 0xFF),
                    static_cast<int>(want >> 8 & 0xFF), 7)
            << x << "," << y;
        EXPECT_NEAR(static_cast<int>(b.PixelAt(x, y) & 0xFF), static_cast<int>(want & 0xFF), 7)
            << x << "," << y;
      }
    }
  }
}

// ---- Icons ----

// One icon image: 32-bit colour rows bottom-up, then an all-opaque mask.
Bytes IconImage(int side, std::uint32_t rgb) {
  Bytes b;
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(side));
  Put32(b, static_cast<std::uint32_t>(2 * side));
  Put16(b, 1);
  Put16(b, 32);
  for (int i = 0; i < 6; ++i) Put32(b, 0);
  for (int i = 0; i < side * side; ++i) Put32(b, 0xFF000000u | rgb);
  const int maskRow = ((side + 31) / 32) * 4;
  b.insert(b.end(), static_cast<std::size_t>(maskRow * side), 0);
  return b;
}

TEST_F(PictureFileTest, IconFilesGiveTheirLargestImage) {
  const std::vector<std::pair<int, std::uint32_t>> images = {
      {16, 0xFF0000}, {32, 0x0000FF}, {8, 0x00FF00}};
  Bytes file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  Bytes data;
  for (const auto& [side, rgb] : images) {
    const Bytes image = IconImage(side, rgb);
    file.insert(file.end(),
                {static_cast<std::uint8_t>(side), static_cast<std::uint8_t>(side), 0, 0});
    Put16(file, 1);
    Put16(file, 32);
    Put32(file, static_cast<std::uint32_t>(image.size()));
    Put32(file, offset);
    offset += static_cast<std::uint32_t>(image.size());
    data.insert(data.end(), image.begin(), image.end());
  }
  file.insert(file.end(), data.begin(), data.end());
  const Bitmap b = LoadPicture(Write("icon.ICO", file));
  ASSERT_EQ(b.GetSize(), (Size{32, 32}));
  EXPECT_EQ(b.PixelAt(5, 5), MakePixel(0, 0, 255));
}

// ---- GIF ----

// A GIF image block whose LZW data sends a clear code before every pixel, so that every code
// stays three bits wide.
Bytes GifFrame(int w, int h, const std::function<int(int, int)>& index) {
  Bytes b = {0x2C, 0, 0, 0, 0};
  Put16(b, static_cast<std::uint32_t>(w));
  Put16(b, static_cast<std::uint32_t>(h));
  b.push_back(0);
  b.push_back(2);  // minimum code size
  std::vector<int> codes;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) codes.insert(codes.end(), {4, index(x, y)});
  codes.push_back(5);
  Bytes packed;
  unsigned bits = 0, count = 0;
  for (int c : codes) {
    bits |= static_cast<unsigned>(c) << count;
    count += 3;
    while (count >= 8) {
      packed.push_back(static_cast<std::uint8_t>(bits));
      bits >>= 8;
      count -= 8;
    }
  }
  if (count) packed.push_back(static_cast<std::uint8_t>(bits));
  for (std::size_t at = 0; at < packed.size(); at += 255) {
    const std::size_t n = std::min<std::size_t>(255, packed.size() - at);
    b.push_back(static_cast<std::uint8_t>(n));
    b.insert(b.end(), packed.begin() + static_cast<long>(at),
             packed.begin() + static_cast<long>(at + n));
  }
  b.push_back(0);
  return b;
}

TEST_F(PictureFileTest, GifFilesGiveTheirFirstFrame) {
  Bytes file = {'G', 'I', 'F', '8', '9', 'a'};
  Put16(file, 6);
  Put16(file, 4);
  file.insert(file.end(), {0x80, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF});  // red, blue
  const Bytes first = GifFrame(6, 4, [](int x, int) { return x < 3 ? 0 : 1; });
  const Bytes second = GifFrame(6, 4, [](int, int) { return 1; });
  file.insert(file.end(), first.begin(), first.end());
  file.insert(file.end(), second.begin(), second.end());
  file.push_back(0x3B);
  const Bitmap b = LoadPicture(Write("anim.gif", file));
  ASSERT_EQ(b.GetSize(), (Size{6, 4}));
  EXPECT_EQ(b.PixelAt(1, 2), MakePixel(255, 0, 0));
  EXPECT_EQ(b.PixelAt(4, 2), MakePixel(0, 0, 255));
}

// ---- Metafiles ----

struct WmfRecord {
  std::uint16_t function;
  std::vector<std::uint16_t> params;
};

Bytes Wmf(const std::vector<WmfRecord>& records) {
  Bytes b;
  Put32(b, 0x9AC6CDD7u);
  Put16(b, 0);
  for (std::uint32_t v : {0u, 0u, 200u, 100u}) Put16(b, v);  // bounding box
  Put16(b, 192);                                             // units per inch: 100 x 50 pixels
  Put32(b, 0);
  Put16(b, 0);
  Put16(b, 1);
  Put16(b, 9);
  Put16(b, 0x300);
  Put32(b, 0);
  Put16(b, 2);
  Put32(b, 0);
  Put16(b, 0);
  for (const WmfRecord& r : records) {
    Put32(b, static_cast<std::uint32_t>(3 + r.params.size()));
    Put16(b, r.function);
    for (std::uint16_t p : r.params) Put16(b, p);
  }
  Put32(b, 3);
  Put16(b, 0);
  return b;
}

TEST_F(PictureFileTest, WindowsMetafileIsDrawnAtItsSizeOnWhite) {
  const Bytes file = Wmf({
      {0x020B, {0, 0}},             // window origin
      {0x020C, {100, 200}},         // window extent 200 x 100
      {0x02FC, {0, 0x00FF, 0, 0}},  // solid red brush (colour bytes red, green, blue, 0)
      {0x012D, {0}},
      {0x02FA, {5, 0, 0, 0, 0}},  // null pen
      {0x012D, {1}},
      {0x041B, {100, 100, 0, 0}},  // rectangle: bottom, right, top, left
  });
  const Bitmap b = LoadPicture(Write("drawing.wmf", file));
  ASSERT_EQ(b.GetSize(), (Size{100, 50}));
  EXPECT_EQ(b.PixelAt(10, 25), MakePixel(255, 0, 0));
  EXPECT_EQ(b.PixelAt(75, 25), MakePixel(255, 255, 255));
}

Bytes EmfRecord(std::uint32_t type, const std::vector<std::uint32_t>& params) {
  Bytes b;
  Put32(b, type);
  Put32(b, static_cast<std::uint32_t>(8 + 4 * params.size()));
  for (std::uint32_t p : params) Put32(b, p);
  return b;
}

Bytes Emf(const std::vector<Bytes>& records) {
  // Reference device 1000 x 1000 pixels on 100 x 100 mm; frame 25.4 x 12.7 mm: 96 x 48 pixels.
  Bytes body;
  for (const Bytes& r : records) body.insert(body.end(), r.begin(), r.end());
  const Bytes eof = EmfRecord(14, {0, 16, 20});
  Bytes b = EmfRecord(1, {0,
                          0,
                          253,
                          126,
                          0,
                          0,
                          2540,
                          1270,
                          0x464D4520u,
                          0x10000,
                          static_cast<std::uint32_t>(88 + body.size() + eof.size()),
                          static_cast<std::uint32_t>(records.size() + 2),
                          2,
                          0,
                          0,
                          0,
                          1000,
                          1000,
                          100,
                          100});
  b.insert(b.end(), body.begin(), body.end());
  b.insert(b.end(), eof.begin(), eof.end());
  return b;
}

TEST_F(PictureFileTest, EnhancedMetafileIsDrawnAtItsFrameSize) {
  const Bytes file = Emf({
      EmfRecord(39, {1, 0, 0x000000FF, 0}),              // solid red brush
      EmfRecord(37, {1}), EmfRecord(37, {0x80000008u}),  // stock null pen
      EmfRecord(43, {0, 0, 127, 127}),                   // left half, in device pixels
  });
  const Bitmap b = LoadPicture(Write("drawing.EMF", file));
  ASSERT_EQ(b.GetSize(), (Size{96, 48}));
  EXPECT_EQ(b.PixelAt(10, 24), MakePixel(255, 0, 0));
  EXPECT_EQ(b.PixelAt(80, 24), MakePixel(255, 255, 255));
}

TEST_F(PictureFileTest, DamagedMetafilesRaiseEInvalidGraphic) {
  Bytes wmf = Wmf({{0x041B, {100, 100, 0, 0}}});
  wmf[22 + 18] = 0xFF;  // first record claims to be longer than the file
  wmf[22 + 19] = 0x7F;
  Bytes emf = Emf({EmfRecord(43, {0, 0, 10, 10})});
  emf[88 + 4] = 0xF0;  // record size past the end
  const std::vector<std::pair<std::string, Bytes>> files = {{"long.wmf", wmf},
                                                            {"long.emf", emf},
                                                            {"text.wmf", {'h', 'e', 'l', 'l', 'o'}},
                                                            {"text.emf", Bytes(100, 'x')},
                                                            {"empty.wmf", {}}};
  for (const auto& [name, bytes] : files) {
    EXPECT_THROW(LoadPicture(Write(name, bytes)), EInvalidGraphic) << name;
  }
}

// ---- Extensions and errors ----

TEST_F(PictureFileTest, ExtensionsChooseTheFormatWithoutRegardToCase) {
  const Bytes jpeg = EncodeJpeg(8, 8, [](int, int) { return 0x00FF00; });
  for (const char* name : {"a.jpg", "b.JPG", "c.jpeg", "d.JpEg"}) {
    EXPECT_EQ(LoadPicture(Write(name, jpeg)).GetSize(), (Size{8, 8})) << name;
  }
  // A JPEG named .bmp is read as BMP, and is not one.
  EXPECT_THROW(LoadPicture(Write("photo.bmp", jpeg)), EInvalidGraphic);
  EXPECT_EQ(PictureExtension("/x.y/name.TAR.Gz"), "gz");
  EXPECT_EQ(PictureExtension("/x.y/name"), "");
}

TEST_F(PictureFileTest, MissingEmptyUnknownAndDamagedFilesRaise) {
  try {
    LoadPicture(Write("picture.png", {1, 2, 3}));
    FAIL() << "png accepted";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Unknown picture file extension (.png)");
  }
  EXPECT_THROW(LoadPicture(Write("noext", {1, 2, 3})), EInvalidGraphic);
  EXPECT_THROW(LoadPicture(QDir(dir_.path()).filePath("missing.jpg").toStdString()), EFOpenError);
  for (const char* name : {"empty.bmp", "empty.ico", "empty.gif"}) {
    EXPECT_THROW(LoadPicture(Write(name, {})), EInvalidGraphic) << name;
  }
  EXPECT_THROW(LoadPicture(Write("empty.jpg", {})), EJPEG);
  Bytes cut = MakeBmp({24, 0, false, {}, {}, [](int y) { return Direct(y, 24); }, {}});
  cut.resize(40);
  EXPECT_THROW(LoadPicture(Write("cut.bmp", cut)), EInvalidGraphic);
  const Bytes jpeg = EncodeJpeg(64, 64, [](int x, int) { return x < 32 ? 0xFF : 0xFF00; });
  EXPECT_THROW(LoadPicture(Write("cut.jpg", Bytes(jpeg.begin(), jpeg.begin() + 300))), EJPEG);
}

}  // namespace
