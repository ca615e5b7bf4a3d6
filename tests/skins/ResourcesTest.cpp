// The embedded pictures: a program linking the picture library loads them from ":/img/", at the
// sizes the window lays out, and the balls and dice show what the draw display relies on.

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

QImage Load(const QString &name)
{
  return QImage(QStringLiteral(":/img/") + name).convertToFormat(QImage::Format_ARGB32);
}

TEST(Pictures, AllLoadAtTheirSizes)
{
  struct {
    QString name;
    QSize size;
  } pictures[] = {{"logo_euromiliony.png", {50, 50}}, {"logo_keno.png", {50, 50}},
                  {"logo_stastnych10.png", {50, 50}}, {"logo_kostky.png", {50, 50}},
                  {"logo_sportka.png", {50, 50}},     {"logo_luckylines.png", {50, 50}},
                  {"format_ods.png", {32, 32}},       {"format_odt.png", {32, 32}},
                  {"format_docx.png", {32, 32}},      {"format_xls.png", {32, 32}},
                  {"format_xml.png", {32, 32}},       {"format_html.png", {32, 32}},
                  {"zuduvaro.png", {256, 256}},       {"zuduvaro48.png", {48, 48}},
                  {"zuduvaro32.png", {32, 32}}};
  for (const auto &picture : pictures) {
    const QImage img = Load(picture.name);
    ASSERT_FALSE(img.isNull()) << picture.name.toStdString();
    EXPECT_EQ(img.size(), picture.size) << picture.name.toStdString();
    EXPECT_TRUE(img.hasAlphaChannel()) << picture.name.toStdString();
  }
  for (int n = 1; n <= 10; ++n)
    EXPECT_EQ(Load(QString("IMG%1_BALL.png").arg(n)).size(), QSize(80, 80)) << n;
  for (int n = 1; n <= 6; ++n)
    EXPECT_EQ(Load(QString("IMG%1_CUBE.png").arg(n)).size(), QSize(45, 45)) << n;
  // QPixmap is what the window's image controls use
  EXPECT_FALSE(QPixmap(":/img/IMG1_BALL.png").isNull());
}

// Ball colours in counter order; hue in degrees (-1: a black ball, judged by lightness).
TEST(Pictures, BallsAreTransparentRoundAndInCounterOrder)
{
  const int hues[] = {80, 42, -1, 220, 26, 155, 272, 358, 330, 184};
  for (int n = 1; n <= 10; ++n) {
    SCOPED_TRACE(n);
    const QImage ball = Load(QString("IMG%1_BALL.png").arg(n));
    for (const QPoint corner : {QPoint(0, 0), QPoint(79, 0), QPoint(0, 79), QPoint(79, 79), QPoint(6, 6)})
      EXPECT_EQ(qAlpha(ball.pixel(corner)), 0);

    // the body, seen between the disc and the rim below the centre
    const QColor body = QColor::fromRgba(ball.pixel(40, 71));
    EXPECT_EQ(body.alpha(), 255);
    if (hues[n - 1] < 0) {
      EXPECT_LT(body.lightness(), 60);
    } else {
      const int distance = std::abs(body.hue() - hues[n - 1]);
      EXPECT_LE(std::min(distance, 360 - distance), 20) << "hue " << body.hue();
    }
  }
}

// The number label (42 × 41 at 18, 19 within the ball) is written in dark slate blue on the disc:
// the disc must cover the label's text and be light enough to read it.
TEST(Pictures, BallDiscCarriesTheNumberReadably)
{
  const QColor slate(43, 53, 77);
  for (int n = 1; n <= 10; ++n) {
    SCOPED_TRACE(n);
    const QImage ball = Load(QString("IMG%1_BALL.png").arg(n));
    const QPointF centre(39.5, 39.5);
    for (int y = 0; y < 80; ++y)
      for (int x = 0; x < 80; ++x) {
        const double d = std::hypot(x + 0.5 - centre.x(), y + 0.5 - centre.y());
        if (d <= 21.0) {
          const QColor c = QColor::fromRgba(ball.pixel(x, y));
          ASSERT_GE(c.lightness(), 190) << "at " << x << "," << y;
          ASSERT_GE(c.lightness() - slate.lightness(), 120);
        }
      }
  }
}

// Counts the yellow pips of a die face as separate blobs.
int CountPips(const QImage &die)
{
  const auto yellow = [&](int x, int y) {
    const QRgb c = die.pixel(x, y);
    return qAlpha(c) > 200 && qRed(c) > 180 && qGreen(c) > 130 && qBlue(c) < 110;
  };
  std::vector<bool> seen(die.width() * die.height(), false);
  int blobs = 0;
  for (int y = 0; y < die.height(); ++y)
    for (int x = 0; x < die.width(); ++x) {
      if (seen[y * die.width() + x] || !yellow(x, y))
        continue;
      ++blobs;
      std::vector<QPoint> stack{{x, y}};
      seen[y * die.width() + x] = true;
      while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
          const QPoint q = p + step;
          if (q.x() < 0 || q.y() < 0 || q.x() >= die.width() || q.y() >= die.height())
            continue;
          if (!seen[q.y() * die.width() + q.x()] && yellow(q.x(), q.y())) {
            seen[q.y() * die.width() + q.x()] = true;
            stack.push_back(q);
          }
        }
      }
    }
  return blobs;
}

TEST(Pictures, DieFaceNShowsNYellowPipsOnDarkGrey)
{
  for (int n = 1; n <= 6; ++n) {
    const QImage die = Load(QString("IMG%1_CUBE.png").arg(n));
    EXPECT_EQ(CountPips(die), n) << "IMG" << n << "_CUBE";
    const QColor face = QColor::fromRgba(die.pixel(22, 6));  // between the pips' rows and the edge
    EXPECT_LT(face.lightness(), 110) << n;
    EXPECT_LT(face.saturation(), 60) << n;
    EXPECT_EQ(qAlpha(die.pixel(0, 44)), 0) << n;
  }
}

}  // namespace
