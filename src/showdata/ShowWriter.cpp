#include "showdata/ShowWriter.h"

#include <cstring>

#include "platform/Errors.h"

namespace sf = show_format;

namespace {

class RecordWriter {
 public:
  RecordWriter(std::uint8_t* record, const char* recordName) : record_(record), name_(recordName) {}

  void Text(sf::Field field, const std::string& text, const char* fieldName) {
    if (text.size() > field.width) {
      throw ERangeError(std::string(name_) + " " + fieldName + " \"" + text + "\" is " +
                        std::to_string(text.size()) + " bytes long; its field holds " +
                        std::to_string(field.width));
    }
    std::memcpy(record_ + field.offset, text.data(), text.size());
  }
  void Unsigned(sf::Field field, std::uint32_t value) {
    for (std::size_t i = 0; i < field.width; ++i) record_[field.offset + i] = (value >> (8 * i)) & 0xFF;
  }
  void Flag(sf::Field field, bool on) { record_[field.offset] = on ? 1 : 0; }

 private:
  std::uint8_t* record_;
  const char* name_;
};

void WriteHeader(RecordWriter& out, const ShowSpec& show) {
  out.Text(sf::kSignatureField, sf::kSignature, "signature");
  out.Unsigned(sf::kShowKind, show.showKind);
  out.Text(sf::kPreviewText, show.previewText, "preview text");
  out.Flag(sf::kRandomOrder, show.randomOrder);
  out.Flag(sf::kRandomMusic, show.randomMusic);
  out.Unsigned(sf::kFitMode, show.fitMode);
  out.Unsigned(sf::kShowSeconds, show.showSeconds);
  out.Flag(sf::kExitOnMouseMove, show.exitOnMouseMove);
  out.Flag(sf::kExitOnClick, show.exitOnClick);
  out.Flag(sf::kExitOnKey, show.exitOnKey);
  out.Flag(sf::kCloseButton, show.closeButton);
  out.Flag(sf::kShutdownEnabled, show.shutdownEnabled);
  out.Unsigned(sf::kShutdownMinutes, show.shutdownMinutes);
  out.Unsigned(sf::kBackColor, show.backColor);
  out.Flag(sf::kMuteFlash, show.muteFlash);
  out.Unsigned(sf::kItemCount, static_cast<std::uint32_t>(show.items.size()));
  out.Unsigned(sf::kMusicCount, static_cast<std::uint32_t>(show.music.size()));
  out.Flag(sf::kAbsolutePaths, show.absolutePaths);
  for (std::size_t g = 0; g < show.effectGroups.size(); ++g)
    out.Flag({sf::kEffectGroups.offset + g, 1}, show.effectGroups[g]);
}

}  // namespace

std::vector<std::uint8_t> EncodeShow(const ShowSpec& show) {
  std::vector<std::uint8_t> bytes(sf::kHeaderSize + show.items.size() * sf::kItemSize +
                                  show.music.size() * sf::kMusicSize);
  RecordWriter header(bytes.data(), "show");
  WriteHeader(header, show);
  std::uint8_t* next = bytes.data() + sf::kHeaderSize;
  for (const auto& item : show.items) {
    RecordWriter out(next, "item");
    out.Unsigned(sf::kItemKind, item.kind);
    out.Text(sf::kItemFolder, item.folder, "folder");
    out.Text(sf::kItemFileName, item.fileName, "file name");
    out.Text(sf::kItemExtension, item.extension, "extension");
    next += sf::kItemSize;
  }
  for (const auto& track : show.music) {
    RecordWriter out(next, "music");
    out.Text(sf::kMusicFolder, track.folder, "folder");
    out.Text(sf::kMusicFileName, track.fileName, "file name");
    next += sf::kMusicSize;
  }
  return bytes;
}

std::vector<std::uint8_t> EncodeTrailer(const std::string& showPath) {
  std::vector<std::uint8_t> bytes(sf::kTrailerSize);
  RecordWriter(bytes.data(), "trailer").Text({0, sf::kShowPathSize}, showPath, "show path");
  return bytes;
}
