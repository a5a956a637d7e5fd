// Runs the mkshow executable the way users do and reads what it wrote back with TSaverBase.
#include <sys/stat.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <filesystem>

#include "../showdata/TempDir.h"
#include "showdata/SaverBase.h"

namespace fs = std::filesystem;

namespace {

struct CommandResult {
  int status;
  std::string output;
};

CommandResult Mkshow(const std::string& arguments, const fs::path& cwd) {
  const std::string command = "cd '" + cwd.string() + "' && '" MKSHOW_PATH "' " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  std::array<char, 4096> chunk{};
  while (std::size_t n = fread(chunk.data(), 1, chunk.size(), pipe)) output.append(chunk.data(), n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TSaverBase LoadShow(const fs::path& file) {
  TSaverBase saver;
  std::string folder;
  EXPECT_TRUE(saver.Open(file.string(), folder));
  saver.SetDataDir(folder);
  return saver;
}

class MkshowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("pics/one.jpg", {0xFF, 0xD8});
    dir.Write("pics/Two.GIF", {'G', 'I', 'F'});
    dir.Write("music.mp3", {0});
  }
  TempDir dir;
};

}  // namespace

TEST_F(MkshowTest, CreateWritesEveryOptionAndRelativeNames) {
  const CommandResult run = Mkshow(
      "create show.dat --fit stretch --seconds 9 --random --random-music --exit-on key "
      "--close-button --shutdown 30 --background '#102030' --mute-flash --groups 1,4-6 "
      "--preview-text 'Hello there' --music music.mp3 pics/one.jpg pics/Two.GIF",
      dir.Path());
  ASSERT_EQ(run.status, 0) << run.output;
  const TSaverBase s = LoadShow(dir.Path() / "show.dat");
  EXPECT_EQ(s.ShowKind(), ikPicture);
  EXPECT_EQ(s.FitMode(), 1);
  EXPECT_EQ(s.ShowSeconds(), 9u);
  EXPECT_TRUE(s.RandomOrder() && s.RandomMusic() && s.CloseButton() && s.MuteFlash());
  EXPECT_FALSE(s.ExitOnMouseMove() || s.ExitOnClick());
  EXPECT_TRUE(s.ExitOnKey());
  EXPECT_TRUE(s.ShutdownEnabled());
  EXPECT_EQ(s.ShutdownMinutes(), 30);
  EXPECT_EQ(s.BackColor(), 0x302010u);
  EXPECT_EQ(s.PreviewText(), "Hello there");
  for (int g = 0; g < 30; ++g) EXPECT_EQ(s.EffectGroupOn(g), g == 1 || (g >= 4 && g <= 6)) << g;
  ASSERT_EQ(s.ItemCount(), 2);
  EXPECT_EQ(s.ItemFolder(0), "");
  EXPECT_EQ(s.ItemFileName(1), "pics/Two.GIF");
  EXPECT_EQ(s.ItemExtension(1), ".GIF");
  EXPECT_EQ(s.ItemPath(1), (dir.Path() / "pics/Two.GIF").string());
  ASSERT_EQ(s.MusicCount(), 1);
  EXPECT_EQ(s.MusicPath(0), (dir.Path() / "music.mp3").string());
}

TEST_F(MkshowTest, CreateStoresAbsoluteFoldersAndWebAddresses) {
  ASSERT_EQ(Mkshow("create abs.dat --absolute pics/one.jpg", dir.Path()).status, 0);
  const TSaverBase s = LoadShow(dir.Path() / "abs.dat");
  EXPECT_EQ(s.ItemFolder(0), (dir.Path() / "pics").string() + "/");
  EXPECT_EQ(s.ItemFileName(0), "one.jpg");

  ASSERT_EQ(Mkshow("create web.dat https://example.test/a http://example.test/b", dir.Path()).status, 0);
  const TSaverBase web = LoadShow(dir.Path() / "web.dat");
  EXPECT_EQ(web.ShowKind(), ikWebsite);
  EXPECT_EQ(web.ItemPath(1), "http://example.test/b");
}

