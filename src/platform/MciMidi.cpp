#include "platform/MciMidi.h"

#include <fluidsynth.h>
#include <mpv/client.h>
#include <mpv/stream_cb.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

constexpr std::string_view kProtocol = "mcimidi";
constexpr int kSampleRate = 44100;
constexpr int kBlockFrames = 1024;
constexpr int kMaxTailFrames = 2 * kSampleRate;  // notes still sounding after the last event
constexpr std::array kSoundFonts = {"/usr/share/sounds/sf2/TimGM6mb.sf2",
                                    "/usr/share/sounds/sf2/default-GM.sf2"};

std::uint32_t ReadLE32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
}

bool StartsWith(const std::vector<std::uint8_t>& data, std::size_t at, std::string_view tag) {
  return data.size() >= at + tag.size() &&
         std::memcmp(data.data() + at, tag.data(), tag.size()) == 0;
}

// A WAV header for 16-bit stereo PCM of unknown length, as a live stream has.
std::vector<char> WavHeader() {
  std::vector<char> header;
  auto put = [&](const void* bytes, std::size_t n) {
    const auto* p = static_cast<const char*>(bytes);
    header.insert(header.end(), p, p + n);
  };
  auto put32 = [&](std::uint32_t v) {
    const std::uint8_t b[] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16),
                              std::uint8_t(v >> 24)};
    put(b, 4);
  };
  auto put16 = [&](std::uint16_t v) {
    const std::uint8_t b[] = {std::uint8_t(v), std::uint8_t(v >> 8)};
    put(b, 2);
  };
  put("RIFF", 4);
  put32(0xFFFFFFFFu);
  put("WAVEfmt ", 8);
  put32(16);
  put16(1);  // PCM
  put16(2);
  put32(kSampleRate);
  put32(kSampleRate * 4);
  put16(4);
  put16(16);
  put("data", 4);
  put32(0xFFFFFFFFu);
  return header;
}

void Silence(int, const char*, void*) {}

// One playing MIDI file: its synthesiser, its sequencer and the bytes not yet read.
class MidiRender {
 public:
  MidiRender() : settings_(new_fluid_settings()) {
    fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
    // The sequencer advances with the samples rendered, not with the wall clock.
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    synth_ = new_fluid_synth(settings_);
    player_ = synth_ ? new_fluid_player(synth_) : nullptr;
  }
  ~MidiRender() {
    if (player_) delete_fluid_player(player_);
    if (synth_) delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
  }
  MidiRender(const MidiRender&) = delete;
  MidiRender& operator=(const MidiRender&) = delete;

  bool Start(const std::vector<std::uint8_t>& midi) {
    if (!player_ || midi.empty()) return false;
    const bool fontLoaded = std::any_of(kSoundFonts.begin(), kSoundFonts.end(), [&](auto path) {
      return fluid_synth_sfload(synth_, path, 1) != FLUID_FAILED;
    });
    if (!fontLoaded || fluid_player_add_mem(player_, midi.data(), midi.size()) != FLUID_OK ||
        fluid_player_play(player_) != FLUID_OK)
      return false;
    pending_ = WavHeader();
    // A file whose tracks hold nothing playable is over within its first block.
    return RenderBlock() && !(fluid_player_get_status(player_) == FLUID_PLAYER_DONE &&
                              fluid_synth_get_active_voice_count(synth_) == 0);
  }

  std::int64_t Read(char* buffer, std::uint64_t size) {
    if (offset_ == pending_.size()) {
      pending_.clear();
      offset_ = 0;
      if (!RenderBlock()) return 0;
    }
    const auto n = std::min<std::uint64_t>(size, pending_.size() - offset_);
    std::memcpy(buffer, pending_.data() + offset_, n);
    offset_ += n;
    return static_cast<std::int64_t>(n);
  }

 private:
  // Appends the next block of samples; false once the music and its last notes are over.
  bool RenderBlock() {
    if (fluid_player_get_status(player_) == FLUID_PLAYER_DONE) {
      if (fluid_synth_get_active_voice_count(synth_) == 0 || tailFrames_ >= kMaxTailFrames)
        return false;
      tailFrames_ += kBlockFrames;
    }
    const auto start = pending_.size();
    pending_.resize(start + kBlockFrames * 4);
    fluid_synth_write_s16(synth_, kBlockFrames, pending_.data() + start, 0, 2,
                          pending_.data() + start, 1, 2);
    return true;
  }

  fluid_settings_t* settings_;
  fluid_synth_t* synth_ = nullptr;
  fluid_player_t* player_ = nullptr;
  std::vector<char> pending_;
  std::size_t offset_ = 0;
  int tailFrames_ = 0;
};

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int OpenStream(void*, char* uri, mpv_stream_cb_info* info) {
  const std::string_view text(uri);
  const auto path = std::string(text.substr(kProtocol.size() + 3));
  auto render = std::make_unique<MidiRender>();
  if (!render->Start(StandardMidiData(ReadFile(path)))) return MPV_ERROR_LOADING_FAILED;
  info->cookie = render.release();
  info->read_fn = [](void* cookie, char* buffer, std::uint64_t size) {
    return static_cast<MidiRender*>(cookie)->Read(buffer, size);
  };
  info->close_fn = [](void* cookie) { delete static_cast<MidiRender*>(cookie); };
  return 0;
}

}  // namespace

bool IsMidiFile(std::string_view path) {
  const auto dot = path.rfind('.');
  if (dot == std::string_view::npos) return false;
  std::string extension(path.substr(dot + 1));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == "mid" || extension == "midi" || extension == "rmi";
}

std::string MidiUrl(const std::string& path) {
  return std::string(kProtocol) + "://" + path;
}

void RegisterMidiProtocol(mpv_handle* player) {
  for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
    fluid_set_log_function(level, Silence, nullptr);
  mpv_stream_cb_add_ro(player, std::string(kProtocol).c_str(), nullptr, OpenStream);
}

std::vector<std::uint8_t> StandardMidiData(const std::vector<std::uint8_t>& data) {
  // "MThd" and a header chunk of at least six bytes (big-endian length).
  auto isSmf = [](const std::vector<std::uint8_t>& smf) {
    return StartsWith(smf, 0, "MThd") && smf.size() >= 14 &&
           (std::uint32_t{smf[4]} << 24 | smf[5] << 16 | smf[6] << 8 | smf[7]) >= 6;
  };
  if (isSmf(data)) return data;
  if (!StartsWith(data, 0, "RIFF") || !StartsWith(data, 8, "RMID")) return {};
  std::size_t at = 12;
  while (at + 8 <= data.size()) {
    const std::size_t size = ReadLE32(data.data() + at + 4);
    if (size > data.size() - at - 8) return {};
    if (StartsWith(data, at, "data")) {
      std::vector<std::uint8_t> smf(data.begin() + at + 8, data.begin() + at + 8 + size);
      return isSmf(smf) ? smf : std::vector<std::uint8_t>{};
    }
    at += 8 + size + (size & 1);
  }
  return {};
}
