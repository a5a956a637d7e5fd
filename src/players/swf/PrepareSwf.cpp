#include "players/swf/PrepareSwf.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/Errors.h"
#include "players/swf/SwfFile.h"

namespace {

constexpr std::uint16_t kUndefinedTagCode = 0xFFC0;  // 1023 << 6

bool SilencedTag(std::uint16_t code) {
  return code == 14 || code == 18 || code == 19 || code == 24 || code == 45;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw EFCreateError("Cannot create file \"" + path + "\". " + std::strerror(errno));
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    throw EWriteError("Cannot write file \"" + path + "\"");
  }
}

}  // namespace

std::optional<std::vector<std::uint8_t>> PreparedSwf(std::vector<std::uint8_t> movie) {
  const SwfSignature signature = SignatureOf(movie);
  if (signature != SwfSignature::kUncompressed && signature != SwfSignature::kZlib) {
    return std::nullopt;
  }
  const std::uint32_t fileLength = ReadU32(movie, 4);
  if (signature == SwfSignature::kUncompressed && (fileLength < 8 || fileLength > movie.size())) {
    throw EReadError(kStreamReadError);
  }
  movie = UncompressedSwf(std::move(movie));
  for (std::size_t pos = FirstTagOffset(movie);;) {
    const SwfTag tag = ReadTag(movie, pos);
    if (tag.code == kTagEnd) break;
    if (SilencedTag(tag.code)) {
      WriteU16(movie, tag.start,
               (ReadU16(movie, tag.start) & kShortLengthMask) | kUndefinedTagCode);
    }
    pos = tag.End();
  }
  movie.resize(fileLength);
  return movie;
}

int PrepareSwf(const std::string& source, const std::string& target) {
  auto copy = PreparedSwf(ReadWholeFile(source));
  if (!copy) return 1;
  WriteFile(target, *copy);
  return 0;
}
