#pragma once

#include <cstdint>

// The index of the next item of a show with itemCount items (at least one).
// In order: the one after current, wrapping to 0.
std::int32_t NextItemInOrder(std::int32_t current, std::int32_t itemCount);
// At random: draw is a number in 0..itemCount-1 from the shared generator. A draw equal to the
// previous pick moves on by one (wrapping to 0), so no item comes twice in a row when there
// are two or more. prevRandom is updated.
std::int32_t NextItemAtRandom(std::int32_t draw, std::int32_t& prevRandom, std::int32_t itemCount);
