#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QString>
#include <QThread>
#include <mutex>
#include <vector>

#include "transition/TransitionView.h"

// A picture of one colour.
inline QImage SolidImage(int width, int height, QColor color) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

// Left half one colour, right half another: frames in between differ from both ends.
inline QImage HalvesImage(int width, int height, QColor left, QColor right) {
  QImage image = SolidImage(width, height, right);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width / 2; ++x) image.setPixelColor(x, y, left);
  }
  return image;
}

inline bool SameImage(const QImage& a, const QImage& b) {
  return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

// Everything a view reports, in order, with the progress seen and whether it ran on the
// user-interface thread.
struct EventLog {
  struct Entry {
    QString name;
    int progress;
    bool onUiThread;
  };

  explicit EventLog(TCustomTransitionView& view) {
    view.OnStart = [this](TCustomTransitionView* v, const Bitmap&, Bitmap&) { Add("Start", v); };
    view.OnBeforeNewFrame = [this](TCustomTransitionView* v, const Bitmap&, Bitmap&) {
      Add("Before", v);
    };
    view.OnCustomDraw = [this](TCustomTransitionView* v, const Bitmap&, Bitmap&) {
      Add("Custom", v);
    };
    view.OnAfterNewFrame = [this](TCustomTransitionView* v, const Bitmap&, Bitmap&) {
      Add("After", v);
    };
    view.OnProgress = [this](TCustomTransitionView* v) { Add("Progress", v); };
    view.OnComplete = [this](TCustomTransitionView* v) { Add("Complete", v); };
    view.OnStop = [this](TCustomTransitionView* v) { Add("Stop", v); };
  }

  void Add(const char* name, TCustomTransitionView* view) {
    std::lock_guard lock(mutex);
    entries.push_back({name, view->Progress(), QThread::currentThread() == qApp->thread()});
  }

  std::vector<Entry> Snapshot() const {
    std::lock_guard lock(mutex);
    return entries;
  }
  int Count(const QString& name) const {
    int n = 0;
    for (const Entry& e : Snapshot()) n += e.name == name ? 1 : 0;
    return n;
  }
  // The progress values reported by OnProgress, in order.
  std::vector<int> Progresses() const {
    std::vector<int> values;
    for (const Entry& e : Snapshot()) {
      if (e.name == "Progress") values.push_back(e.progress);
    }
    return values;
  }
  // The names in order, frame events left out.
  QStringList Outline() const {
    QStringList names;
    for (const Entry& e : Snapshot()) {
      if (e.name != "Before" && e.name != "After" && e.name != "Custom") names << e.name;
    }
    return names;
  }

  mutable std::mutex mutex;
  std::vector<Entry> entries;
};
