#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "showdata/ShowFormat.h"

// What a show-data file holds, for writing one. Text is stored as given (UTF-8); unused bytes
// are zero.
struct ShowItemSpec {
  std::uint8_t kind = ikPicture;
  std::string folder;     // ends with a separator; used with absolute paths
  std::string fileName;   // or a web address
  std::string extension;  // with its dot
};

struct ShowMusicSpec {
  std::string folder;
  std::string fileName;
};

struct ShowSpec {
  std::uint8_t showKind = ikPicture;
  std::string previewText;
  bool randomOrder = false;
  bool randomMusic = false;
  std::uint8_t fitMode = 2;
  std::uint32_t showSeconds = 5;
  bool exitOnMouseMove = true;
  bool exitOnClick = true;
  bool exitOnKey = true;
  bool closeButton = false;
  bool shutdownEnabled = false;
  std::uint16_t shutdownMinutes = 0;
  std::uint32_t backColor = 0;  // red in the low byte
  bool muteFlash = false;
  bool absolutePaths = false;
  std::array<bool, show_format::kEffectGroupCount> effectGroups{};
  std::vector<ShowItemSpec> items;
  std::vector<ShowMusicSpec> music;
};

// The bytes of a show-data file. Throws ERangeError when a text does not fit its field.
std::vector<std::uint8_t> EncodeShow(const ShowSpec& show);
// The 1089-byte trailer naming showPath. Throws ERangeError when the path is too long.
std::vector<std::uint8_t> EncodeTrailer(const std::string& showPath);
