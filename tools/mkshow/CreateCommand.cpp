#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <optional>

#include "Commands.h"
#include "showdata/ShowWriter.h"

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool IsAddress(const std::string& item) {
  const std::string lower = Lower(item);
  return lower.starts_with("http://") || lower.starts_with("https://") ||
         lower.starts_with("file://") || lower.starts_with("about:");
}

std::optional<TItemKind> KindByName(const std::string& name) {
  static const std::map<std::string, TItemKind> kinds = {
      {"picture", ikPicture}, {"flash", ikFlash}, {"video", ikVideo}, {"website", ikWebsite}};
  const auto found = kinds.find(Lower(name));
  if (found == kinds.end()) return std::nullopt;
  return found->second;
}

TItemKind KindOfItem(const std::string& item) {
  if (IsAddress(item)) return ikWebsite;
  static const std::map<std::string, TItemKind> byExtension = {
      {".bmp", ikPicture}, {".ico", ikPicture}, {".wmf", ikPicture}, {".emf", ikPicture},
      {".jpg", ikPicture}, {".jpeg", ikPicture}, {".gif", ikPicture}, {".swf", ikFlash},
      {".avi", ikVideo},   {".mpg", ikVideo},    {".mpeg", ikVideo},  {".mp4", ikVideo},
      {".mkv", ikVideo},   {".mov", ikVideo},    {".wmv", ikVideo},   {".webm", ikVideo},
      {".ogv", ikVideo},   {".htm", ikWebsite},  {".html", ikWebsite}};
  const auto found = byExtension.find(Lower(fs::path(item).extension().string()));
  if (found == byExtension.end())
    throw UsageError("cannot tell the kind of '" + item + "' from its extension; use --kind");
  return found->second;
}

long Number(const std::string& text, const std::string& option, long low, long high) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    throw UsageError(option + " needs a number from " + std::to_string(low) + " to " +
                     std::to_string(high) + ", not '" + text + "'");
  return value;
}

std::uint8_t FitMode(const std::string& text) {
  static const std::map<std::string, std::uint8_t> modes = {
      {"center", 0}, {"centre", 0}, {"stretch", 1}, {"proportional", 2}};
  const auto found = modes.find(Lower(text));
  if (found != modes.end()) return found->second;
  return static_cast<std::uint8_t>(Number(text, "--fit", 0, 2));
}

// "#rrggbb" as a Windows colour value: red in the low byte.
std::uint32_t Colour(const std::string& text) {
  if (text.size() != 7 || text[0] != '#' ||
      !std::all_of(text.begin() + 1, text.end(), [](unsigned char c) { return std::isxdigit(c); }))
    throw UsageError("--background needs #rrggbb, not '" + text + "'");
  const auto rgb = static_cast<std::uint32_t>(std::stoul(text.substr(1), nullptr, 16));
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

void ExitTriggers(const std::string& list, ShowSpec& show) {
  show.exitOnMouseMove = show.exitOnClick = show.exitOnKey = false;
  if (list == "none") return;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string word = list.substr(start, comma - start);
    if (word == "move") show.exitOnMouseMove = true;
    else if (word == "click") show.exitOnClick = true;
    else if (word == "key") show.exitOnKey = true;
    else throw UsageError("--exit-on takes move, click, key or none, not '" + word + "'");
    start = comma + 1;
  }
}

void EffectGroups(const std::string& list, ShowSpec& show) {
  show.effectGroups.fill(list == "all");
  if (list == "all") return;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string range = list.substr(start, comma - start);
    const std::size_t dash = range.find('-');
    const long first = Number(range.substr(0, dash), "--groups", 0, 29);
    const long last = dash == std::string::npos ? first : Number(range.substr(dash + 1), "--groups", first, 29);
    for (long g = first; g <= last; ++g) show.effectGroups[static_cast<std::size_t>(g)] = true;
    start = comma + 1;
  }
}

struct Placement {
  std::string folder;
  std::string fileName;
};

