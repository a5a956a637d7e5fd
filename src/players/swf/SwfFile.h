#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The parts of a SWF movie the player reads: its signature, its fixed header and its top-level
// tag list (all numbers little-endian). Every read is bounds-checked: data that ends early
// raises EReadError ("Stream read error").

// The largest movie the player inflates or reads into memory.
inline constexpr std::uint32_t kMaxSwfLength = 256u << 20;

enum class SwfSignature { kNone, kUncompressed, kZlib, kLzma };  // -, "FWS", "CWS", "ZWS"

SwfSignature SignatureOf(std::span<const std::uint8_t> movie);

// Offset of the first tag: after the 8-byte header, the frame rectangle, rate and count.
std::size_t FirstTagOffset(std::span<const std::uint8_t> movie);

struct SwfTag {
  std::size_t start = 0;  // offset of the 16-bit header word
  std::size_t body = 0;   // offset of the body, after the long-form length when there is one
  std::uint16_t code = 0;
  std::uint32_t length = 0;
  std::size_t End() const { return body + length; }
};

inline constexpr std::uint16_t kTagEnd = 0;
inline constexpr std::uint16_t kTagShowFrame = 1;
inline constexpr std::uint16_t kTagDoAction = 12;
inline constexpr std::uint16_t kTagFileAttributes = 69;
inline constexpr std::uint16_t kShortLengthMask = 0x3F;

// The tag whose header word is at pos; its body must lie within movie.
SwfTag ReadTag(std::span<const std::uint8_t> movie, std::size_t pos);

std::uint16_t ReadU16(std::span<const std::uint8_t> data, std::size_t pos);
std::uint32_t ReadU32(std::span<const std::uint8_t> data, std::size_t pos);
void WriteU16(std::span<std::uint8_t> data, std::size_t pos, std::uint16_t value);
void WriteU32(std::span<std::uint8_t> data, std::size_t pos, std::uint32_t value);

// The whole file; EFOpenError when it cannot be opened, EReadError when it cannot be read or
// is larger than kMaxSwfLength.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

// Turns a "CWS" movie into its "FWS" form of FileLength bytes (the first eight bytes kept,
// the signature's first letter made 'F', the inflated body from offset 8). An "FWS" movie
// comes back as it is.
std::vector<std::uint8_t> UncompressedSwf(std::vector<std::uint8_t> movie);
