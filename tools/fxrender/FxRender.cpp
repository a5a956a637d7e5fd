#include "FxRender.h"

#include <QDir>
#include <QString>
#include <charconv>
#include <cstdio>
#include <map>
#include <optional>

#include "PictureFiles.h"
#include "effects/EffectTable.h"
#include "effects/FrameComposer.h"
#include "platform/Errors.h"
#include "platform/Random.h"

namespace {

constexpr int kFrameStep = 4;

constexpr const char* kUsage =
    "usage: fxrender --list\n"
    "       fxrender --style S --progress P --old A --new B --out O [--seed N]\n"
    "       fxrender --style S --old A --new B --frames DIR [--seed N]\n"
    "S is a style number (1..171) or name; A and B are pictures of the same size (BMP, PNG);\n"
    "O ends in .bmp or .png; DIR receives frame-001.png, frame-002.png, ... at progress\n"
    "4, 8, ..., 100.\n";

struct UsageError {
  std::string message;
};

std::optional<long long> ParseNumber(const std::string& text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

// --name value pairs, and --list alone.
std::map<std::string, std::string> ParseOptions(const std::vector<std::string>& args) {
  static const char* const kKnown[] = {"--style", "--progress", "--old", "--new",
                                       "--out",   "--frames",   "--seed"};
  std::map<std::string, std::string> options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    if (name == "--list") {
      options[name] = "";
      continue;
    }
    if (std::find(std::begin(kKnown), std::end(kKnown), name) == std::end(kKnown)) {
      throw UsageError{"unknown argument \"" + name + "\""};
    }
    if (i + 1 >= args.size()) throw UsageError{name + " needs a value"};
    if (!options.emplace(name, args[++i]).second) throw UsageError{name + " given twice"};
  }
  return options;
}

// A style number or name that fxrender can draw.
int ParseStyle(const std::string& text) {
  const std::optional<long long> number = ParseNumber(text);
  std::optional<int> style;
  if (number) {
    if (*number >= 1 && *number <= kLastStyle) style = static_cast<int>(*number);
  } else {
    style = StyleByName(text);
  }
  if (style == kCustomStyle) {
    throw EInvalidOperation(
        "style 0 \"Custom\" is drawn by the program that shows the "
        "transition; fxrender draws styles 1 to 171");
  }
  if (!style) {
    throw EConvertError("unknown style \"" + text + "\" (fxrender --list shows the styles)");
  }
  if (!IsStyleDrawn(*style)) {
    throw EInvalidOperation("style " + std::to_string(*style) + " \"" + StyleName(*style) +
                            "\" is not available yet");
  }
  return *style;
}

int ParseProgress(const std::string& text) {
  const std::optional<long long> number = ParseNumber(text);
  if (!number || *number < 0 || *number > 100) {
    throw EConvertError("progress \"" + text + "\" is not a whole number from 0 to 100");
  }
  return static_cast<int>(*number);
}

std::uint32_t ParseSeed(const std::string& text) {
  const std::optional<long long> number = ParseNumber(text);
  if (!number || *number < 0 || *number > 0xFFFFFFFFLL) {
    throw EConvertError("seed \"" + text + "\" is not a whole number from 0 to 4294967295");
  }
  return static_cast<std::uint32_t>(*number);
}

const std::string& Required(const std::map<std::string, std::string>& options,
                            const std::string& name) {
  const auto it = options.find(name);
  if (it == options.end()) throw UsageError{"missing " + name};
  return it->second;
}

void List(std::ostream& out) {
  for (int style = 1; style <= kLastStyle; ++style) {
    out << style << '\t' << StyleName(style);
    if (!IsStyleDrawn(style)) out << "\t(not available)";
    out << '\n';
  }
}

struct Pictures {
  Bitmap oldPicture;
  Bitmap newPicture;
};

Pictures LoadPair(const std::map<std::string, std::string>& options) {
  Pictures pair{LoadPicture(Required(options, "--old")), LoadPicture(Required(options, "--new"))};
  if (pair.oldPicture.GetSize() != pair.newPicture.GetSize()) {
    const auto text = [](const Bitmap& b) {
      return std::to_string(b.Width()) + " x " + std::to_string(b.Height());
    };
    throw EInvalidGraphic("the pictures differ in size: " + text(pair.oldPicture) + " and " +
                          text(pair.newPicture));
  }
  return pair;
}

void RenderOne(const std::map<std::string, std::string>& options, int style) {
  const int progress = ParseProgress(Required(options, "--progress"));
  const std::string& out = Required(options, "--out");
  const Pictures pair = LoadPair(options);
  Bitmap screen(pair.newPicture.Width(), pair.newPicture.Height());
  RenderFrame(screen, pair.oldPicture, pair.newPicture, style, progress);
  SavePicture(screen, out);
}

void RenderAll(const std::map<std::string, std::string>& options, int style) {
  const QString dir = QString::fromStdString(Required(options, "--frames"));
  const Pictures pair = LoadPair(options);
  if (!QDir().mkpath(dir)) {
    throw EFCreateError("Cannot create the folder \"" + dir.toStdString() + "\"");
  }
  Bitmap screen(pair.newPicture.Width(), pair.newPicture.Height());
  int number = 0;
  for (int progress = kFrameStep;; progress = std::min(progress + kFrameStep, 100)) {
    RenderFrame(screen, pair.oldPicture, pair.newPicture, style, progress);
    char name[32];
    std::snprintf(name, sizeof name, "frame-%03d.png", ++number);
    SavePicture(screen, QDir(dir).filePath(name).toStdString());
    if (progress == 100) break;
  }
}

}  // namespace

int RunFxRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    const auto options = ParseOptions(args);
    if (options.count("--list")) {
      if (options.size() != 1) throw UsageError{"--list takes no other arguments"};
      List(out);
      return 0;
    }
    const bool one = options.count("--out") > 0;
    const bool all = options.count("--frames") > 0;
    if (one == all) throw UsageError{"give either --out or --frames"};
    if (all && options.count("--progress")) throw UsageError{"--frames draws every progress"};
    const int style = ParseStyle(Required(options, "--style"));
    if (options.count("--seed")) SetRandSeed(ParseSeed(options.at("--seed")));
    if (one) {
      RenderOne(options, style);
    } else {
      RenderAll(options, style);
    }
    return 0;
  } catch (const UsageError& e) {
    err << "fxrender: " << e.message << "\n" << kUsage;
    return 2;
  } catch (const Exception& e) {
    err << "fxrender: " << e.Message() << "\n";
    return 1;
  }
}