// Where a file is stored: its own folder and name, or its path relative to the show's folder.
Placement Place(const std::string& file, bool absolute, const fs::path& showFolder) {
  if (!fs::is_regular_file(file)) throw UsageError("no such file: " + file);
  const fs::path full = fs::absolute(file).lexically_normal();
  if (absolute) return {full.parent_path().string() + "/", full.filename().string()};
  return {"", full.lexically_relative(showFolder).string()};
}

ShowItemSpec Item(const std::string& arg, TItemKind kind, bool absolute, const fs::path& showFolder) {
  if (kind == ikWebsite && (IsAddress(arg) || !fs::exists(arg))) return {kind, "", arg, ""};
  if (kind == ikWebsite) return {kind, "", "file://" + fs::absolute(arg).lexically_normal().string(), ""};
  const Placement place = Place(arg, absolute, showFolder);
  return {kind, place.folder, place.fileName, fs::path(arg).extension().string()};
}

struct Options {
  ShowSpec show;
  std::optional<TItemKind> kind;
  std::vector<std::string> items;
  std::vector<std::string> music;
};

// Reads the value of an option that takes one.
const std::string& Value(const Arguments& args, std::size_t& i) {
  if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
  return args[++i];
}

Options Parse(const Arguments& args) {
  Options o;
  EffectGroups("all", o.show);
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--kind") {
      o.kind = KindByName(Value(args, i));
      if (!o.kind) throw UsageError("--kind takes picture, flash, video or website");
    } else if (a == "--fit") o.show.fitMode = FitMode(Value(args, i));
    else if (a == "--seconds") o.show.showSeconds = static_cast<std::uint32_t>(Number(Value(args, i), a, 1, 86400));
    else if (a == "--random") o.show.randomOrder = true;
    else if (a == "--random-music") o.show.randomMusic = true;
    else if (a == "--exit-on") ExitTriggers(Value(args, i), o.show);
    else if (a == "--close-button") o.show.closeButton = true;
    else if (a == "--shutdown") {
      o.show.shutdownEnabled = true;
      o.show.shutdownMinutes = static_cast<std::uint16_t>(Number(Value(args, i), a, 1, 65535));
    } else if (a == "--background") o.show.backColor = Colour(Value(args, i));
    else if (a == "--mute-flash") o.show.muteFlash = true;
    else if (a == "--absolute") o.show.absolutePaths = true;
    else if (a == "--groups") EffectGroups(Value(args, i), o.show);
    else if (a == "--preview-text") o.show.previewText = Value(args, i);
    else if (a == "--music") o.music.push_back(Value(args, i));
    else if (a.starts_with("--")) throw UsageError("unknown option " + a);
    else o.items.push_back(a);
  }
  return o;
}

TItemKind ShowKind(const Options& o) {
  if (o.kind) return *o.kind;
  if (o.items.empty()) return ikPicture;
  const TItemKind first = KindOfItem(o.items.front());
  for (const auto& item : o.items) {
    if (KindOfItem(item) != first)
      throw UsageError("a show holds items of one kind: '" + o.items.front() + "' and '" + item +
                       "' differ (use --kind to choose one)");
  }
  return first;
}

}  // namespace

int CreateCommand(const Arguments& args) {
  if (args.empty() || args[0].starts_with("--")) throw UsageError("create needs OUT.dat first");
  Options o = Parse(args);
  const fs::path out = fs::absolute(args[0]).lexically_normal();
  const TItemKind kind = ShowKind(o);
  o.show.showKind = kind;
  for (const auto& item : o.items)
    o.show.items.push_back(Item(item, kind, o.show.absolutePaths, out.parent_path()));
  for (const auto& track : o.music) {
    const Placement place = Place(track, o.show.absolutePaths, out.parent_path());
    o.show.music.push_back({place.folder, place.fileName});
  }
  const auto bytes = EncodeShow(o.show);
  WriteFileAtomically(out.string(), {bytes.begin(), bytes.end()});
  return 0;
}
