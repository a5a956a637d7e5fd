#include "MediaFiles.h"

#include <fstream>
#include <initializer_list>
#include <iterator>

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, static_cast<std::uint16_t>(v));
  Put16(out, static_cast<std::uint16_t>(v >> 16));
}

void PutBE32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutBytes(std::vector<std::uint8_t>& out, std::initializer_list<std::uint8_t> bytes) {
  for (auto b : bytes) out.push_back(b);
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

void WriteWav(const std::string& path, int milliseconds) {
  constexpr std::uint32_t kRate = 8000;
  const std::uint32_t samples = kRate * static_cast<std::uint32_t>(milliseconds) / 1000;
  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  Put32(out, 36 + samples * 2);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);
  Put16(out, 1);
  Put32(out, kRate);
  Put32(out, kRate * 2);
  Put16(out, 2);
  Put16(out, 16);
  PutTag(out, "data");
  Put32(out, samples * 2);
  for (std::uint32_t i = 0; i < samples; ++i) Put16(out, (i / 10) % 2 ? 0x1000 : 0xF000);
  WriteBytes(path, out);
}

std::vector<std::uint8_t> MidiData(int notes) {
  std::vector<std::uint8_t> track;
  for (int i = 0; i < notes; ++i) {
    const auto key = static_cast<std::uint8_t>(60 + i % 12);
    PutBytes(track, {0x00, 0x90, key, 100});  // note on at once
    PutBytes(track, {0x60, 0x80, key, 0});    // note off after 96 ticks
  }
  PutBytes(track, {0x00, 0xFF, 0x2F, 0x00});  // end of track
  std::vector<std::uint8_t> out;
  PutTag(out, "MThd");
  PutBE32(out, 6);
  PutBytes(out, {0, 0, 0, 1, 0, 96});
  PutTag(out, "MTrk");
  PutBE32(out, static_cast<std::uint32_t>(track.size()));
  out.insert(out.end(), track.begin(), track.end());
  return out;
}

std::vector<std::uint8_t> RmidData(const std::vector<std::uint8_t>& midi) {
  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  Put32(out, static_cast<std::uint32_t>(4 + 8 + midi.size() + (midi.size() & 1)));
  PutTag(out, "RMID");
  PutTag(out, "data");
  Put32(out, static_cast<std::uint32_t>(midi.size()));
  out.insert(out.end(), midi.begin(), midi.end());
  if (midi.size() & 1) out.push_back(0);
  return out;
}

void WriteY4m(const std::string& path, int width, int height, int frames) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "YUV4MPEG2 W" << width << " H" << height << " F25:1 Ip A1:1 C420jpeg\n";
  const std::size_t luma = static_cast<std::size_t>(width) * height;
  const std::size_t chroma = static_cast<std::size_t>((width + 1) / 2) * ((height + 1) / 2);
  std::string frame(luma + 2 * chroma, '\x80');
  for (int f = 0; f < frames; ++f) {
    // A bright band that moves down the picture, so that frames differ.
    for (std::size_t i = 0; i < luma; ++i)
      frame[i] = static_cast<char>((i / width) % 32 == static_cast<std::size_t>(f % 32) ? 235 : 16);
    out << "FRAME\n";
    out.write(frame.data(), static_cast<std::streamsize>(frame.size()));
  }
}

void WriteSolidY4m(const std::string& path, int width, int height, int frames, std::uint8_t y,
                   std::uint8_t cb, std::uint8_t cr) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "YUV4MPEG2 W" << width << " H" << height << " F25:1 Ip A1:1 C420jpeg\n";
  const std::size_t luma = static_cast<std::size_t>(width) * height;
  const std::size_t chroma = static_cast<std::size_t>((width + 1) / 2) * ((height + 1) / 2);
  std::string frame(luma, static_cast<char>(y));
  frame.append(chroma, static_cast<char>(cb));
  frame.append(chroma, static_cast<char>(cr));
  for (int f = 0; f < frames; ++f) {
    out << "FRAME\n";
    out.write(frame.data(), static_cast<std::streamsize>(frame.size()));
  }
}

void WriteTruncated(const std::string& source, const std::string& target, std::size_t size) {
  std::ifstream in(source, std::ios::binary);
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  if (bytes.size() > size) bytes.resize(size);
  WriteBytes(target, bytes);
}