TEST_F(MkshowTest, BadInputExitsWithTwoAndWritesNothing) {
  const std::string longName(130, 'n');
  dir.Write(longName + ".jpg", {1});
  const char* cases[] = {
      "create out.dat pics/one.jpg movie.swf",      // mixed kinds
      "create out.dat --bogus pics/one.jpg",        // unknown option
      "create out.dat --kind video missing.avi",    // missing item file
      "create out.dat --seconds",                   // option without its value
      "create out.dat --background red pics/one.jpg",
      "create out.dat --groups 31 pics/one.jpg",
      "frobnicate",
  };
  for (const char* arguments : cases) EXPECT_EQ(Mkshow(arguments, dir.Path()).status, 2) << arguments;
  EXPECT_EQ(Mkshow("create out.dat " + longName + ".jpg", dir.Path()).status, 2);  // name too long
  for (const auto& entry : fs::directory_iterator(dir.Path()))
    EXPECT_FALSE(entry.path().filename().string().starts_with("out.dat")) << entry.path();
}

TEST_F(MkshowTest, BuildAppendsTheTrailerAndKeepsTheRunBit) {
  dir.Write("player", std::vector<std::uint8_t>(3000, 0x90));
  chmod((dir.Path() / "player").c_str(), 0755);
  ASSERT_EQ(Mkshow("create show.dat pics/one.jpg", dir.Path()).status, 0);
  ASSERT_EQ(Mkshow("build show.dat copy --player player", dir.Path()).status, 0);
  EXPECT_EQ(fs::file_size(dir.Path() / "copy"), 3000u + 1089u);
  EXPECT_NE(fs::status(dir.Path() / "copy").permissions() & fs::perms::owner_exec, fs::perms::none);

  const CommandResult inspect = Mkshow("inspect copy", dir.Path());
  ASSERT_EQ(inspect.status, 0) << inspect.output;
  EXPECT_NE(inspect.output.find("\"ShowPath\": \"" + (dir.Path() / "show.dat").string() + "\""),
            std::string::npos);
  EXPECT_NE(inspect.output.find("\"ItemPath\": \"" + (dir.Path() / "pics/one.jpg").string() + "\""),
            std::string::npos);
}

TEST_F(MkshowTest, InspectReportsWhatThePlayerWouldReject) {
  ASSERT_EQ(Mkshow("create show.dat pics/one.jpg", dir.Path()).status, 0);
  fs::resize_file(dir.Path() / "show.dat", 700);
  const CommandResult truncated = Mkshow("inspect show.dat", dir.Path());
  EXPECT_EQ(truncated.status, 1);
  EXPECT_NE(truncated.output.find("EReadError: Stream read error"), std::string::npos) << truncated.output;

  dir.Write("notashow", std::vector<std::uint8_t>(2000, 'x'));
  const CommandResult rejected = Mkshow("inspect notashow", dir.Path());
  EXPECT_EQ(rejected.status, 1);
  EXPECT_NE(rejected.output.find("File open Error"), std::string::npos) << rejected.output;
}

