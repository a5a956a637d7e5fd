#include "platform/MciCommand.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* text;
  MciCommand expected;
};

TEST(MciCommand, SplitsTheCommandsThePlayerSends) {
  const Case cases[] = {
      {"Open /music/a.mp3 alias mid", {"open", "mid", "/music/a.mp3", {}}},
      {"Open /My Music/Track one.mp3 alias mid", {"open", "mid", "/My Music/Track one.mp3", {}}},
      {"open \"/q/a b.wav\" ALIAS Mid", {"open", "mid", "/q/a b.wav", {}}},
      {"open /alias dir/x.wav alias mid", {"open", "mid", "/alias dir/x.wav", {}}},
      {"open /a.wav", {"open", "", "/a.wav", {}}},
      {"Play mid notify", {"play", "mid", "", {"notify"}}},
      {"Status mid mode", {"status", "mid", "", {"mode"}}},
      {"  stop   MID ", {"stop", "mid", "", {}}},
      {"close mid", {"close", "mid", "", {}}},
      {"", {"", "", "", {}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto command = ParseMciCommand(c.text);
    EXPECT_EQ(command.verb, c.expected.verb);
    EXPECT_EQ(command.device, c.expected.device);
    EXPECT_EQ(command.file, c.expected.file);
    EXPECT_EQ(command.words, c.expected.words);
  }
}

}  // namespace
