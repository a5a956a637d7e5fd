#pragma once

#include <cstdint>
#include <vector>

#include "tests/swf/SwfBuilder.h"

// Movies for the Flash tests, written bit by bit as the SWF format lays them out.
class BitWriter {
 public:
  void Put(std::uint32_t value, int bits) {
    for (int i = bits - 1; i >= 0; --i) bits_.push_back((value >> i) & 1);
  }
  void PutSigned(std::int32_t value, int bits) { Put(static_cast<std::uint32_t>(value), bits); }
  std::vector<std::uint8_t> Bytes() const {
    std::vector<std::uint8_t> out((bits_.size() + 7) / 8, 0);
    for (std::size_t i = 0; i < bits_.size(); ++i) {
      if (bits_[i]) out[i / 8] |= static_cast<std::uint8_t>(0x80 >> (i % 8));
    }
    return out;
  }

 private:
  std::vector<bool> bits_;
};

// DefineShape 1: a rectangle of width × height pixels at the origin, filled with rgb.
inline std::vector<std::uint8_t> FilledRectangle(int width, int height, std::uint32_t rgb) {
  const int w = width * 20, h = height * 20, bits = 17;
  BitWriter bounds;
  bounds.Put(bits, 5);
  for (int v : {0, w, 0, h}) bounds.PutSigned(v, bits);
  std::vector<std::uint8_t> body{1, 0};  // shape id 1
  const auto rect = bounds.Bytes();
  body.insert(body.end(), rect.begin(), rect.end());
  body.insert(body.end(), {1, 0x00, std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8),
                           std::uint8_t(rgb), 0, 0x10});  // one solid fill, no lines, 1/0 bits
  BitWriter records;
  records.Put(0b000011, 6);  // style change: fill style 0, move to
  records.Put(bits, 5);
  records.PutSigned(0, bits);
  records.PutSigned(0, bits);
  records.Put(1, 1);  // fill style 0 := 1
  const int edge[4][2] = {{w, 0}, {0, h}, {-w, 0}, {0, -h}};
  for (const auto& [dx, dy] : edge) {
    records.Put(0b11, 2);  // straight edge
    records.Put(bits - 2, 4);
    records.Put(0, 1);                // not a general line
    records.Put(dx == 0 ? 1 : 0, 1);  // vertical?
    records.PutSigned(dx == 0 ? dy : dx, bits);
  }
  records.Put(0, 6);  // end of shape
  const auto shape = records.Bytes();
  body.insert(body.end(), shape.begin(), shape.end());
  return body;
}

// An ActionScript 1 movie of frameCount frames at perSecond frames a second on a stage of
// width × height pixels, filled with a rectangle of colour rgb, whose last frame stops the movie.
// An ActionScript 3 movie has no frame scripts for the frame reports to use.
inline std::vector<std::uint8_t> CountingMovie(int frameCount, int perSecond, int width = 400,
                                               int height = 300, std::uint32_t rgb = 0xCC2020,
                                               bool actionScript3 = false) {
  SwfBuilder builder;
  builder.Stage(width, height).Frames(std::uint16_t(frameCount), std::uint8_t(perSecond));
  if (actionScript3) builder.Tag(69, {0x08, 0, 0, 0});  // FileAttributes: ActionScript 3
  builder.Tag(9, {0x20, 0x40, 0x60});                   // SetBackgroundColor
  builder.Tag(2, FilledRectangle(width, height, rgb));
  builder.Tag(26, {0x02, 1, 0, 1, 0});  // PlaceObject2: shape 1 at depth 1
  for (int i = 0; i < frameCount; ++i) {
    if (i == frameCount - 1 && !actionScript3) builder.Tag(12, {0x07, 0x00});  // DoAction: Stop
    builder.ShowFrame();
  }
  return builder.End().Fws();
}