namespace {

std::string ReadText(const fs::path& file) {
  std::ifstream in(file);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Sets an environment variable for the life of the object.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    had_ = std::getenv(name) != nullptr;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedVariable() {
    if (had_) setenv(name_, old_.c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

class MkshowXScreenSaver : public MkshowTest {
 protected:
  void SetUp() override {
    MkshowTest::SetUp();
    dir.Write("player", std::vector<std::uint8_t>(3000, 0x90));
    chmod((dir.Path() / "player").c_str(), 0755);
    fs::create_directories(dir.Path() / "config");
    ASSERT_EQ(Mkshow("create 'My Show!.dat' --seconds 7 --music music.mp3 pics/one.jpg", dir.Path())
                  .status,
              0);
  }
};

}  // namespace

TEST_F(MkshowXScreenSaver, WritesThePlayerCopyTheSettingsAndTheProgramsEntry) {
  const ScopedVariable home("HOME", dir.Path().string());
  const CommandResult run = Mkshow(
      "xscreensaver 'My Show!.dat' --player player --config-dir config --label 'Birds & \"Bees\"'",
      dir.Path());
  ASSERT_EQ(run.status, 0) << run.output;
  const fs::path copy = dir.Path() / ".local/bin/showsaver-my-show";
  EXPECT_NE(run.output.find("  \"Birds & 'Bees'\"  " + copy.string() + " --root \\n\\\n"),
            std::string::npos)
      << run.output;
  EXPECT_NE(fs::status(copy).permissions() & fs::perms::owner_exec, fs::perms::none);
  const CommandResult inspect = Mkshow("inspect '" + copy.string() + "'", dir.Path());
  EXPECT_NE(inspect.output.find("\"ShowPath\": \"" + (dir.Path() / "My Show!.dat").string() + "\""),
            std::string::npos)
      << inspect.output;

  const std::string xml = ReadText(dir.Path() / "config/showsaver-my-show.xml");
  EXPECT_NE(xml.find("<screensaver name=\"showsaver-my-show\" _label=\"Birds &amp; &quot;Bees&quot;\">"),
            std::string::npos)
      << xml;
  EXPECT_NE(xml.find("<command arg=\"--root\"/>"), std::string::npos) << xml;
  EXPECT_NE(xml.find("1 picture, 7 seconds each, over 1 music file."), std::string::npos) << xml;
  EXPECT_NE(xml.find("</_description>\n</screensaver>\n"), std::string::npos) << xml;
}

TEST_F(MkshowXScreenSaver, NamesComeFromTheOptionOrTheFileAndTheEntryUsesPath) {
  const ScopedVariable path("PATH", (dir.Path() / "bin").string() + ":" + std::getenv("PATH"));
  const std::pair<const char*, const char*> cases[] = {
      {"", "showsaver-my-show"},
      {"--name 'Night Sky 2'", "showsaver-night-sky-2"},
      {"--name ' --- '", "showsaver-show"},
  };
  for (const auto& [option, program] : cases) {
    const CommandResult run = Mkshow(std::string("xscreensaver 'My Show!.dat' --player player ") +
                                         "--bin-dir bin --config-dir config " + option,
                                     dir.Path());
    ASSERT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("\"My Show!\"  " + std::string(program) + " --root"),
              std::string::npos)
        << run.output;
    EXPECT_TRUE(fs::exists(dir.Path() / "bin" / program)) << program;
    EXPECT_TRUE(fs::exists(dir.Path() / "config" / (std::string(program) + ".xml"))) << program;
  }
}

TEST_F(MkshowXScreenSaver, BadInputExitsWithTwoAndWritesNoPlayerCopy) {
  const char* cases[] = {
      "xscreensaver 'My Show!.dat' --player player --bin-dir bin --config-dir missing",
      "xscreensaver pics/one.jpg --player player --bin-dir bin --config-dir config",
      "xscreensaver absent.dat --player player --bin-dir bin --config-dir config",
      "xscreensaver 'My Show!.dat' --player player --bin-dir bin --config-dir",
      "xscreensaver 'My Show!.dat' --bogus x --bin-dir bin --config-dir config",
      "xscreensaver",
  };
  for (const char* arguments : cases) {
    EXPECT_EQ(Mkshow(arguments, dir.Path()).status, 2) << arguments;
    EXPECT_FALSE(fs::exists(dir.Path() / "bin/showsaver-my-show")) << arguments;
  }
  EXPECT_TRUE(fs::is_empty(dir.Path() / "config"));
}

TEST_F(MkshowTest, BuildAsNamesTheShowWhereItWillBeFound) {
  dir.Write("player", std::vector<std::uint8_t>(3000, 0x90));
  ASSERT_EQ(Mkshow("create show.dat pics/one.jpg", dir.Path()).status, 0);
  ASSERT_EQ(Mkshow("build show.dat copy --player player --as /usr/share/shows/show.dat", dir.Path())
                .status,
            0);
  const CommandResult inspect = Mkshow("inspect copy", dir.Path());
  EXPECT_NE(inspect.output.find("/usr/share/shows/show.dat"), std::string::npos) << inspect.output;
  for (const char* arguments : {"build show.dat other --player player --as shows/show.dat",
                                "build absent.dat other --player player --as /usr/show.dat",
                                "build show.dat other --player player --as"})
    EXPECT_EQ(Mkshow(arguments, dir.Path()).status, 2) << arguments;
  EXPECT_FALSE(fs::exists(dir.Path() / "other"));
}
