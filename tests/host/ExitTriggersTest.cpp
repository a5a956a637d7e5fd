#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "host/ExitTriggers.h"

namespace {

constexpr QPoint kStart(400, 300);

TInputEvent Move(int dx, int dy) {
  return {TInputKind::MouseMove, 0, kStart + QPoint(dx, dy), false};
}
TInputEvent Key(int key) {
  return {TInputKind::KeyDown, key, {}, false};
}
TInputEvent Click(bool toFlash = false) {
  return {TInputKind::LeftOrRightButtonDown, 0, kStart, toFlash};
}

struct TriggerCase {
  const char* name;
  TInputEvent input;
  TExitSettings settings;  // exitOnMouseMove, exitOnClick, exitOnKey, closeButton
  TFilterAction expected;
};

TEST(ExitTriggers, Table) {
  const TExitSettings all{true, true, true, true};
  const TExitSettings none{};
  const TExitSettings moveOnly{true, false, false, false};
  const TExitSettings clickOnly{false, true, false, false};
  const TExitSettings keyOnly{false, false, true, false};
  const TExitSettings closeButtonOnly{false, false, false, true};
  const std::vector<TriggerCase> cases{
      {"2 px on both axes keeps", Move(2, 2), moveOnly, TFilterAction::Pass},
      {"-2 px on both axes keeps", Move(-2, -2), moveOnly, TFilterAction::Pass},
      {"3 px right ends", Move(3, 0), moveOnly, TFilterAction::Exit},
      {"3 px up ends", Move(0, -3), moveOnly, TFilterAction::Exit},
      {"3 px left, 1 down ends", Move(-3, 1), moveOnly, TFilterAction::Exit},
      {"far move without the flag keeps", Move(300, 300), clickOnly, TFilterAction::Pass},
      {"click ends", Click(), clickOnly, TFilterAction::Exit},
      {"click on Flash with ExitOnClick ends", Click(true), clickOnly, TFilterAction::Exit},
      {"click without the flag passes", Click(), moveOnly, TFilterAction::Pass},
      {"click on Flash without the flag is swallowed", Click(true), none, TFilterAction::Swallow},
      {"key ends", Key(Qt::Key_A), keyOnly, TFilterAction::Exit},
      {"Esc ends with ExitOnKey", Key(Qt::Key_Escape), keyOnly, TFilterAction::Exit},
      {"Esc ends with the close button", Key(Qt::Key_Escape), closeButtonOnly, TFilterAction::Exit},
      {"other key with the close button passes", Key(Qt::Key_A), closeButtonOnly,
       TFilterAction::Pass},
      {"Esc without either flag passes", Key(Qt::Key_Escape), moveOnly, TFilterAction::Pass},
      {"screen-saver command ends with every flag off",
       {TInputKind::ScreenSave, 0, {}, false},
       none,
       TFilterAction::Exit},
      {"anything else passes",
       {TInputKind::Other, 0, kStart + QPoint(50, 50), false},
       all,
       TFilterAction::Pass},
  };
  for (const TriggerCase& c : cases)
    EXPECT_EQ(FilterInput(c.input, c.settings, kStart), c.expected) << c.name;
}

TEST(ExitTriggers, InputCountsOnlyAsItReachesAWindow) {
  QWindow window;
  QWidget widget;
  const QPointF at(10, 10);
  const QPointF global(110, 210);
  QMouseEvent left(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
  QMouseEvent right(QEvent::MouseButtonPress, at, global, Qt::RightButton, Qt::RightButton, {});
  QMouseEvent middle(QEvent::MouseButtonPress, at, global, Qt::MiddleButton, Qt::MiddleButton, {});
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, {}, {});
  QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, {}, {});
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, {});
  QKeyEvent keyRelease(QEvent::KeyRelease, Qt::Key_Escape, {});
  QEvent screenSave(ScreenSaveEventType());

  EXPECT_EQ(InputOf(&window, &left).kind, TInputKind::LeftOrRightButtonDown);
  EXPECT_EQ(InputOf(&window, &right).kind, TInputKind::LeftOrRightButtonDown);
  EXPECT_EQ(InputOf(&window, &middle).kind, TInputKind::Other);
  EXPECT_EQ(InputOf(&window, &release).kind, TInputKind::Other);
  EXPECT_EQ(InputOf(&window, &keyRelease).kind, TInputKind::Other);
  const TInputEvent moved = InputOf(&window, &move);
  EXPECT_EQ(moved.kind, TInputKind::MouseMove);
  EXPECT_EQ(moved.globalPosition, QPoint(110, 210));
  const TInputEvent key = InputOf(&window, &press);
  EXPECT_EQ(key.kind, TInputKind::KeyDown);
  EXPECT_EQ(key.key, Qt::Key_Escape);
  // The same input handed on to a widget is not counted again.
  EXPECT_EQ(InputOf(&widget, &left).kind, TInputKind::Other);
  EXPECT_EQ(InputOf(&widget, &press).kind, TInputKind::Other);
  EXPECT_EQ(InputOf(&widget, &screenSave).kind, TInputKind::ScreenSave);
}

}  // namespace
