// fxgallery: plays every transition effect in turn between two pictures, for show authors.
//   fxgallery [options] [FIRST SECOND]
#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>

#include "platform/Errors.h"
#include "tools/fxgallery/GalleryWindow.h"
#include "transition/Picture.h"

namespace {

// A built-in picture: a gradient with a large letter, so that every effect shows clearly.
QImage BuiltInPicture(QColor from, QColor to, const QString& letter) {
  QImage image(960, 540, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient gradient(0, 0, 960, 540);
  gradient.setColorAt(0, from);
  gradient.setColorAt(1, to);
  painter.fillRect(image.rect(), gradient);
  painter.setPen(QPen(Qt::white, 6));
  for (int x = 60; x < 960; x += 120) painter.drawLine(x, 0, x, 540);
  QFont font = painter.font();
  font.setPixelSize(360);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(image.rect(), Qt::AlignCenter, letter);
  return image;
}

QImage LoadPicture(const QString& fileName) {
  TPicture picture;
  picture.LoadFromFile(fileName);
  return picture.Graphic().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription("Plays every transition effect in turn between two pictures.");
  parser.addHelpOption();
  parser.addPositionalArgument("first", "The first picture (a built-in one when left out).");
  parser.addPositionalArgument("second", "The second picture.");
  const QCommandLineOption effect("effect", "Effect to start with (1..171).", "n", "1");
  const QCommandLineOption step("step", "Progress per frame, 1..100.", "percent", "4");
  const QCommandLineOption delay("delay", "Time per frame.", "ms", "40");
  const QCommandLineOption reverse("reverse", "Run the effects backwards.");
  const QCommandLineOption quitAfter("quit-after", "Quit after this many effects.", "n", "0");
  parser.addOptions({effect, step, delay, reverse, quitAfter});
  parser.process(app);

  QImage first;
  QImage second;
  const QStringList files = parser.positionalArguments();
  try {
    if (files.size() == 2) {
      first = LoadPicture(files[0]);
      second = LoadPicture(files[1]);
    } else if (files.isEmpty()) {
      first = BuiltInPicture(QColor(20, 60, 160), QColor(120, 200, 255), "A");
      second = BuiltInPicture(QColor(170, 40, 20), QColor(255, 200, 60), "B");
    } else {
      parser.showHelp(2);
    }
  } catch (const Exception& e) {
    std::fprintf(stderr, "fxgallery: %s\n", e.Message().c_str());
    return 1;
  }
  // Both pictures at one size, so that each effect starts from the picture shown.
  const QSize size = first.size().boundedTo(QSize(1280, 800));
  first = first.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  second = second.scaled(first.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

  GalleryOptions options;
  options.firstStyle = parser.value(effect).toInt();
  options.step = parser.value(step).toInt();
  options.delay = parser.value(delay).toInt();
  options.reverse = parser.isSet(reverse);
  options.quitAfter = parser.value(quitAfter).toInt();
  GalleryWindow window(first, second, options);
  window.show();
  return QApplication::exec();
}
