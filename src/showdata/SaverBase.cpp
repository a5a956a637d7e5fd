#include "showdata/SaverBase.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <span>

#include "platform/Errors.h"
#include "showdata/ShowPaths.h"
#include "showdata/ShowText.h"

namespace sf = show_format;

namespace {

template <std::size_t N>
std::span<const std::uint8_t> FieldOf(const std::array<std::uint8_t, N>& record, sf::Field field) {
  return std::span<const std::uint8_t>(record).subspan(field.offset, field.width);
}

template <std::size_t N>
std::uint32_t UnsignedOf(const std::array<std::uint8_t, N>& record, sf::Field field) {
  std::uint32_t value = 0;
  for (std::size_t i = field.width; i-- > 0;) value = (value << 8) | record[field.offset + i];
  return value;
}

template <std::size_t N>
bool FlagOf(const std::array<std::uint8_t, N>& record, sf::Field field) {
  return record[field.offset] != 0;
}

// Reads count records of the vector's record size, after checking that the file holds them.
template <typename Record>
void ReadRecords(std::istream& file, std::int32_t count, std::uintmax_t& remaining,
                 std::vector<Record>& records) {
  if (count < 0 || static_cast<std::uintmax_t>(count) > remaining / sizeof(Record))
    throw EReadError(kStreamReadError);
  records.resize(static_cast<std::size_t>(count));
  const auto bytes = static_cast<std::streamsize>(records.size() * sizeof(Record));
  if (bytes > 0 && !file.read(reinterpret_cast<char*>(records.data()), bytes))
    throw EReadError(kStreamReadError);
  remaining -= static_cast<std::uintmax_t>(bytes);
}

}  // namespace

TSaverBase::TSaverBase() { std::memcpy(header_.data(), sf::kSignature, 3); }

bool TSaverBase::Open(const std::string& path, std::string& folder) {
  folder = FolderOf(path);
  return LoadShow(path);
}

bool TSaverBase::LoadShow(const std::string& path) {
  const std::string resolved = ResolvePath(path);
  std::error_code error;
  if (resolved.empty() || !std::filesystem::is_regular_file(resolved, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(resolved, error);
  std::ifstream file(resolved, std::ios::binary);
  if (error || !file)
    throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(errno));
  return LoadShow(file, size);
}

bool TSaverBase::LoadShow(std::istream& stream, std::uintmax_t size) {
  std::uintmax_t remaining = size;
  if (remaining < header_.size() ||
      !stream.read(reinterpret_cast<char*>(header_.data()), sf::kHeaderSize))
    throw EReadError(kStreamReadError);
  remaining -= sf::kHeaderSize;
  if (Signature() != sf::kSignature) return false;

  static_assert(sizeof(ItemRecord) == sf::kItemSize && sizeof(MusicRecord) == sf::kMusicSize);
  ReadRecords(stream, ItemCount(), remaining, items_);
  ReadRecords(stream, MusicCount(), remaining, music_);
  return true;
}

std::string TSaverBase::Signature() const {
  const auto field = FieldOf(header_, sf::kSignatureField);
  const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
  return std::string(field.begin(), end);
}

std::uint8_t TSaverBase::ShowKind() const { return header_[sf::kShowKind.offset]; }
std::string TSaverBase::PreviewText() const { return FieldText(FieldOf(header_, sf::kPreviewText)); }
bool TSaverBase::RandomOrder() const { return FlagOf(header_, sf::kRandomOrder); }
bool TSaverBase::RandomMusic() const { return FlagOf(header_, sf::kRandomMusic); }
std::uint8_t TSaverBase::FitMode() const { return header_[sf::kFitMode.offset]; }
std::uint32_t TSaverBase::ShowSeconds() const { return UnsignedOf(header_, sf::kShowSeconds); }
bool TSaverBase::ExitOnMouseMove() const { return FlagOf(header_, sf::kExitOnMouseMove); }
bool TSaverBase::ExitOnClick() const { return FlagOf(header_, sf::kExitOnClick); }
bool TSaverBase::ExitOnKey() const { return FlagOf(header_, sf::kExitOnKey); }
bool TSaverBase::CloseButton() const { return FlagOf(header_, sf::kCloseButton); }
bool TSaverBase::ShutdownEnabled() const { return FlagOf(header_, sf::kShutdownEnabled); }
std::uint16_t TSaverBase::ShutdownMinutes() const {
  return static_cast<std::uint16_t>(UnsignedOf(header_, sf::kShutdownMinutes));
}
std::uint32_t TSaverBase::BackColor() const { return UnsignedOf(header_, sf::kBackColor); }
bool TSaverBase::MuteFlash() const { return FlagOf(header_, sf::kMuteFlash); }
std::int32_t TSaverBase::ItemCount() const {
  return static_cast<std::int32_t>(UnsignedOf(header_, sf::kItemCount));
}
std::int32_t TSaverBase::MusicCount() const {
  return static_cast<std::int32_t>(UnsignedOf(header_, sf::kMusicCount));
}
bool TSaverBase::AbsolutePaths() const { return FlagOf(header_, sf::kAbsolutePaths); }
bool TSaverBase::EffectGroupOn(int group) const {
  return header_[sf::kEffectGroups.offset + static_cast<std::size_t>(group)] != 0;
}

std::uint8_t TSaverBase::ItemKind(int i) const {
  return items_[static_cast<std::size_t>(i)][sf::kItemKind.offset];
}
std::string TSaverBase::ItemFolder(int i) const {
  return FieldText(FieldOf(items_[static_cast<std::size_t>(i)], sf::kItemFolder));
}
std::string TSaverBase::ItemFileName(int i) const {
  return FieldText(FieldOf(items_[static_cast<std::size_t>(i)], sf::kItemFileName));
}
std::string TSaverBase::ItemExtension(int i) const {
  return FieldText(FieldOf(items_[static_cast<std::size_t>(i)], sf::kItemExtension));
}
std::string TSaverBase::MusicFolder(int i) const {
  return FieldText(FieldOf(music_[static_cast<std::size_t>(i)], sf::kMusicFolder));
}
std::string TSaverBase::MusicFileName(int i) const {
  return FieldText(FieldOf(music_[static_cast<std::size_t>(i)], sf::kMusicFileName));
}

std::string TSaverBase::FilePath(const std::string& folder, const std::string& name) const {
  if (AbsolutePaths()) return ResolvePath(folder + name);
  return ResolvePath(dataDir_ + "\\" + name);
}

std::string TSaverBase::ItemPath(int i) const {
  if (ShowKind() == ikWebsite) return ItemFileName(i);
  return FilePath(ItemFolder(i), ItemFileName(i));
}

std::string TSaverBase::MusicPath(int i) const {
  return FilePath(MusicFolder(i), MusicFileName(i));
}
