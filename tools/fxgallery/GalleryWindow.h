#pragma once

#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "transition/TransitionView.h"

struct GalleryOptions {
  int firstStyle = 1;
  int step = 4;
  int delay = 40;
  bool reverse = false;
  int pauseMs = 600;  // between two effects
  int quitAfter = 0;  // quit after this many complete transitions; 0 plays on
};

// Plays every effect in turn between two pictures, showing its number and name.
// Keys: Left/Right the previous/next effect, Space pause (freezes the frame; Left/Right then
// show the other effects at that progress), Up/Down Step ±1, PgUp/PgDown Delay ±10 ms,
// R Reverse, Escape quits.
class GalleryWindow : public QWidget {
  Q_OBJECT

 public:
  GalleryWindow(const QImage& first, const QImage& second, const GalleryOptions& options);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Play(int style);
  void Completed();
  void TogglePause();
  void UpdateCaption();

  TTransitionView* view_;
  QLabel* caption_;
  QTimer next_;
  QImage pictures_[2];
  int nextPicture_ = 0;
  int style_;
  bool paused_ = false;
  int frozenProgress_ = 50;
  int completed_ = 0;
  int quitAfter_;
};
