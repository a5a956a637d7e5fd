#include "platform/MciMidi.h"

#include <gtest/gtest.h>

#include "MediaFiles.h"

namespace {

TEST(MciMidi, RecognisesMidiFilesByExtension) {
  EXPECT_TRUE(IsMidiFile("/m/a.mid"));
  EXPECT_TRUE(IsMidiFile("/m/A.MIDI"));
  EXPECT_TRUE(IsMidiFile("/m/song.Rmi"));
  EXPECT_FALSE(IsMidiFile("/m/a.mp3"));
  EXPECT_FALSE(IsMidiFile("/m.mid/a"));
}

TEST(MciMidi, FindsTheStandardFileInsideAnRmidFile) {
  const auto midi = MidiData(3);
  EXPECT_EQ(StandardMidiData(midi), midi);
  EXPECT_EQ(StandardMidiData(RmidData(midi)), midi);

  auto withInfo = RmidData(midi);
  // A LIST chunk of odd size before the data chunk is skipped with its pad byte.
  const std::vector<std::uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
  withInfo.insert(withInfo.begin() + 12, list.begin(), list.end());
  EXPECT_EQ(StandardMidiData(withInfo), midi);
}

TEST(MciMidi, RejectsDataThatIsNoMidiFile) {
  const auto midi = MidiData(3);
  auto oversized = RmidData(midi);
  oversized[16] = 0xFF;  // the data chunk claims more bytes than the file has
  auto shortHeader = midi;
  shortHeader[7] = 2;
  const std::vector<std::vector<std::uint8_t>> cases = {
      {},        {'M', 'T', 'h', 'd'}, {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'R', 'M', 'I', 'D'},
      oversized, shortHeader,          RmidData({'x', 'y', 'z'})};
  for (const auto& data : cases) EXPECT_TRUE(StandardMidiData(data).empty());
}

}  // namespace
