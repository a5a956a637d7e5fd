#include "players/swf/SwfFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "platform/Errors.h"
#include "players/swf/InflateSwfBody.h"

namespace {

void Require(bool holds) {
  if (!holds) throw EReadError(kStreamReadError);
}

bool Within(std::span<const std::uint8_t> data, std::size_t pos, std::size_t count) {
  return pos <= data.size() && count <= data.size() - pos;
}

}  // namespace

SwfSignature SignatureOf(std::span<const std::uint8_t> movie) {
  if (movie.size() < 3 || movie[1] != 'W' || movie[2] != 'S') return SwfSignature::kNone;
  switch (movie[0]) {
    case 'F':
      return SwfSignature::kUncompressed;
    case 'C':
      return SwfSignature::kZlib;
    case 'Z':
      return SwfSignature::kLzma;
    default:
      return SwfSignature::kNone;
  }
}

std::uint16_t ReadU16(std::span<const std::uint8_t> data, std::size_t pos) {
  Require(Within(data, pos, 2));
  return static_cast<std::uint16_t>(data[pos] | data[pos + 1] << 8);
}

std::uint32_t ReadU32(std::span<const std::uint8_t> data, std::size_t pos) {
  Require(Within(data, pos, 4));
  return static_cast<std::uint32_t>(data[pos]) | static_cast<std::uint32_t>(data[pos + 1]) << 8 |
         static_cast<std::uint32_t>(data[pos + 2]) << 16 |
         static_cast<std::uint32_t>(data[pos + 3]) << 24;
}

void WriteU16(std::span<std::uint8_t> data, std::size_t pos, std::uint16_t value) {
  Require(Within(data, pos, 2));
  data[pos] = static_cast<std::uint8_t>(value);
  data[pos + 1] = static_cast<std::uint8_t>(value >> 8);
}

void WriteU32(std::span<std::uint8_t> data, std::size_t pos, std::uint32_t value) {
  Require(Within(data, pos, 4));
  for (int i = 0; i < 4; ++i) data[pos + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::size_t FirstTagOffset(std::span<const std::uint8_t> movie) {
  Require(movie.size() > 8);
  const std::size_t bits = movie[8] >> 3;
  const std::size_t pos = 8 + (5 + 4 * bits + 7) / 8 + 2 + 2;
  Require(pos <= movie.size());
  return pos;
}

SwfTag ReadTag(std::span<const std::uint8_t> movie, std::size_t pos) {
  SwfTag tag;
  tag.start = pos;
  const std::uint16_t word = ReadU16(movie, pos);
  tag.code = word >> 6;
  tag.length = word & kShortLengthMask;
  tag.body = pos + 2;
  if (tag.length == kShortLengthMask) {
    tag.length = ReadU32(movie, tag.body);
    tag.body += 4;
  }
  Require(Within(movie, tag.body, tag.length));
  return tag;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(errno));
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  Require(size >= 0 && static_cast<std::uint64_t>(size) <= kMaxSwfLength);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), size);
  Require(in.gcount() == size);
  return bytes;
}

std::vector<std::uint8_t> UncompressedSwf(std::vector<std::uint8_t> movie) {
  if (SignatureOf(movie) != SwfSignature::kZlib) return movie;
  const std::uint32_t fileLength = ReadU32(movie, 4);
  Require(fileLength >= 8);
  if (fileLength > kMaxSwfLength) {
    throw EZDecompressionError("Movie too large to inflate: " + std::to_string(fileLength) +
                               " bytes");
  }
  std::vector<std::uint8_t> body;
  InflateSwfBody(fileLength - 8, std::span(movie).subspan(8), body);
  movie[0] = 'F';
  movie.resize(fileLength);
  std::memcpy(movie.data() + 8, body.data(), body.size());
  return movie;
}
