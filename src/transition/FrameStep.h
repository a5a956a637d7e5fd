#pragma once

// The step of the next frame after one that took elapsedMs: Step again when the frame fitted
// in its Delay; after a late frame the current step is kept, or, with exactTiming, Step is
// enlarged in proportion (Step × elapsed / Delay, rounded, at most 100). With no Delay every
// frame is late and the proportion is undefined: the step stays Step.
int NextFrameStep(int step, int currentStep, int delay, int elapsedMs, bool exactTiming);
