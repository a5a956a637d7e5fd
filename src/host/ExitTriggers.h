#pragma once

#include <QEvent>
#include <QPoint>

// What the message filter of a full-screen show does with one input event.
enum class TInputKind { Other, ScreenSave, LeftOrRightButtonDown, KeyDown, MouseMove };
enum class TFilterAction { Pass, Exit, Swallow };

struct TExitSettings {
  bool exitOnMouseMove = false;
  bool exitOnClick = false;
  bool exitOnKey = false;
  bool closeButton = false;
};

struct TInputEvent {
  TInputKind kind = TInputKind::Other;
  int key = 0;            // Qt key code of a key press
  QPoint globalPosition;  // cursor position of a mouse event, in screen coordinates
  bool toFlashMovie = false;
};

// The screen-saver command, and the show's choice of input that ends it: the left or right
// button, any key (or Esc alone with the close button), a cursor 3 or more pixels away from
// startCursor on either axis. Clicks on the Flash movie that do not end the show are swallowed.
TFilterAction FilterInput(const TInputEvent& input, const TExitSettings& settings,
                          QPoint startCursor);

// The input event as the filter sees it. Input counts only as it reaches a window of the
// process (before the window hands it on to a widget), so each arrives once.
TInputEvent InputOf(const QObject* receiver, const QEvent* event);

// The event that stands for the system's screen-saver command.
QEvent::Type ScreenSaveEventType();
