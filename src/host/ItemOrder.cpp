#include "host/ItemOrder.h"

std::int32_t NextItemInOrder(std::int32_t current, std::int32_t itemCount) {
  std::int32_t next = current + 1;
  if (next > itemCount - 1) next = 0;
  return next;
}

std::int32_t NextItemAtRandom(std::int32_t draw, std::int32_t& prevRandom, std::int32_t itemCount) {
  std::int32_t next = draw;
  if (next == prevRandom) next = next + 1;
  if (next > itemCount - 1) next = 0;
  prevRandom = next;
  return next;
}
