// Feeds arbitrary bytes to the show-data reader and every accessor a loaded show answers.
#include <cstddef>
#include <cstdint>
#include <sstream>

#include "platform/Errors.h"
#include "showdata/SaverBase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
  TSaverBase saver;
  try {
    if (!saver.LoadShow(stream, size)) return 0;
  } catch (const EReadError&) {
    return 0;
  }
  saver.SetDataDir("/shows/");
  std::size_t total = saver.PreviewText().size();
  for (int i = 0; i < saver.ItemCount(); ++i)
    total += saver.ItemPath(i).size() + saver.ItemExtension(i).size() + saver.ItemKind(i);
  for (int i = 0; i < saver.MusicCount(); ++i) total += saver.MusicPath(i).size();
  for (int g = 0; g < 30; ++g) total += saver.EffectGroupOn(g);
  static volatile std::size_t sink;
  sink = total;
  return 0;
}
