#pragma once

#include <cstdint>
#include <span>
#include <string>

// Text fields hold 8-bit text from Windows: the bytes before the first zero byte (or the whole
// field when it has none). Bytes that are valid UTF-8 are kept; anything else is read as
// Windows-1252 and converted to UTF-8.
std::string FieldText(std::span<const std::uint8_t> field);
std::string Windows1252ToUtf8(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);
