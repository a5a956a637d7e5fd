// mkshow: makes, packages and inspects shows.
#include <filesystem>
#include <iostream>

#include "Commands.h"
#include "platform/Errors.h"

namespace {

constexpr const char* kUsage = R"(usage:
  mkshow create OUT.dat [options] ITEM...    write a show-data file
  mkshow build SHOW.dat OUT [--player PATH] [--as PATH]
                                             make a player copy that plays SHOW.dat (found
                                             at PATH, with --as, when the copy plays)
  mkshow inspect FILE                        print a show-data file or player copy as JSON
  mkshow xscreensaver SHOW.dat [options]     make SHOW.dat one of XScreenSaver's screen savers

create options:
  --kind picture|flash|video|website   kind of every item (default: from the items' extensions)
  --fit center|stretch|proportional    or 0, 1, 2 (default proportional)
  --seconds N                          display time of an item (default 5)
  --random                             items in random order
  --random-music                       music in random order
  --exit-on LIST                       any of move,click,key, or none (default move,click,key)
  --close-button                       show the close button; Esc ends the show
  --shutdown MINUTES                   power the computer off after MINUTES of showing
  --background #rrggbb                 background colour (default #000000)
  --mute-flash                         play Flash movies without their own sounds
  --absolute                           store absolute paths (default: relative to OUT's folder)
  --groups LIST|all                    effect groups 0..29, e.g. 0,3,5-7 (default all)
  --preview-text TEXT                  text the preview shows instead of a website show
  --music FILE                         a background music file (repeat for more)

xscreensaver options:
  --name NAME        the player copy is showsaver-NAME (default: SHOW's file name)
  --label TEXT       the name XScreenSaver lists (default: SHOW's file name)
  --bin-dir DIR      where the player copy goes (default ~/.local/bin)
  --config-dir DIR   where showsaver-NAME.xml goes (default /usr/share/xscreensaver/config)
  --player PATH      the player to copy (default: showsaver beside mkshow)
)";

}  // namespace

int main(int argc, char** argv) {
  const Arguments all(argv + 1, argv + argc);
  if (all.empty() || all[0] == "--help" || all[0] == "-h") {
    std::cout << kUsage;
    return all.empty() ? 2 : 0;
  }
  const Arguments rest(all.begin() + 1, all.end());
  try {
    if (all[0] == "create") return CreateCommand(rest);
    if (all[0] == "build") return BuildCommand(rest, std::filesystem::canonical("/proc/self/exe"));
    if (all[0] == "inspect") return InspectCommand(rest);
    if (all[0] == "xscreensaver")
      return XScreenSaverCommand(rest, std::filesystem::canonical("/proc/self/exe"));
    throw UsageError("unknown command '" + all[0] + "'");
  } catch (const UsageError& error) {
    std::cerr << "mkshow: " << error.what() << " (mkshow --help shows the usage)\n";
    return 2;
  } catch (const Exception& error) {
    std::cerr << "mkshow: " << error.Message() << "\n";
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "mkshow: " << error.what() << "\n";
    return 2;
  }
}
