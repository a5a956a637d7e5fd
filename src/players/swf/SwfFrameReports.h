#pragma once

#include <cstdint>
#include <vector>

// The copy of a movie that the Flash control hands to its player. Every frame of an
// ActionScript 1 or 2 movie's main timeline reports its index (0 for the first frame) through
// fscommand("frame", index), from a DoAction tag placed just before the frame's ShowFrame tag.
// ActionScript 3 movies ignore such scripts, and LZMA ("ZWS") movies cannot be rewritten here:
// those come back unchanged and the caller estimates the frame from the elapsed time.
struct FrameReportedSwf {
  std::vector<std::uint8_t> data;
  bool reportsFrames = false;
};

inline constexpr const char* kFrameReportCommand = "frame";

// Raises the errors of a damaged movie (see SwfFile.h) for "FWS" and "CWS" movies.
FrameReportedSwf WithFrameReports(std::vector<std::uint8_t> movie);
