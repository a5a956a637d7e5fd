#include "players/swf/SwfFrameReports.h"

#include <string>

#include "platform/Errors.h"
#include "players/swf/SwfFile.h"

namespace {

constexpr std::uint8_t kActionGetUrl = 0x83;
constexpr std::uint8_t kFileAttributesActionScript3 = 0x08;

void AppendU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void AppendText(std::vector<std::uint8_t>& out, const std::string& text) {
  out.insert(out.end(), text.begin(), text.end());
  out.push_back(0);
}

// DoAction { GetURL "FSCommand:frame", "<frame>"; End }
void AppendFrameReport(std::vector<std::uint8_t>& out, int frame) {
  const std::string url = std::string("FSCommand:") + kFrameReportCommand;
  const std::string target = std::to_string(frame);
  const auto actionLength = static_cast<std::uint16_t>(url.size() + 1 + target.size() + 1);
  const auto tagLength = static_cast<std::uint16_t>(1 + 2 + actionLength + 1);
  AppendU16(out, static_cast<std::uint16_t>(kTagDoAction << 6 | tagLength));
  out.push_back(kActionGetUrl);
  AppendU16(out, actionLength);
  AppendText(out, url);
  AppendText(out, target);
  out.push_back(0);
}

bool UsesActionScript3(std::span<const std::uint8_t> movie, const SwfTag& tag) {
  return tag.code == kTagFileAttributes && tag.length > 0 &&
         (movie[tag.body] & kFileAttributesActionScript3) != 0;
}

}  // namespace

FrameReportedSwf WithFrameReports(std::vector<std::uint8_t> movie) {
  const SwfSignature signature = SignatureOf(movie);
  if (signature != SwfSignature::kUncompressed && signature != SwfSignature::kZlib) {
    return {std::move(movie), false};
  }
  const std::vector<std::uint8_t> source = UncompressedSwf(std::move(movie));
  const std::size_t firstTag = FirstTagOffset(source);
  std::vector<std::uint8_t> out(source.begin(), source.begin() + firstTag);
  int frame = 0;
  for (std::size_t pos = firstTag;;) {
    const SwfTag tag = ReadTag(source, pos);
    if (UsesActionScript3(source, tag)) return {source, false};
    if (tag.code == kTagShowFrame) AppendFrameReport(out, frame++);
    out.insert(out.end(), source.begin() + tag.start, source.begin() + tag.End());
    if (tag.code == kTagEnd) break;
    pos = tag.End();
  }
  if (out.size() > kMaxSwfLength) throw EReadError(kStreamReadError);
  WriteU32(out, 4, static_cast<std::uint32_t>(out.size()));
  return {std::move(out), true};
}
