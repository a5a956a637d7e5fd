#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Small media files made on the spot for the tests.

// 16-bit mono PCM at 8000 Hz: a square wave of the given length.
void WriteWav(const std::string& path, int milliseconds);
// A standard MIDI file of `notes` half-second notes (format 0, 96 ticks per quarter note).
std::vector<std::uint8_t> MidiData(int notes);
// The same wrapped in a RIFF "RMID" file.
std::vector<std::uint8_t> RmidData(const std::vector<std::uint8_t>& midi);
// Uncompressed YUV 4:2:0 video (YUV4MPEG2) of frames at 25 frames per second.
void WriteY4m(const std::string& path, int width, int height, int frames);
// The same in one colour, given as limited-range Y, Cb and Cr.
void WriteSolidY4m(const std::string& path, int width, int height, int frames, std::uint8_t y,
                   std::uint8_t cb, std::uint8_t cr);

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
void WriteText(const std::string& path, const std::string& text);
// The first `size` bytes of a file written again under another name.
void WriteTruncated(const std::string& source, const std::string& target, std::size_t size);
