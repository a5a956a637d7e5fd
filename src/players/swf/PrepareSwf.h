#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The silent copy of a movie: an uncompressed movie whose top-level sound tags (DefineSound,
// SoundStreamHead, SoundStreamBlock, SoundStreamHead2) and Protect tag carry the undefined tag
// code 1023, cut to FileLength bytes. Tags inside sprites stay as they are.

// Writes the silent copy of source to target. Returns 1 when source starts with neither "FWS"
// nor "CWS" (nothing is written), 0 otherwise. A movie that ends early, lacks its End tag or
// whose FileLength exceeds its data raises EReadError; damaged compressed data raises
// EZDecompressionError; a target that cannot be written raises EFCreateError or EWriteError
// and leaves no file behind.
int PrepareSwf(const std::string& source, const std::string& target);

// The same in memory: the copy's bytes, or nothing when movie is not an "FWS" or "CWS" movie.
std::optional<std::vector<std::uint8_t>> PreparedSwf(std::vector<std::uint8_t> movie);
