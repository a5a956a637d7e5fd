#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "showdata/ShowFormat.h"

// One show's data: the header settings, the item records and the music records of a show-data
// file, and the paths of its items and music as this system opens them. Each show window loads
// its own copy once and never changes it.
class TSaverBase {
 public:
  using Header = std::array<std::uint8_t, show_format::kHeaderSize>;
  using ItemRecord = std::array<std::uint8_t, show_format::kItemSize>;
  using MusicRecord = std::array<std::uint8_t, show_format::kMusicSize>;

  // An empty show: a zeroed header with the signature "KRV", no items, no music.
  TSaverBase();

  // Sets folder to the part of path up to its last separator or drive colon, then loads path.
  bool Open(const std::string& path, std::string& folder);
  // False when no file exists at path or its signature is not "KRV"; throws EReadError
  // ("Stream read error") when the file is shorter than its header or than the records its
  // counts announce, or a count is negative, and EFOpenError when it cannot be opened.
  bool LoadShow(const std::string& path);
  // The same from a stream holding size bytes.
  bool LoadShow(std::istream& stream, std::uintmax_t size);
  void SetDataDir(const std::string& folder) { dataDir_ = folder; }
  const std::string& DataDir() const { return dataDir_; }

  std::string Signature() const;
  std::uint8_t ShowKind() const;
  std::string PreviewText() const;
  bool RandomOrder() const;
  bool RandomMusic() const;
  std::uint8_t FitMode() const;
  std::uint32_t ShowSeconds() const;
  bool ExitOnMouseMove() const;
  bool ExitOnClick() const;
  bool ExitOnKey() const;
  bool CloseButton() const;
  bool ShutdownEnabled() const;
  std::uint16_t ShutdownMinutes() const;
  std::uint32_t BackColor() const;  // red in the low byte, then green, then blue
  bool MuteFlash() const;
  std::int32_t ItemCount() const;
  std::int32_t MusicCount() const;
  bool AbsolutePaths() const;
  bool EffectGroupOn(int group) const;  // group 0..29

  // Index accessors: callers pass 0 <= i < ItemCount() (or MusicCount()).
  std::uint8_t ItemKind(int i) const;
  std::string ItemFolder(int i) const;
  std::string ItemFileName(int i) const;
  std::string ItemExtension(int i) const;
  // A website's address unchanged; otherwise the item's folder and name, or the data folder
  // and name, as the path to open.
  std::string ItemPath(int i) const;
  std::string MusicFolder(int i) const;
  std::string MusicFileName(int i) const;
  std::string MusicPath(int i) const;

  const Header& RawHeader() const { return header_; }

 private:
  std::string FilePath(const std::string& folder, const std::string& name) const;

  Header header_{};
  std::vector<ItemRecord> items_;
  std::vector<MusicRecord> music_;
  std::string dataDir_;
};
