// The control: defaults and writers, picture placement, painting (background modes, frame,
// nearest-pixel sampling), clearing, sizing, the mouse and the stored description.
#include <QEnterEvent>
#include <QPaintEngine>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/Errors.h"
#include "transition/PictureRect.h"
#include "transition/StoredProperties.h"
#include "transition/TileGraphic.h"
#include "transition/TransitionTestSupport.h"

namespace {

// A paint device that records where images are drawn, in the painter's coordinates.
class RecordingEngine : public QPaintEngine {
 public:
  RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawImage(const QRectF& rect, const QImage&, const QRectF&,
                 Qt::ImageConversionFlags) override {
    images.push_back(rect.toRect());
  }
  Type type() const override { return QPaintEngine::User; }
  std::vector<QRect> images;
};

class RecordingDevice : public QPaintDevice {
 public:
  RecordingDevice(int width, int height) : width_(width), height_(height) {}
  QPaintEngine* paintEngine() const override { return &engine; }
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmWidth:
        return width_;
      case PdmHeight:
        return height_;
      case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
      case PdmDepth:
        return 32;
      default:
        return metric == PdmNumColors ? 0 : 96;
    }
  }
  mutable RecordingEngine engine;

 private:
  int width_;
  int height_;
};

// Runs a manual transition to 100 so that the view shows the picture.
void Show(TTransitionView& view, const QImage& picture) {
  view.SetManual(true);
  view.Picture().SetGraphic(picture);
  view.StartTransition();
  view.SetProgress(100);
  view.StopTransition();
}

QImage Grab(TTransitionView& view) {
  return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A background whose every pixel tells where it lies: (x, y, 77).
QImage Gradient(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.setPixelColor(x, y, QColor(x % 256, y % 256, 77));
  }
  return image;
}

}  // namespace

class TransitionViewTest : public QObject {
  Q_OBJECT

 private slots:
  void defaults() {
    TTransitionView view;
    QCOMPARE(view.BgMode(), bmTiled);
    QCOMPARE(view.Delay(), 40);
    QCOMPARE(view.Step(), 4);
    QCOMPARE(view.Style(), 51);
    QCOMPARE(view.StyleName(), QString("Appear and Contract to middle"));
    QVERIFY(view.OverDraw());
    QVERIFY(view.Threaded());
    QVERIFY(!view.Manual() && !view.Reverse() && !view.ExactTiming() && !view.Running());
    QVERIFY(!view.Center() && !view.Stretch() && !view.Proportional());
    QCOMPARE(view.FrameColor(), TColor{0xFF00000A});
    QCOMPARE(view.FrameWidth(), 0);
    QCOMPARE(view.ThreadPriority(), tpNormal);
    QCOMPARE(view.size(), QSize(100, 100));
    QCOMPARE(view.DisplayRect(), QRect());
    QVERIFY(view.ScreenImage().isNull());
  }

  void writersKeepValuesInRange() {
    TTransitionView view;
    view.SetStep(1000);
    QCOMPARE(view.Step(), 100);
    view.SetStep(0);
    QCOMPARE(view.Step(), 1);
    view.SetStyle(172);
    QCOMPARE(view.Style(), 51);
    view.SetStyle(171);
    QCOMPARE(view.Style(), 171);
    view.SetFrameWidth(-3);
    QCOMPARE(view.FrameWidth(), 0);
  }

