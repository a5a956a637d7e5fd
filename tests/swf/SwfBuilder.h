#pragma once

#include <zlib.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Writes small SWF movies for tests: a header with a stage of width × height pixels, a frame
// rate and count, then the tags added in order (the End tag is not added by itself).
class SwfBuilder {
 public:
  using Bytes = std::vector<std::uint8_t>;

  SwfBuilder& Tag(std::uint16_t code, const Bytes& body, bool longForm = false) {
    if (longForm || body.size() >= 0x3F) {
      U16(tags_, static_cast<std::uint16_t>(code << 6 | 0x3F));
      U32(tags_, static_cast<std::uint32_t>(body.size()));
    } else {
      U16(tags_, static_cast<std::uint16_t>(code << 6 | body.size()));
    }
    tags_.insert(tags_.end(), body.begin(), body.end());
    return *this;
  }
  SwfBuilder& ShowFrame() { return Tag(1, {}); }
  SwfBuilder& End() { return Tag(0, {}); }
  SwfBuilder& Raw(const Bytes& bytes) {
    tags_.insert(tags_.end(), bytes.begin(), bytes.end());
    return *this;
  }
  SwfBuilder& Stage(int width, int height) {
    width_ = width;
    height_ = height;
    return *this;
  }
  SwfBuilder& Frames(std::uint16_t count, std::uint8_t perSecond) {
    frameCount_ = count;
    frameRate_ = perSecond;
    return *this;
  }

  // The uncompressed movie; FileLength is the file's length unless given.
  Bytes Fws(std::uint8_t version = 10, long fileLength = -1) const {
    Bytes body = Body();
    Bytes out{'F', 'W', 'S', version};
    U32(out, static_cast<std::uint32_t>(fileLength >= 0 ? fileLength : long(8 + body.size())));
    out.insert(out.end(), body.begin(), body.end());
    return out;
  }
  // The zlib-compressed movie, its FileLength the uncompressed length unless given.
  Bytes Cws(std::uint8_t version = 10, long fileLength = -1) const {
    const Bytes body = Body();
    uLongf size = compressBound(body.size());
    Bytes packed(size);
    if (compress(packed.data(), &size, body.data(), body.size()) != Z_OK) {
      throw std::runtime_error("compress failed");
    }
    packed.resize(size);
    Bytes out{'C', 'W', 'S', version};
    U32(out, static_cast<std::uint32_t>(fileLength >= 0 ? fileLength : long(8 + body.size())));
    out.insert(out.end(), packed.begin(), packed.end());
    return out;
  }

  // The bytes after the eight-byte header: stage rectangle, frame rate, frame count, tags.
  Bytes Body() const {
    Bytes out = Rect(width_ * 20, height_ * 20);
    out.push_back(0);
    out.push_back(frameRate_);
    U16(out, frameCount_);
    out.insert(out.end(), tags_.begin(), tags_.end());
    return out;
  }

  static void U16(Bytes& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
  }
  static void U32(Bytes& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }

 private:
  // A rectangle of 16-bit fields: 0, xMax, 0, yMax in twips.
  static Bytes Rect(int xMax, int yMax) {
    std::vector<bool> bits;
    auto put = [&bits](std::uint32_t value, int count) {
      for (int i = count - 1; i >= 0; --i) bits.push_back((value >> i) & 1);
    };
    put(16, 5);
    for (int value : {0, xMax, 0, yMax}) put(static_cast<std::uint32_t>(value), 16);
    Bytes out((bits.size() + 7) / 8, 0);
    for (std::size_t i = 0; i < bits.size(); ++i) {
      if (bits[i]) out[i / 8] |= static_cast<std::uint8_t>(0x80 >> (i % 8));
    }
    return out;
  }

  Bytes tags_;
  int width_ = 400;
  int height_ = 300;
  std::uint16_t frameCount_ = 1;
  std::uint8_t frameRate_ = 12;
};
