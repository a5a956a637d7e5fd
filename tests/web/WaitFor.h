#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <functional>

// Runs the event loop until done() holds or timeoutMs passes; returns done().
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 20000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < timeoutMs) QTest::qWait(10);
  return done();
}
