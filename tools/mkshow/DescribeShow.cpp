#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "Commands.h"
#include "Json.h"
#include "platform/Errors.h"
#include "showdata/PlayerTrailer.h"
#include "showdata/SaverBase.h"

namespace {

bool StartsWithSignature(const std::string& path) {
  char start[3] = {};
  std::ifstream in(path, std::ios::binary);
  return in.read(start, 3) && std::string(start, 3) == "KRV";
}

void PrintHeader(std::ostream& out, const TSaverBase& s) {
  const auto flag = [](bool on) { return on ? "true" : "false"; };
  out << "  \"Signature\": " << JsonString(s.Signature()) << ",\n"
      << "  \"ShowKind\": " << int{s.ShowKind()} << ",\n"
      << "  \"PreviewText\": " << JsonString(s.PreviewText()) << ",\n"
      << "  \"RandomOrder\": " << flag(s.RandomOrder()) << ",\n"
      << "  \"RandomMusic\": " << flag(s.RandomMusic()) << ",\n"
      << "  \"FitMode\": " << int{s.FitMode()} << ",\n"
      << "  \"ShowSeconds\": " << s.ShowSeconds() << ",\n"
      << "  \"ExitOnMouseMove\": " << flag(s.ExitOnMouseMove()) << ",\n"
      << "  \"ExitOnClick\": " << flag(s.ExitOnClick()) << ",\n"
      << "  \"ExitOnKey\": " << flag(s.ExitOnKey()) << ",\n"
      << "  \"CloseButton\": " << flag(s.CloseButton()) << ",\n"
      << "  \"ShutdownEnabled\": " << flag(s.ShutdownEnabled()) << ",\n"
      << "  \"ShutdownMinutes\": " << s.ShutdownMinutes() << ",\n"
      << "  \"BackColor\": " << s.BackColor() << ",\n"
      << "  \"MuteFlash\": " << flag(s.MuteFlash()) << ",\n"
      << "  \"ItemCount\": " << s.ItemCount() << ",\n"
      << "  \"MusicCount\": " << s.MusicCount() << ",\n"
      << "  \"AbsolutePaths\": " << flag(s.AbsolutePaths()) << ",\n"
      << "  \"EffectGroups\": [";
  for (int g = 0; g < show_format::kEffectGroupCount; ++g)
    out << (g ? ", " : "") << flag(s.EffectGroupOn(g));
  out << "],\n  \"DataDir\": " << JsonString(s.DataDir()) << ",\n";
}

void PrintRecords(std::ostream& out, const TSaverBase& s) {
  out << "  \"Items\": [";
  for (int i = 0; i < s.ItemCount(); ++i) {
    out << (i ? "," : "") << "\n    {\"Kind\": " << int{s.ItemKind(i)}
        << ", \"Folder\": " << JsonString(s.ItemFolder(i))
        << ", \"FileName\": " << JsonString(s.ItemFileName(i))
        << ", \"Extension\": " << JsonString(s.ItemExtension(i))
        << ", \"ItemPath\": " << JsonString(s.ItemPath(i)) << "}";
  }
  out << (s.ItemCount() ? "\n  " : "") << "],\n  \"Music\": [";
  for (int i = 0; i < s.MusicCount(); ++i) {
    out << (i ? "," : "") << "\n    {\"Folder\": " << JsonString(s.MusicFolder(i))
        << ", \"FileName\": " << JsonString(s.MusicFileName(i))
        << ", \"MusicPath\": " << JsonString(s.MusicPath(i)) << "}";
  }
  out << (s.MusicCount() ? "\n  " : "") << "]\n";
}

}  // namespace

int InspectCommand(const Arguments& args) {
  if (args.size() != 1) throw UsageError("inspect takes one FILE");
  std::ostringstream json;
  json << "{\n";
  std::string showPath = std::filesystem::absolute(args[0]).string();
  try {
    if (!StartsWithSignature(args[0])) {
      showPath = ReadPlayerTrailer(args[0]).ShowPath;
      json << "  \"ShowPath\": " << JsonString(showPath) << ",\n";
    }
    TSaverBase saver;
    std::string folder;
    if (!saver.Open(showPath, folder)) {
      std::cerr << "File open Error: " << (showPath.empty() ? "no show named" : showPath) << "\n";
      return 1;
    }
    saver.SetDataDir(folder);
    PrintHeader(json, saver);
    PrintRecords(json, saver);
  } catch (const Exception& error) {
    std::cerr << error.ClassName() << ": " << error.Message() << "\n";
    return 1;
  }
  std::cout << json.str() << "}\n";
  return 0;
}
