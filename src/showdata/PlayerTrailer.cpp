#include "showdata/PlayerTrailer.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <span>

#include "platform/Errors.h"
#include "showdata/ShowFormat.h"
#include "showdata/ShowText.h"

TPlayerTrailer ReadPlayerTrailer(const std::string& executablePath) {
  std::ifstream file(executablePath, std::ios::binary | std::ios::ate);
  if (!file)
    throw EFOpenError("Cannot open file \"" + executablePath + "\". " + std::strerror(errno));
  const auto size = static_cast<std::size_t>(file.tellg());
  if (size < show_format::kTrailerSize) return {};
  std::array<std::uint8_t, show_format::kTrailerSize> trailer{};
  file.seekg(static_cast<std::streamoff>(size - show_format::kTrailerSize));
  if (!file.read(reinterpret_cast<char*>(trailer.data()), trailer.size()))
    throw EReadError(kStreamReadError);
  return {FieldText(std::span<const std::uint8_t>(trailer).first(show_format::kShowPathSize))};
}
