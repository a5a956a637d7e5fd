#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Inflates the zlib stream in compressed (read from its start) to exactly count bytes and puts
// them into result. Damaged data raises EZDecompressionError; a stream that yields fewer than
// count bytes raises EReadError ("Stream read error").
void InflateSwfBody(std::size_t count, std::span<const std::uint8_t> compressed,
                    std::vector<std::uint8_t>& result);
