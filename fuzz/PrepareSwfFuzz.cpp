// Feeds arbitrary bytes to the Flash movie preparation and to the frame-reporting copy: both
// must either succeed or raise one of the player's errors, never read or write out of bounds.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Errors.h"
#include "players/swf/PrepareSwf.h"
#include "players/swf/SwfFrameReports.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> movie(data, data + size);
  try {
    PreparedSwf(movie);
  } catch (const Exception&) {
  }
  try {
    WithFrameReports(movie);
  } catch (const Exception&) {
  }
  return 0;
}
