#include "transition/TransitionTypes.h"

QThread::Priority ToQThreadPriority(TThreadPriority priority) {
  switch (priority) {
    case tpIdle:
      return QThread::IdlePriority;
    case tpLowest:
      return QThread::LowestPriority;
    case tpLower:
      return QThread::LowPriority;
    case tpNormal:
      return QThread::NormalPriority;
    case tpHigher:
      return QThread::HighPriority;
    case tpHighest:
      return QThread::HighestPriority;
    case tpTimeCritical:
      return QThread::TimeCriticalPriority;
  }
  return QThread::NormalPriority;
}

namespace {

// The classic desktop scheme's values for the system colours the view uses by default; any
// other system colour index falls back to the button face.
QColor SystemColor(std::uint8_t index) {
  constexpr std::uint8_t kActiveBorder = 10;
  if (index == kActiveBorder) return QColor(180, 180, 180);
  return QColor(240, 240, 240);
}

}  // namespace

QColor ToQColor(TColor color) {
  if ((color >> 24) == 0xFF) return SystemColor(static_cast<std::uint8_t>(color & 0xFF));
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}
