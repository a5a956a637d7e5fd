#pragma once

#include <QColor>
#include <QThread>
#include <cstdint>

// Small value types the transition view publishes.

// How the background picture fills the area around the shown picture.
enum TBackgroundMode : std::uint8_t { bmNone = 0, bmTiled = 1, bmStretched = 2, bmCentered = 3 };

// Priority of the worker thread that animates a transition.
enum TThreadPriority : std::uint8_t {
  tpIdle,
  tpLowest,
  tpLower,
  tpNormal,
  tpHigher,
  tpHighest,
  tpTimeCritical
};
QThread::Priority ToQThreadPriority(TThreadPriority priority);

// Where a control places itself inside its parent. Only the view's own parent is considered:
// alTop, alBottom, alLeft and alRight take the full extent of that side, alClient all of it.
enum TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Effect number: 0 is drawn by the custom-draw event, 1..171 by the effect table.
using TShowStyle = std::uint8_t;
inline constexpr TShowStyle kMaxShowStyle = 171;

// A colour as stored with the show: 0x00BBGGRR, or a system colour when the top byte is 0xFF
// (the low byte is then the system colour's index).
using TColor = std::uint32_t;
inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clActiveBorder = 0xFF00000A;
inline constexpr TColor clBtnFace = 0xFF00000F;
QColor ToQColor(TColor color);
