// Prepares one picture as the picture player does for a screen: decode, fit, BMP written.
//   prepare-picture SOURCE TARGET WIDTH HEIGHT [FIT_MODE]   (fit mode 2, proportional, by default)
#include <cstdio>
#include <sstream>
#include <string>

#include "platform/Errors.h"
#include "players/PicManager.h"
#include "showdata/SaverBase.h"
#include "showdata/ShowWriter.h"

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: prepare-picture SOURCE TARGET WIDTH HEIGHT [FIT_MODE]\n");
    return 2;
  }
  try {
    ShowSpec show;
    show.fitMode = static_cast<std::uint8_t>(argc > 5 ? std::stoi(argv[5]) : 2);
    const std::vector<std::uint8_t> bytes = EncodeShow(show);
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    TSaverBase saver;
    saver.LoadShow(in, bytes.size());
    TPicManager manager;
    manager.SetClientRect(Rect{0, 0, std::stoi(argv[3]), std::stoi(argv[4])});
    manager.MakeFile(argv[1], argv[2], saver);
  } catch (const Exception& e) {
    std::fprintf(stderr, "prepare-picture: %s: %s\n", e.ClassName(), e.what());
    return 1;
  }
  return 0;
}
