#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct mpv_handle;

// MIDI music for the media device. libmpv cannot read MIDI, so a file named .mid, .midi or
// .rmi is synthesised with libfluidsynth and a General MIDI soundfont, and handed to libmpv as
// a stream of 16-bit stereo PCM in a WAV container under the "mcimidi://" protocol.

bool IsMidiFile(std::string_view path);
std::string MidiUrl(const std::string& path);
// Makes the "mcimidi://" protocol known to player.
void RegisterMidiProtocol(mpv_handle* player);

// The standard MIDI file inside data: data itself, or the "data" chunk of an RMID file.
// Empty when data is neither.
std::vector<std::uint8_t> StandardMidiData(const std::vector<std::uint8_t>& data);
