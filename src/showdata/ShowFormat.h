#pragma once

#include <cstddef>
#include <cstdint>

// Byte layout of the show-data file and of the trailer appended to a player copy.
// All integers are little-endian; text fields end at their first zero byte.
namespace show_format {

inline constexpr std::size_t kTrailerSize = 1089;
inline constexpr std::size_t kShowPathSize = 1025;

inline constexpr std::size_t kHeaderSize = 624;
inline constexpr std::size_t kItemSize = 1296;
inline constexpr std::size_t kMusicSize = 1157;
inline constexpr char kSignature[] = "KRV";

struct Field {
  std::size_t offset;
  std::size_t width;
};

// Header
inline constexpr Field kSignatureField{0, 5};
inline constexpr Field kShowKind{5, 1};
inline constexpr Field kPreviewText{6, 128};
inline constexpr Field kRandomOrder{518, 1};
inline constexpr Field kRandomMusic{519, 1};
inline constexpr Field kFitMode{520, 1};
inline constexpr Field kShowSeconds{524, 4};
inline constexpr Field kExitOnMouseMove{529, 1};
inline constexpr Field kExitOnClick{530, 1};
inline constexpr Field kExitOnKey{531, 1};
inline constexpr Field kCloseButton{532, 1};
inline constexpr Field kShutdownEnabled{533, 1};
inline constexpr Field kShutdownMinutes{534, 2};
inline constexpr Field kBackColor{536, 4};
inline constexpr Field kMuteFlash{540, 1};
inline constexpr Field kItemCount{544, 4};
inline constexpr Field kMusicCount{548, 4};
inline constexpr Field kAbsolutePaths{557, 1};
inline constexpr Field kEffectGroups{558, 30};
inline constexpr int kEffectGroupCount = 30;

// Item record
inline constexpr Field kItemKind{0, 1};
inline constexpr Field kItemFolder{1, 1024};
inline constexpr Field kItemFileName{1025, 128};
inline constexpr Field kItemExtension{1153, 5};

// Music record
inline constexpr Field kMusicFolder{0, 1024};
inline constexpr Field kMusicFileName{1024, 128};

}  // namespace show_format

// The kind of a show's items.
enum TItemKind : std::uint8_t { ikPicture = 0, ikFlash = 1, ikVideo = 2, ikWebsite = 3 };
