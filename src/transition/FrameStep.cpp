#include "transition/FrameStep.h"

#include "platform/MulDiv.h"

int NextFrameStep(int step, int currentStep, int delay, int elapsedMs, bool exactTiming) {
  if (delay - elapsedMs >= 0) return step;
  if (!exactTiming) return currentStep;
  if (delay == 0) return step;
  const int scaled = MulDiv(step, elapsedMs, delay);
  return scaled < 1 || scaled > 100 ? 100 : scaled;
}
