// mkshow xscreensaver: makes a show one of XScreenSaver's screen savers. It writes a player copy
// named showsaver-NAME, the settings file xscreensaver-settings reads for it, and prints the
// entry for the programs list of ~/.xscreensaver.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>

#include "Commands.h"
#include "showdata/SaverBase.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "xscreensaver takes SHOW.dat [--name NAME] [--label TEXT] [--bin-dir DIR] "
    "[--config-dir DIR] [--player PATH]";
constexpr const char* kConfigDir = "/usr/share/xscreensaver/config";

struct Options {
  std::string show;
  std::string name;
  std::string label;
  std::string binDir;
  std::string configDir;  // empty: kConfigDir, when it can be written
  std::string player;
};

Options ParseOptions(const Arguments& args, const std::string& selfPath) {
  if (args.empty() || args[0].starts_with("--")) throw UsageError(kUsage);
  Options options{args[0], {}, {}, {}, {}, DefaultPlayer(selfPath)};
  for (std::size_t i = 1; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) throw UsageError(kUsage);
    const std::string& value = args[i + 1];
    if (args[i] == "--name")
      options.name = value;
    else if (args[i] == "--label")
      options.label = value;
    else if (args[i] == "--bin-dir")
      options.binDir = value;
    else if (args[i] == "--config-dir")
      options.configDir = value;
    else if (args[i] == "--player")
      options.player = value;
    else
      throw UsageError("unknown option '" + args[i] + "'");
  }
  const fs::path stem = fs::path(options.show).stem();
  if (options.name.empty()) options.name = stem.string();
  if (options.label.empty()) options.label = stem.string();
  if (options.binDir.empty()) {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') throw UsageError("HOME is not set: give --bin-dir");
    options.binDir = std::string(home) + "/.local/bin";
  }
  return options;
}

// name in lower-case ASCII letters and digits, other runs of characters turned into one '-'.
std::string ProgramName(const std::string& name) {
  std::string result;
  for (const char c : name) {
    const bool alnum = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    if (alnum)
      result += c;
    else if (c >= 'A' && c <= 'Z')
      result += static_cast<char>(c - 'A' + 'a');
    else if (!result.empty() && result.back() != '-')
      result += '-';
  }
  while (!result.empty() && result.back() == '-') result.pop_back();
  return "showsaver-" + (result.empty() ? std::string("show") : result);
}

std::string XmlEscaped(const std::string& text) {
  std::string result;
  for (const char c : text) {
    switch (c) {
      case '&':
        result += "&amp;";
        break;
      case '<':
        result += "&lt;";
        break;
      case '>':
        result += "&gt;";
        break;
      case '"':
        result += "&quot;";
        break;
      default:
        result += c;
    }
  }
  return result;
}

std::string Counted(int count, const std::string& one, const std::string& many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// What the show plays, in a sentence.
std::string ShowDescription(const TSaverBase& saver, const std::string& label,
                            const fs::path& show) {
  static const char* const kKinds[][2] = {{"picture", "pictures"},
                                          {"Flash movie", "Flash movies"},
                                          {"video", "videos"},
                                          {"web page", "web pages"}};
  const int kind = saver.ShowKind() < 4 ? saver.ShowKind() : 0;
  std::ostringstream text;
  text << "Plays the show \"" << label
       << "\": " << Counted(saver.ItemCount(), kKinds[kind][0], kKinds[kind][1]);
  if (kind == ikPicture) text << ", " << saver.ShowSeconds() << " seconds each";
  if (saver.MusicCount() > 0)
    text << ", over " << Counted(saver.MusicCount(), "music file", "music files");
  text << ".\n\nShow file: " << show.string() << "\nMade with mkshow.";
  return text.str();
}

std::vector<unsigned char> SettingsXml(const std::string& program, const std::string& label,
                                       const std::string& description) {
  const std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n\n<screensaver name=\"" +
                          XmlEscaped(program) + "\" _label=\"" + XmlEscaped(label) +
                          "\">\n\n  <command arg=\"--root\"/>\n\n  <_description>\n" +
                          XmlEscaped(description) + "\n  </_description>\n</screensaver>\n";
  return {xml.begin(), xml.end()};
}

bool Writable(const fs::path& folder) {
  return ::access(folder.c_str(), W_OK) == 0;
}

void RequireWritableFolder(const fs::path& folder, const std::string& option) {
  if (!Writable(folder))
    throw UsageError("cannot write into " + folder.string() + ": give another " + option);
}

// The folder for the settings file, or none when the default folder cannot be written.
std::optional<fs::path> ConfigFolder(const Options& options) {
  if (!options.configDir.empty()) {
    RequireWritableFolder(options.configDir, "--config-dir");
    return options.configDir;
  }
  if (Writable(kConfigDir)) return fs::path(kConfigDir);
  std::cerr << "mkshow: cannot write into " << kConfigDir
            << ", so XScreenSaver lists the show by the name in its programs entry (run as "
               "root, or give --config-dir, to write the settings file)\n";
  return std::nullopt;
}

// True when folder is one of the folders of $PATH.
bool OnPath(const fs::path& folder) {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path != nullptr ? path : "");
  std::error_code error;
  for (std::string entry; std::getline(folders, entry, ':');)
    if (!entry.empty() && fs::equivalent(entry, folder, error)) return true;
  return false;
}

}  // namespace

int XScreenSaverCommand(const Arguments& args, const std::string& selfPath) {
  const Options options = ParseOptions(args, selfPath);
  const fs::path show = fs::absolute(options.show).lexically_normal();
  TSaverBase saver;
  std::string folder;
  if (!saver.Open(show.string(), folder)) throw UsageError("not a show file: " + options.show);

  const std::string program = ProgramName(options.name);
  const fs::path binDir = fs::absolute(options.binDir).lexically_normal();
  fs::create_directories(binDir);
  RequireWritableFolder(binDir, "--bin-dir");
  const std::optional<fs::path> configFolder = ConfigFolder(options);
  MakePlayerCopy(show.string(), (binDir / program).string(), options.player);
  std::cout << "Player copy: " << (binDir / program).string() << "\n";
  if (configFolder) {
    const fs::path xml = *configFolder / (program + ".xml");
    WriteFileAtomically(xml.string(), SettingsXml(program, options.label,
                                                  ShowDescription(saver, options.label, show)));
    std::cout << "Settings for xscreensaver-settings: " << xml.string() << "\n";
  }

  const std::string command = OnPath(binDir) ? program : (binDir / program).string();
  std::string quotedLabel = options.label;  // a double quote would end the entry's name
  std::replace(quotedLabel.begin(), quotedLabel.end(), '"', '\'');
  std::cout << "Add this line to the programs: list in ~/.xscreensaver:\n"
            << "  \"" << quotedLabel << "\"  " << command << " --root \\n\\\n";
  return 0;
}
