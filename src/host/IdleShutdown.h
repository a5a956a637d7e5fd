#pragma once

#include <cstdint>

// Whether the idle shutdown is due: never in preview or when the show has it off; otherwise
// when strictly more than minutes × 60000 milliseconds have passed since startTick. The
// subtraction wraps with the 32-bit tick count.
bool IdleShutdownDue(bool isPreview, bool enabled, std::uint16_t minutes, std::uint32_t startTick,
                     std::uint32_t now);
