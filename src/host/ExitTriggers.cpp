#include "host/ExitTriggers.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdlib>

TFilterAction FilterInput(const TInputEvent& input, const TExitSettings& settings,
                          QPoint startCursor) {
  switch (input.kind) {
    case TInputKind::ScreenSave:
      return TFilterAction::Exit;
    case TInputKind::LeftOrRightButtonDown:
      if (settings.exitOnClick) return TFilterAction::Exit;
      return input.toFlashMovie ? TFilterAction::Swallow : TFilterAction::Pass;
    case TInputKind::KeyDown:
      if (settings.exitOnKey) return TFilterAction::Exit;
      return settings.closeButton && input.key == Qt::Key_Escape ? TFilterAction::Exit
                                                                 : TFilterAction::Pass;
    case TInputKind::MouseMove: {
      const QPoint moved = input.globalPosition - startCursor;
      const bool far = std::abs(moved.x()) > 2 || std::abs(moved.y()) > 2;
      return settings.exitOnMouseMove && far ? TFilterAction::Exit : TFilterAction::Pass;
    }
    case TInputKind::Other:
      break;
  }
  return TFilterAction::Pass;
}

TInputEvent InputOf(const QObject* receiver, const QEvent* event) {
  TInputEvent input;
  if (event->type() == ScreenSaveEventType()) {
    input.kind = TInputKind::ScreenSave;
    return input;
  }
  if (!receiver->isWindowType()) return input;
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<const QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton)
        input.kind = TInputKind::LeftOrRightButtonDown;
      input.globalPosition = mouse->globalPosition().toPoint();
      break;
    }
    case QEvent::KeyPress:
      input.kind = TInputKind::KeyDown;
      input.key = static_cast<const QKeyEvent*>(event)->key();
      break;
    case QEvent::MouseMove:
      input.kind = TInputKind::MouseMove;
      input.globalPosition = static_cast<const QMouseEvent*>(event)->globalPosition().toPoint();
      break;
    default:
      break;
  }
  return input;
}

QEvent::Type ScreenSaveEventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}
