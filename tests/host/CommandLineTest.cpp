#include <gtest/gtest.h>

#include "host/CommandLine.h"
#include "platform/Errors.h"

namespace {

struct ModeCase {
  std::vector<std::string> arguments;
  TStartMode mode;
  std::int32_t previewWindow;
};

class CommandLineModes : public testing::TestWithParam<ModeCase> {};

TEST_P(CommandLineModes, FirstTwoCharactersChooseTheMode) {
  const TCommandLine parsed = ParseCommandLine(GetParam().arguments);
  EXPECT_EQ(parsed.mode, GetParam().mode);
  EXPECT_EQ(parsed.previewWindow, GetParam().previewWindow);
}

INSTANTIATE_TEST_SUITE_P(Table, CommandLineModes,
                         testing::Values(ModeCase{{"/p", "4194305"}, TStartMode::Preview, 4194305},
                                         ModeCase{{"/P", "42"}, TStartMode::Preview, 42},
                                         ModeCase{{"/Preview", "+7"}, TStartMode::Preview, 7},
                                         ModeCase{{"/c"}, TStartMode::Configure, 0},
                                         ModeCase{{"/C:1234"}, TStartMode::Configure, 0},
                                         ModeCase{{"/c", "not read"}, TStartMode::Configure, 0},
                                         ModeCase{{"/s"}, TStartMode::FullScreen, 0},
                                         ModeCase{{"/A"}, TStartMode::FullScreen, 0},
                                         ModeCase{{"-p", "12"}, TStartMode::FullScreen, 0},
                                         ModeCase{{"-c"}, TStartMode::FullScreen, 0},
                                         ModeCase{{"p/", "12"}, TStartMode::FullScreen, 0},
                                         ModeCase{{"anything"}, TStartMode::FullScreen, 0},
                                         ModeCase{{}, TStartMode::FullScreen, 0}));

TEST(CommandLine, PreviewWithoutADecimalHandleIsAConversionError) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"/p"}, "'' is not a valid integer value"},
      {{"/p", ""}, "'' is not a valid integer value"},
      {{"/p", "12x"}, "'12x' is not a valid integer value"},
      {{"/p", "0x1F"}, "'0x1F' is not a valid integer value"},
      {{"/p", " 12"}, "' 12' is not a valid integer value"},
      {{"/p", "4294967296"}, "'4294967296' is not a valid integer value"},
  };
  for (const auto& [arguments, message] : cases) {
    try {
      ParseCommandLine(arguments);
      ADD_FAILURE() << "no error for '" << arguments.back() << "'";
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.Message(), message);
    }
  }
}

struct HostCase {
  std::vector<std::string> arguments;
  const char* xscreensaverWindow;
  TStartMode mode;
  std::uint32_t hostWindow;
};

class XScreenSaverModes : public testing::TestWithParam<HostCase> {};

TEST_P(XScreenSaverModes, WindowIdArgumentOrVariableChooseXScreenSaverMode) {
  const TCommandLine parsed = ParseCommandLine(GetParam().arguments, GetParam().xscreensaverWindow);
  EXPECT_EQ(parsed.mode, GetParam().mode);
  EXPECT_EQ(parsed.hostWindow, GetParam().hostWindow);
}

INSTANTIATE_TEST_SUITE_P(
    Table, XScreenSaverModes,
    testing::Values(HostCase{{"--window-id", "0x2A"}, nullptr, TStartMode::XScreenSaver, 42},
                    HostCase{{"-window-id", "42"}, nullptr, TStartMode::XScreenSaver, 42},
                    HostCase{{"--window-id", "0xFFFFFFFF"}, nullptr, TStartMode::XScreenSaver,
                             0xFFFFFFFF},
                    // The argument wins over the variable, as the settings preview sets both.
                    HostCase{{"--window-id", "0x10"}, "0x20", TStartMode::XScreenSaver, 16},
                    HostCase{{}, "0x400001", TStartMode::XScreenSaver, 0x400001},
                    HostCase{{"--root"}, "0x400001", TStartMode::XScreenSaver, 0x400001},
                    HostCase{{"/s"}, "0x400001", TStartMode::XScreenSaver, 0x400001},
                    HostCase{{"/p", "5"}, "0x400001", TStartMode::Preview, 0},
                    HostCase{{"/c"}, "0x400001", TStartMode::Configure, 0},
                    HostCase{{}, "", TStartMode::FullScreen, 0},
                    HostCase{{"--root"}, nullptr, TStartMode::FullScreen, 0},
                    HostCase{{"--Window-Id", "42"}, nullptr, TStartMode::FullScreen, 0},
                    HostCase{{"/s", "--window-id", "42"}, nullptr, TStartMode::FullScreen, 0}));

TEST(CommandLine, AnUnreadableWindowIdIsAConversionError) {
  const std::vector<std::pair<HostCase, std::string>> cases{
      {{{"--window-id"}, nullptr, {}, 0}, "'' is not a valid window id"},
      {{{"--window-id", "0x"}, nullptr, {}, 0}, "'0x' is not a valid window id"},
      {{{"--window-id", "0x1G"}, nullptr, {}, 0}, "'0x1G' is not a valid window id"},
      {{{"--window-id", "-5"}, nullptr, {}, 0}, "'-5' is not a valid window id"},
      {{{"--window-id", "0"}, nullptr, {}, 0}, "'0' is not a valid window id"},
      {{{"--window-id", "4294967296"}, nullptr, {}, 0}, "'4294967296' is not a valid window id"},
      {{{"-window-id", "0x100000000"}, nullptr, {}, 0}, "'0x100000000' is not a valid window id"},
      {{{}, "window", {}, 0}, "'window' is not a valid window id"},
  };
  for (const auto& [input, message] : cases) {
    try {
      ParseCommandLine(input.arguments, input.xscreensaverWindow);
      ADD_FAILURE() << "no error for " << message;
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.Message(), message);
    }
  }
}

TEST(CommandLine, SwitchIsUpperCasedLettersOnly) {
  EXPECT_EQ(ModeSwitch({"/pé"}), "/P");
  EXPECT_EQ(ModeSwitch({"ab"}), "AB");
  EXPECT_EQ(ModeSwitch({"1z"}), "1Z");
  EXPECT_EQ(ModeSwitch({"x"}), "X");
  EXPECT_EQ(ModeSwitch({}), "");
}

}  // namespace