  void styleByName_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("after");
    QTest::newRow("custom, small letters") << 51 << "custom" << 0;
    QTest::newRow("first of two equal names") << 51 << "eXPAND from BOTTOM" << 18;
    QTest::newRow("unknown name") << 7 << "Expand sideways" << 7;
    QTest::newRow("fade") << 51 << "Fade" << 118;
  }
  void styleByName() {
    QFETCH(int, before);
    QFETCH(QString, name);
    QFETCH(int, after);
    TTransitionView view;
    view.SetStyle(before);
    view.SetStyleName(name);
    QCOMPARE(int{view.Style()}, after);
  }

  void styleNameOfStyleThirtyThree() {
    TTransitionView view;
    view.SetStyle(33);
    QCOMPARE(view.StyleName(), QString("Expand from bottom"));
    view.SetStyle(0);
    QCOMPARE(view.StyleName(), QString("Custom"));
  }

  void pictureRect_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("frame");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("center");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("proportional");
    QTest::addColumn<QRect>("expected");
    const QSize area(400, 400);
    QTest::newRow("small proportional keeps its size")
        << area << 0 << QSize(200, 100) << false << false << true << QRect(0, 0, 200, 100);
    QTest::newRow("small proportional stretched")
        << area << 0 << QSize(200, 100) << false << true << true << QRect(0, 0, 400, 200);
    QTest::newRow("small proportional centred")
        << area << 0 << QSize(200, 100) << true << false << true << QRect(100, 150, 200, 100);
    QTest::newRow("stretched proportional centred")
        << area << 0 << QSize(200, 100) << true << true << true << QRect(0, 100, 400, 200);
    QTest::newRow("large proportional shrinks")
        << area << 0 << QSize(1000, 500) << false << false << true << QRect(0, 0, 400, 200);
    QTest::newRow("tall proportional shrinks")
        << area << 0 << QSize(300, 900) << true << false << true << QRect(133, 0, 133, 400);
    QTest::newRow("stretched ignores proportions")
        << area << 0 << QSize(200, 100) << false << true << false << QRect(0, 0, 400, 400);
    QTest::newRow("large natural size is cut off")
        << area << 0 << QSize(1000, 500) << false << false << false << QRect(0, 0, 1000, 500);
    QTest::newRow("frame margin") << area << 5 << QSize(200, 100) << false << false << false
                                  << QRect(5, 5, 200, 100);
    QTest::newRow("frame margin, stretched")
        << area << 5 << QSize(200, 100) << false << true << false << QRect(5, 5, 390, 390);
    QTest::newRow("area smaller than its margins")
        << QSize(8, 8) << 5 << QSize(20, 10) << true << true << true << QRect(5, 5, 0, 0);
  }
  void pictureRect() {
    QFETCH(QSize, client);
    QFETCH(int, frame);
    QFETCH(QSize, picture);
    QFETCH(bool, center);
    QFETCH(bool, stretch);
    QFETCH(bool, proportional);
    QFETCH(QRect, expected);
    QCOMPARE(ComputePictureRect(client, frame, picture, center, stretch, proportional), expected);
  }

  // The writers and resizing recompute where the picture shown goes.
  void displayRectFollowsWritersAndResizing() {
    TTransitionView view;
    view.resize(400, 400);
    view.show();  // a hidden widget hears of its resizing only when shown
    Show(view, SolidImage(200, 100, Qt::red));
    QCOMPARE(view.DisplayRect(), QRect(0, 0, 200, 100));
    view.SetProportional(true);
    view.SetStretch(true);
    QCOMPARE(view.DisplayRect(), QRect(0, 0, 400, 200));
    view.SetCenter(true);
    QCOMPARE(view.DisplayRect(), QRect(0, 100, 400, 200));
    view.resize(200, 400);
    QCOMPARE(view.DisplayRect(), QRect(0, 150, 200, 100));
    view.SetFrameWidth(10);
    QCOMPARE(view.DisplayRect(), QRect(10, 155, 180, 90));
  }

  void backgroundModes_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSize>("graphic");
    // Expected pixels of a 200 × 150 client area, as (x, y) → colour.
    QTest::addColumn<QList<QPoint>>("points");
    QTest::addColumn<QList<QColor>>("colours");
    const QColor fill(0, 255, 0);
    QTest::newRow("none") << int{bmNone} << QSize(64, 64) << QList<QPoint>{{0, 0}, {199, 149}}
                          << QList<QColor>{fill, fill};
    QTest::newRow("tiled from the top left")
        << int{bmTiled} << QSize(64, 64) << QList<QPoint>{{0, 0}, {64, 0}, {70, 130}, {199, 149}}
        << QList<QColor>{QColor(0, 0, 77), QColor(0, 0, 77), QColor(6, 2, 77), QColor(7, 21, 77)};
    QTest::newRow("tiled, empty picture")
        << int{bmTiled} << QSize() << QList<QPoint>{{0, 0}, {150, 100}}
        << QList<QColor>{fill, fill};
    QTest::newRow("stretched") << int{bmStretched} << QSize(100, 75)
                               << QList<QPoint>{{0, 0}, {199, 149}, {100, 50}}
                               << QList<QColor>{QColor(0, 0, 77), QColor(99, 74, 77),
                                                QColor(50, 25, 77)};
    QTest::newRow("centred, small")
        << int{bmCentered} << QSize(100, 50)
        << QList<QPoint>{{49, 49}, {50, 50}, {149, 99}, {150, 100}}
        << QList<QColor>{fill, QColor(0, 0, 77), QColor(99, 49, 77), fill};
    QTest::newRow("centred, larger than the area")
        << int{bmCentered} << QSize(300, 250) << QList<QPoint>{{0, 0}, {199, 149}}
        << QList<QColor>{QColor(50, 50, 77), QColor(249, 199, 77)};
  }
  void backgroundModes() {
    QFETCH(int, mode);
    QFETCH(QSize, graphic);
    QFETCH(QList<QPoint>, points);
    QFETCH(QList<QColor>, colours);
    TTransitionView view;
    view.resize(200, 150);
    view.SetColor(0x0000FF00);
    if (graphic.isValid()) view.BgPicture().SetGraphic(Gradient(graphic.width(), graphic.height()));
    view.SetBgMode(static_cast<TBackgroundMode>(mode));
    const QImage shot = Grab(view);
    for (qsizetype i = 0; i < points.size(); ++i) {
      QCOMPARE(shot.pixelColor(points[i]), colours[i]);
    }
    if (mode == bmCentered && graphic.width() > 200) {
      for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) QVERIFY(shot.pixelColor(x, y) != QColor(0, 255, 0));
      }
    }
  }

  // Repainting a small area draws only the tiles under it, on the grid of the whole area.
  void tilingDrawsOnlyTheTilesThatTouchThePaintedArea() {
    RecordingDevice device(400, 300);
    QPainter painter(&device);
    painter.setClipRect(QRect(100, 100, 30, 30));
    TileGraphic(painter, QRect(0, 0, 400, 300), Gradient(64, 64));
    painter.end();
    const std::vector<QRect> expected = {QRect(64, 64, 64, 64), QRect(128, 64, 64, 64),
                                         QRect(64, 128, 64, 64), QRect(128, 128, 64, 64)};
    QCOMPARE(device.engine.images, expected);
  }

  void tilingAnchorsAtTheAreaNotTheClip() {
    RecordingDevice device(400, 300);
    QPainter painter(&device);
    painter.setClipRect(QRect(50, 50, 10, 10));
    TileGraphic(painter, QRect(10, 20, 200, 200), Gradient(64, 64));
    painter.end();
    const std::vector<QRect> expected = {QRect(10, 20, 64, 64)};
    QCOMPARE(device.engine.images, expected);
  }

  // The frame line fills the margin around the picture, and only while a picture is shown.
  void frameLine() {
    TTransitionView view;
    view.resize(100, 80);
    view.SetBgMode(bmNone);
    view.SetColor(0x0000FF00);
    view.SetFrameWidth(5);
    view.SetFrameColor(0x00FF0000);  // blue
    QCOMPARE(Grab(view).pixelColor(2, 2), QColor(0, 255, 0));
    Show(view, SolidImage(40, 30, Qt::red));
    QCOMPARE(view.DisplayRect(), QRect(5, 5, 40, 30));
    const QImage shot = Grab(view);
    const QColor blue(0, 0, 255);
    QCOMPARE(shot.pixelColor(0, 0), blue);
    QCOMPARE(shot.pixelColor(4, 20), blue);
    QCOMPARE(shot.pixelColor(49, 39), blue);
    QCOMPARE(shot.pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(44, 34), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(50, 20), QColor(0, 255, 0));
    QCOMPARE(shot.pixelColor(20, 40), QColor(0, 255, 0));
  }

  // The screen buffer is scaled without blending: each pixel takes its nearest source pixel.
  void scaledPictureTakesNearestPixels() {
    TTransitionView view;
    view.resize(40, 20);
    view.SetStretch(true);
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixelColor(0, 0, Qt::red);
    picture.setPixelColor(1, 0, Qt::blue);
    Show(view, picture);
    const QImage shot = Grab(view);
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 40; ++x) {
        QCOMPARE(shot.pixelColor(x, y), QColor(x < 20 ? Qt::red : Qt::blue));
      }
    }
  }

  void clearScreenShowsOnlyTheBackground() {
    TTransitionView view;
    view.resize(60, 40);
    view.SetBgMode(bmNone);
    view.SetColor(0x0000FF00);
    view.SetManual(true);
    view.Picture().SetGraphic(SolidImage(60, 40, Qt::red));
    view.StartTransition();
    view.SetProgress(100);
    view.ClearScreen();  // ignored while running
    QCOMPARE(Grab(view).pixelColor(10, 10), QColor(Qt::red));
    view.StopTransition();
    view.ClearScreen();
    QCOMPARE(view.SourceRect(), QRect());
    QCOMPARE(view.DisplayRect(), QRect());
    QVERIFY(view.ScreenImage().isNull());
    QCOMPARE(Grab(view).pixelColor(10, 10), QColor(0, 255, 0));
  }

  void autoSizeFollowsThePicture_data() {
    QTest::addColumn<int>("align");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("no alignment") << int{alNone} << QSize(50, 40);
    QTest::newRow("top: only the height") << int{alTop} << QSize(300, 40);
    QTest::newRow("left: only the width") << int{alLeft} << QSize(50, 200);
    QTest::newRow("client: nothing") << int{alClient} << QSize(300, 200);
  }
  void autoSizeFollowsThePicture() {
    QFETCH(int, align);
    QFETCH(QSize, expected);
    QWidget parent;
    parent.resize(300, 200);
    auto* view = new TTransitionView(&parent);
    view->SetAlign(static_cast<TAlign>(align));
    view->SetFrameWidth(5);
    view->SetAutoSize(true);
    view->Picture().SetGraphic(SolidImage(40, 30, Qt::red));
    QCOMPARE(view->size(), expected);
  }

  void changeAndMouseEvents() {
    TTransitionView view;
    QStringList seen;
    view.OnChange = [&](TCustomTransitionView*) { seen << "Change"; };
    view.OnMouseEnter = [&](TCustomTransitionView*) { seen << "Enter"; };
    view.OnMouseLeave = [&](TCustomTransitionView*) { seen << "Leave"; };
    view.Picture().SetGraphic(SolidImage(4, 4, Qt::red));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&view, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&view, &leave);
    QCOMPARE(seen, (QStringList{"Change", "Enter", "Leave"}));
    QVERIFY(!view.Running());  // a new picture does not start a transition
  }

  void pictureLoading() {
    QTemporaryDir folder;
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&changes] { ++changes; };
    QVERIFY_THROWS_EXCEPTION(EFOpenError, picture.LoadFromFile(folder.filePath("missing.png")));
    QFile damaged(folder.filePath("damaged.png"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("\x89PNG\r\n\x1a\nnot really");
    damaged.close();
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, picture.LoadFromFile(damaged.fileName()));
    QCOMPARE(changes, 0);
    QVERIFY(!picture.HasGraphic());

    QVERIFY(SolidImage(6, 4, Qt::red).save(folder.filePath("good.png")));
    picture.LoadFromFile(folder.filePath("good.png"));
    QCOMPARE(changes, 1);
    QCOMPARE(picture.Graphic().pixelColor(5, 3), QColor(Qt::red));

    // A bitmap's fourth byte may be anything; the picture is opaque.
    Bitmap bitmap(3, 2, MakePixel(10, 20, 30, 0));
    picture.SetBitmap(bitmap);
    QCOMPARE(changes, 2);
    QCOMPARE(picture.Graphic().pixel(2, 1), qRgba(10, 20, 30, 255));
  }

  void storedDescription() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(SolidImage(8, 8, Qt::red).save(folder.filePath("bg.png")));
    QFile file(folder.filePath("view.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "// the view of a show\n"
        "Width = 320\n"
        "Height = 240\n"
        "BgMode = bmCentered\n"
        "BgPicture = 'bg.png'\n"
        "StretchFine = True\n"
        "Step = $0A\n"
        "Style = 118\n"
        "FrameColor = clBtnFace\n"
        "ThreadPriority = tpHigher\n"
        "threaded = false\n");
    file.close();
    TTransitionView view;
    LoadStoredProperties(view, file.fileName());
    QCOMPARE(view.size(), QSize(320, 240));
    QCOMPARE(view.BgMode(), bmCentered);
    QCOMPARE(view.BgPicture().Width(), 8);
    QVERIFY(view.Proportional());
    QCOMPARE(view.Step(), 10);
    QCOMPARE(view.StyleName(), QString("Fade"));
    QCOMPARE(view.FrameColor(), clBtnFace);
    QCOMPARE(view.ThreadPriority(), tpHigher);
    QVERIFY(!view.Threaded());
  }

  void storedDescriptionErrors_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("unknown property") << "Speed = 3";
    QTest::newRow("not a Boolean") << "Center = yes";
    QTest::newRow("not a number") << "Delay = soon";
    QTest::newRow("out of range") << "Delay = 70000";
    QTest::newRow("unknown identifier") << "BgMode = bmSideways";
    QTest::newRow("no value") << "Delay =";
    QTest::newRow("no equals sign") << "Delay 40";
  }
  void storedDescriptionErrors() {
    QFETCH(QString, text);
    TTransitionView view;
    QVERIFY_THROWS_EXCEPTION(EReadError, ReadStoredProperties(view, ParseStoredProperties(text)));
    QCOMPARE(view.Delay(), 40);
    QVERIFY_THROWS_EXCEPTION(EFOpenError, LoadStoredProperties(view, "/nonexistent/view.txt"));
  }
};

QTEST_MAIN(TransitionViewTest)
#include "TransitionViewTest.moc"
