#pragma once

#include <cstdint>
#include <vector>

#include "raster/Bitmap.h"

// The horizontal half of a stretching copy: which source column each destination column takes,
// prepared once per copy and applied to every row.
class RowGather {
 public:
  // Destination column lo + k takes source column source[k]; the source columns lie inside
  // 0..sourceWidth - 1 and change monotonically.
  RowGather(std::int32_t lo, std::vector<std::int32_t> source, std::int32_t sourceWidth);

  // Writes the destination columns left..right - 1 of one row from the source row. next, when
  // given, is the source row of the following call: a shrinking copy asks for it early.
  void CopyRow(Pixel* to, const Pixel* from, std::int32_t left, std::int32_t right,
               const Pixel* next = nullptr) const;

 private:
  enum class Kind {
    Forward,  // column for column: a plain copy
    Local,    // enlarged or mirrored: each step moves the source by at most one column
    Sparse,   // shrunk: the source is sampled with gaps
  };

  void Gather(Pixel* to, const Pixel* from, std::int32_t left, std::int32_t right,
              const Pixel* next) const;

  std::int32_t lo_;
  std::vector<std::int32_t> source_;
  Kind kind_;
  // For Local copies on processors with 8-lane permutes: per block of eight destination columns
  // the source column to load eight pixels from, then where each of the eight comes from.
  static constexpr std::size_t kBlockInts = 9;
  std::vector<std::int32_t> blocks_;
};
