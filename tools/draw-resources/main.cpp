// draw-resources: paints every picture of the program (balls, die faces, tab logos, export
// format icons, the skins' arrows, program icon) and saves them as PNG files into the folder given on the command
// line. The PNGs are committed in resources/img; run this tool again to regenerate them:
//
//   draw-resources resources/img
//
// Everything is painted with vectors and antialiasing at the target size, so no picture is a
// scaled copy of another one.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTransform>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace {

// ---------------------------------------------------------------------------------------------
// Private helpers
// ---------------------------------------------------------------------------------------------

QColor Mix(const QColor &a, const QColor &b, double t)
{
  return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                          float(a.greenF() + (b.greenF() - a.greenF()) * t),
                          float(a.blueF() + (b.blueF() - a.blueF()) * t),
                          float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor WithAlpha(QColor c, int alpha)
{
  c.setAlpha(alpha);
  return c;
}

QImage NewCanvas(int width, int height)
{
  QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  return img;
}

void BeginPainting(QPainter &p)
{
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.setPen(Qt::NoPen);
}

void Save(const QImage &img, const QString &folder, const QString &fileName)
{
  const QString path = QDir(folder).filePath(fileName);
  // Straight alpha in the file: viewers and QPixmap loading both expect it.
  if (!img.convertToFormat(QImage::Format_ARGB32).save(path, "PNG"))
    throw std::runtime_error(QString("Cannot write %1").arg(path).toStdString());
  QTextStream(stdout) << path << '\n';
}

// The logos and icons use a condensed bold face so that long names fit 50 pixels.
QFont LogoFont(double pixelSize)
{
  QFont f(QStringLiteral("DejaVu Sans Condensed"));
  f.setStyleHint(QFont::SansSerif);
  f.setStretch(QFont::Condensed);
  f.setWeight(QFont::Bold);
  f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
  return f;
}

// The logo font at maxPx, made smaller (in fractions of a pixel) until text fits width. Text is
// drawn as a path, so the fraction is kept.
struct TFittedFont {
  QFont font;
  double scale;
};

TFittedFont FitFont(const QString &text, double width, double maxPx)
{
  const QFont f = LogoFont(100);
  QPainterPath path;
  path.addText(0, 0, f, text);
  const double scale = std::min(maxPx / 100.0, width / path.boundingRect().width());
  return {f, scale};
}

// Text as a path centred on a point, so it can be filled, outlined and shadowed.
QPainterPath CentredTextPath(const QString &text, const QFont &font, QPointF centre, double scale = 1.0)
{
  QPainterPath path;
  path.addText(0, 0, font, text);
  path = QTransform::fromScale(scale, scale).map(path);
  const QRectF box = path.boundingRect();
  path.translate(centre - box.center());
  return path;
}

QPainterPath CentredTextPath(const QString &text, const TFittedFont &fitted, QPointF centre)
{
  return CentredTextPath(text, fitted.font, centre, fitted.scale);
}

void FillTextWithShadow(QPainter &p, const QPainterPath &text, const QColor &colour,
                        const QColor &shadow, QPointF offset = QPointF(0, 1))
{
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(shadow);
  p.drawPath(text.translated(offset));
  p.setBrush(colour);
  p.drawPath(text);
  p.restore();
}

QPainterPath Circle(QPointF c, double r)
{
  QPainterPath path;
  path.addEllipse(c, r, r);
  return path;
}

// ---------------------------------------------------------------------------------------------
// Ball
// ---------------------------------------------------------------------------------------------

// The body: lit from the upper left, darker towards the rim.
void PaintBallBody(QPainter &p, QPointF c, double r, const QColor &base)
{
  const bool dark = base.lightnessF() < 0.2;
  QRadialGradient body(c, r, c + QPointF(-0.38 * r, -0.45 * r));
  body.setColorAt(0.0, Mix(base, Qt::white, dark ? 0.40 : 0.55));
  body.setColorAt(0.30, Mix(base, Qt::white, dark ? 0.12 : 0.18));
  body.setColorAt(0.70, base);
  body.setColorAt(1.0, Mix(base, Qt::black, 0.55));
  p.setBrush(body);
  p.drawEllipse(c, r, r);
}

// Light bounced from the table below: a faint glow along the lower right rim.
void PaintBallBounceLight(QPainter &p, QPointF c, double r, const QColor &base)
{
  p.save();
  p.setClipPath(Circle(c, r));
  QRadialGradient bounce(c + QPointF(0.30 * r, 0.62 * r), 0.55 * r);
  bounce.setColorAt(0.0, WithAlpha(Mix(base, Qt::white, 0.6), 110));
  bounce.setColorAt(1.0, WithAlpha(Mix(base, Qt::white, 0.6), 0));
  p.setBrush(bounce);
  p.drawEllipse(c, r, r);
  p.restore();
}

// The rim darkens softly so the sphere reads round on any background.
void PaintBallRim(QPainter &p, QPointF c, double r)
{
  QRadialGradient rim(c, r);
  rim.setColorAt(0.0, QColor(0, 0, 0, 0));
  rim.setColorAt(0.82, QColor(0, 0, 0, 0));
  rim.setColorAt(0.97, QColor(0, 0, 0, 70));
  rim.setColorAt(1.0, QColor(0, 0, 0, 110));
  p.setBrush(rim);
  p.drawEllipse(c, r, r);
}

// The light disc the number stands on: printed on the ball, so it is shaded with it.
void PaintBallDisc(QPainter &p, QPointF c, double r, const QColor &base)
{
  // a thin darker ring makes the disc's edge crisp against light balls (yellow, gold, pink)
  p.setBrush(WithAlpha(Mix(base, Qt::black, 0.45), 150));
  p.drawEllipse(c, r + 1.0, r + 1.0);

  QRadialGradient disc(c, r, c + QPointF(-0.35 * r, -0.4 * r));
  disc.setColorAt(0.0, QColor(255, 255, 255));
  disc.setColorAt(0.55, QColor(252, 250, 243));
  disc.setColorAt(0.88, QColor(240, 236, 224));
  disc.setColorAt(1.0, QColor(214, 208, 194));
  p.setBrush(disc);
  p.drawEllipse(c, r, r);
}

// Specular reflection of the lamp plus a broad soft sheen over the upper left.
void PaintBallHighlight(QPainter &p, QPointF c, double r)
{
  p.save();
  p.setClipPath(Circle(c, r));
  QRadialGradient sheen(c + QPointF(-0.35 * r, -0.42 * r), 0.9 * r);
  sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
  sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setBrush(sheen);
  p.drawEllipse(c, r, r);

  p.translate(c + QPointF(-0.43 * r, -0.52 * r));
  p.rotate(-38);
  p.scale(1.0, 0.58);
  const double hr = 0.34 * r;
  QRadialGradient spot(QPointF(0, 0), hr);
  spot.setColorAt(0.0, QColor(255, 255, 255, 240));
  spot.setColorAt(0.45, QColor(255, 255, 255, 170));
  spot.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setBrush(spot);
  p.drawEllipse(QPointF(0, 0), hr, hr);
  p.restore();
}

void PaintBallOutline(QPainter &p, QPointF c, double r, const QColor &base)
{
  p.save();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(WithAlpha(Mix(base, Qt::black, 0.7), 120), std::max(0.8, r / 45.0)));
  p.drawEllipse(c, r - 0.4, r - 0.4);
  p.restore();
}

// One lottery ball filling the square `box`; discRatio is the disc radius against the ball's.
void PaintBall(QPainter &p, const QRectF &box, const QColor &base, double discRatio,
               const QString &number = QString(), const QColor &numberColour = QColor())
{
  const QPointF c = box.center();
  const double r = box.width() / 2.0;
  PaintBallBody(p, c, r, base);
  PaintBallBounceLight(p, c, r, base);
  PaintBallRim(p, c, r);
  PaintBallDisc(p, c, discRatio * r, base);
  if (!number.isEmpty()) {
    QFont f = LogoFont(r * 0.78);
    f.setStretch(QFont::Unstretched);
    f.setFamily(QStringLiteral("DejaVu Sans"));
    p.setBrush(numberColour);
    p.drawPath(CentredTextPath(number, f, c));
  }
  PaintBallHighlight(p, c, r);
  PaintBallOutline(p, c, r, base);
}

struct TBallPicture {
  const char *fileName;
  QColor base;
};

// Order fixed by the ball counter: yellow-green, gold, black, blue, orange-brown, emerald green,
// purple, red, pink, dark teal.
const std::vector<TBallPicture> &BallPictures()
{
  static const std::vector<TBallPicture> balls = {
      {"IMG1_BALL.png", QColor(138, 190, 36)},   // yellow-green
      {"IMG2_BALL.png", QColor(232, 172, 8)},    // gold
      {"IMG3_BALL.png", QColor(28, 28, 32)},     // black
      {"IMG4_BALL.png", QColor(28, 88, 204)},    // blue
      {"IMG5_BALL.png", QColor(184, 96, 30)},    // orange-brown
      {"IMG6_BALL.png", QColor(12, 150, 90)},    // emerald green
      {"IMG7_BALL.png", QColor(118, 52, 178)},   // purple
      {"IMG8_BALL.png", QColor(212, 30, 36)},    // red
      {"IMG9_BALL.png", QColor(238, 104, 164)},  // pink
      {"IMG10_BALL.png", QColor(12, 98, 104)},   // dark teal
  };
  return balls;
}

// 80 × 80 ball; the number label (42 × 41 at 18, 19 within the ball) sits on the disc.
QImage DrawBall(const QColor &base)
{
  QImage img = NewCanvas(80, 80);
  QPainter p(&img);
  BeginPainting(p);
  // disc ≈ 48 px across, centred under the label
  PaintBall(p, QRectF(0.5, 0.5, 79, 79), base, 24.0 / 39.5);
  return img;
}

// ---------------------------------------------------------------------------------------------
// Die face
// ---------------------------------------------------------------------------------------------

void PaintDieShadow(QPainter &p, const QRectF &face, double radius)
{
  for (int i = 3; i >= 1; --i) {
    p.setBrush(QColor(0, 0, 0, 28));
    p.drawRoundedRect(face.translated(0.8, 1.6).adjusted(-i * 0.5, -i * 0.3, i * 0.5, i * 0.6),
                      radius + i * 0.5, radius + i * 0.5);
  }
}

// Rounded dark grey face with a bevel: lit edge top left, shaded edge bottom right.
void PaintDieFace(QPainter &p, const QRectF &face, double radius)
{
  QLinearGradient bevel(face.topLeft(), face.bottomRight());
  bevel.setColorAt(0.0, QColor(128, 132, 140));
  bevel.setColorAt(0.5, QColor(70, 73, 79));
  bevel.setColorAt(1.0, QColor(30, 31, 35));
  p.setBrush(bevel);
  p.drawRoundedRect(face, radius, radius);

  const QRectF top = face.adjusted(2.2, 2.2, -2.2, -2.2);
  QLinearGradient flat(top.topLeft(), top.bottomLeft());
  flat.setColorAt(0.0, QColor(84, 87, 94));
  flat.setColorAt(1.0, QColor(56, 58, 64));
  p.setBrush(flat);
  p.drawRoundedRect(top, radius - 1.8, radius - 1.8);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(20, 20, 22, 200), 0.9));
  p.drawRoundedRect(face.adjusted(0.45, 0.45, -0.45, -0.45), radius, radius);
  p.setPen(Qt::NoPen);
}

// A yellow pip sunk into the face: a dark crescent above it, the pip domed and lit.
void PaintDiePip(QPainter &p, QPointF c, double r)
{
  p.setBrush(QColor(0, 0, 0, 120));
  p.drawEllipse(c + QPointF(-0.3, -0.5), r + 0.4, r + 0.4);
  p.setBrush(QColor(255, 255, 255, 40));
  p.drawEllipse(c + QPointF(0.3, 0.6), r + 0.2, r + 0.2);
  QRadialGradient pip(c, r, c + QPointF(-0.35 * r, -0.4 * r));
  pip.setColorAt(0.0, QColor(255, 244, 150));
  pip.setColorAt(0.5, QColor(255, 210, 20));
  pip.setColorAt(1.0, QColor(206, 148, 0));
  p.setBrush(pip);
  p.drawEllipse(c, r, r);
}

// Pip positions of each face on a 3 × 3 grid (column, row from -1 to 1).
std::vector<QPointF> DiePips(int value)
{
  switch (value) {
  case 1: return {{0, 0}};
  case 2: return {{-1, -1}, {1, 1}};
  case 3: return {{-1, -1}, {0, 0}, {1, 1}};
  case 4: return {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
  case 5: return {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}};
  case 6: return {{-1, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {1, 1}};
  }
  throw std::invalid_argument("die value out of range");
}

// 45 × 45 die face showing value (1 to 6).
QImage DrawDie(int value)
{
  QImage img = NewCanvas(45, 45);
  QPainter p(&img);
  BeginPainting(p);
  const QRectF face(1.5, 1.0, 40.5, 40.5);
  PaintDieShadow(p, face, 8);
  PaintDieFace(p, face, 8);
  const QPointF c = face.center();
  const double step = 10.6;
  for (const QPointF &g : DiePips(value))
    PaintDiePip(p, c + g * step, value == 1 ? 5.0 : 4.2);
  return img;
}

// ---------------------------------------------------------------------------------------------
// Tab logos
// ---------------------------------------------------------------------------------------------

// A rounded glossy badge in the game's colour; the name goes on top of it.
void PaintLogoBadge(QPainter &p, const QColor &top, const QColor &bottom)
{
  const QRectF badge(1, 1, 48, 48);
  QLinearGradient fill(badge.topLeft(), badge.bottomLeft());
  fill.setColorAt(0.0, top);
  fill.setColorAt(1.0, bottom);
  p.setBrush(fill);
  p.drawRoundedRect(badge, 9, 9);

  // gloss over the upper half
  QPainterPath gloss;
  gloss.addRoundedRect(badge.adjusted(1.5, 1.5, -1.5, -24), 8, 8);
  QLinearGradient shine(badge.topLeft(), QPointF(badge.left(), badge.top() + 24));
  shine.setColorAt(0.0, QColor(255, 255, 255, 90));
  shine.setColorAt(1.0, QColor(255, 255, 255, 10));
  p.setBrush(shine);
  p.drawPath(gloss);

  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Mix(bottom, Qt::black, 0.35), 1.0));
  p.drawRoundedRect(badge.adjusted(0.5, 0.5, -0.5, -0.5), 8.5, 8.5);
  p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
  p.drawRoundedRect(badge.adjusted(1.5, 1.5, -1.5, -1.5), 7.5, 7.5);
  p.setPen(Qt::NoPen);
}

void PaintStar(QPainter &p, QPointF c, double r, const QColor &colour)
{
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5;
    const double rr = (i % 2 == 0) ? r : r * 0.45;
    const QPointF pt = c + QPointF(std::cos(a) * rr, std::sin(a) * rr);
    if (i == 0)
      star.moveTo(pt);
    else
      star.lineTo(pt);
  }
  star.closeSubpath();
  p.setBrush(colour);
  p.drawPath(star);
}

const QColor kLogoShadow(0, 0, 0, 110);

QImage DrawLogoEuromiliony()
{
  QImage img = NewCanvas(50, 50);
  QPainter p(&img);
  BeginPainting(p);
  PaintLogoBadge(p, QColor(46, 92, 200), QColor(14, 38, 110));
  // a ring of gold stars, the way the European draw marks itself
  const QColor gold(255, 204, 0);
  // (the stars beside the name are left out so the name keeps the full width)
  for (int i = 0; i < 12; ++i) {
    if (i == 0 || i == 6)
      continue;
    const double a = i * M_PI / 6;
    PaintStar(p, QPointF(25 + 19.5 * std::cos(a), 25 + 19.5 * std::sin(a)), 2.3, gold);
  }
  FillTextWithShadow(p, CentredTextPath("EURO", FitFont("EURO", 28, 11), QPointF(25, 19.5)),
                     gold, kLogoShadow);
  FillTextWithShadow(p, CentredTextPath("milióny", FitFont("milióny", 34, 10), QPointF(25, 30.5)),
                     Qt::white, kLogoShadow);
  return img;
}

QImage DrawLogoKeno()
{
  QImage img = NewCanvas(50, 50);
  QPainter p(&img);
  BeginPainting(p);
  PaintLogoBadge(p, QColor(255, 150, 20), QColor(210, 70, 0));
  // three small balls above the name
  const QColor balls[] = {QColor(255, 230, 60), QColor(40, 100, 220), QColor(120, 200, 40)};
  for (int i = 0; i < 3; ++i)
    PaintBall(p, QRectF(8.5 + i * 11.5, 5.5, 10, 10), balls[i], 0.45);
  FillTextWithShadow(p, CentredTextPath("KENO", FitFont("KENO", 40, 16), QPointF(25, 31)),
                     Qt::white, kLogoShadow, QPointF(0.6, 1.2));
  return img;
}

QImage DrawLogoStastnych10()
{
  QImage img = NewCanvas(50, 50);
  QPainter p(&img);
  BeginPainting(p);
  PaintLogoBadge(p, QColor(74, 184, 64), QColor(22, 112, 40));
  FillTextWithShadow(p, CentredTextPath("Šťastných", FitFont("Šťastných", 39, 11), QPointF(25, 14.5)),
                     Qt::white, kLogoShadow);
  FillTextWithShadow(p, CentredTextPath("10", FitFont("10", 30, 21), QPointF(25, 33)),
                     QColor(255, 226, 60), kLogoShadow, QPointF(0.6, 1.2));
  return img;
}

QImage DrawLogoKostky()
{
  QImage img = NewCanvas(50, 50);
  QPainter p(&img);
  BeginPainting(p);
  PaintLogoBadge(p, QColor(150, 80, 196), QColor(80, 30, 120));
  // two small dice above the name
  auto smallDie = [&](QRectF r, std::vector<QPointF> pips, double angle) {
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(-r.width() / 2 + 0.6, -r.height() / 2 + 1.0, r.width(), r.height()), 3, 3);
    p.setBrush(QColor(250, 250, 250));
    p.drawRoundedRect(QRectF(-r.width() / 2, -r.height() / 2, r.width(), r.height()), 3, 3);
    p.setBrush(QColor(60, 20, 90));
    for (const QPointF &g : pips)
      p.drawEllipse(g * (r.width() * 0.28), 1.4, 1.4);
    p.restore();
  };
  smallDie(QRectF(11, 6, 13, 13), DiePips(5), -12);
  smallDie(QRectF(26, 7, 13, 13), DiePips(3), 10);
  FillTextWithShadow(p, CentredTextPath("Kostky", FitFont("Kostky", 40, 14), QPointF(25, 33)),
                     Qt::white, kLogoShadow, QPointF(0.5, 1.0));
  return img;
}

QImage DrawLogoSportka()
{
  QImage img = NewCanvas(50, 50);
  QPainter p(&img);
  BeginPainting(p);
  PaintLogoBadge(p, QColor(236, 52, 52), QColor(150, 12, 20));
  // a small ball with a number above the name
  PaintBall(p, QRectF(16, 3.5, 18, 18), QColor(255, 200, 30), 0.55);
  FillTextWithShadow(p, CentredTextPath("Sportka", FitFont("Sportka", 42, 14), QPointF(25, 33)),
                     Qt::white, kLogoShadow, QPointF(0.5, 1.0));
  return img;
}

QImage DrawLogoLuckyLines()
{
  QImage img = NewCanvas(50, 50);
  QPainter p(&img);
  BeginPainting(p);
  PaintLogoBadge(p, QColor(20, 176, 190), QColor(0, 96, 112));
  FillTextWithShadow(p, CentredTextPath("Lucky", FitFont("Lucky", 38, 14), QPointF(25, 15.5)),
                     Qt::white, kLogoShadow, QPointF(0.5, 1.0));
  // the lines: three strokes under the name
  p.setBrush(QColor(255, 224, 70));
  p.drawRoundedRect(QRectF(8, 24, 34, 2.2), 1.1, 1.1);
  FillTextWithShadow(p, CentredTextPath("Lines", FitFont("Lines", 36, 14), QPointF(25, 35)),
                     QColor(255, 224, 70), kLogoShadow, QPointF(0.5, 1.0));
  return img;
}

// ---------------------------------------------------------------------------------------------
// Export format icons
// ---------------------------------------------------------------------------------------------

enum class TPageMotif { Sheet, Text, Markup };

struct TFormatIcon {
  const char *fileName;
  const char *letters;
  QColor band;
  TPageMotif motif;
};

const std::vector<TFormatIcon> &FormatIcons()
{
  static const std::vector<TFormatIcon> icons = {
      {"format_ods.png", "ODS", QColor(28, 150, 60), TPageMotif::Sheet},
      {"format_odt.png", "ODT", QColor(36, 110, 196), TPageMotif::Text},
      {"format_docx.png", "DOCX", QColor(30, 70, 150), TPageMotif::Text},
      {"format_xls.png", "XLS", QColor(16, 110, 60), TPageMotif::Sheet},
      {"format_xml.png", "XML", QColor(226, 120, 0), TPageMotif::Markup},
      {"format_html.png", "HTML", QColor(214, 62, 30), TPageMotif::Markup},
  };
  return icons;
}

// A sheet of paper with its upper right corner folded over.
void PaintFormatPage(QPainter &p)
{
  const double l = 6.5, t = 1.5, r = 27.5, b = 30.5, fold = 7;
  QPainterPath page;
  page.moveTo(l, t);
  page.lineTo(r - fold, t);
  page.lineTo(r, t + fold);
  page.lineTo(r, b);
  page.lineTo(l, b);
  page.closeSubpath();

  p.setBrush(QColor(0, 0, 0, 45));
  p.drawPath(page.translated(0.7, 0.9));
  QLinearGradient paper(QPointF(l, t), QPointF(r, b));
  paper.setColorAt(0.0, QColor(255, 255, 255));
  paper.setColorAt(1.0, QColor(230, 232, 236));
  p.setBrush(paper);
  p.setPen(QPen(QColor(120, 126, 136), 1.0));
  p.drawPath(page);

  QPainterPath corner;
  corner.moveTo(r - fold, t);
  corner.lineTo(r - fold, t + fold);
  corner.lineTo(r, t + fold);
  corner.closeSubpath();
  p.setBrush(QColor(206, 210, 218));
  p.drawPath(corner);
  p.setPen(Qt::NoPen);
}

void PaintFormatMotif(QPainter &p, TPageMotif motif, const QColor &band)
{
  const QColor ink(150, 156, 166);
  switch (motif) {
  case TPageMotif::Sheet:
    // a little table: a coloured caption row and grid lines
    p.setBrush(WithAlpha(band, 150));
    p.drawRect(QRectF(9, 6, 11, 2.5));
    p.setPen(QPen(ink, 0.8));
    for (double y = 6; y <= 15; y += 3)
      p.drawLine(QPointF(9, y), QPointF(25, y));
    for (double x = 9; x <= 25; x += 5.33)
      p.drawLine(QPointF(x, 6), QPointF(x, 15));
    p.setPen(Qt::NoPen);
    break;
  case TPageMotif::Text:
    p.setBrush(ink);
    p.drawRect(QRectF(9, 5, 10, 1.3));
    p.drawRect(QRectF(9, 8, 16, 1.3));
    p.drawRect(QRectF(9, 11, 16, 1.3));
    p.drawRect(QRectF(9, 14, 12, 1.3));
    break;
  case TPageMotif::Markup: {
    QFont f = LogoFont(8.5);
    f.setFamily(QStringLiteral("DejaVu Sans Mono"));
    f.setStretch(QFont::Unstretched);
    p.setBrush(WithAlpha(Mix(band, Qt::black, 0.15), 220));
    p.drawPath(CentredTextPath("</>", f, QPointF(17, 10.5)));
    break;
  }
  }
}

// The coloured band across the page, wider than the page like office file icons, with the
// format's letters.
void PaintFormatBand(QPainter &p, const QString &letters, const QColor &band)
{
  const QRectF r(1.5, 17, 29, 12);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0.0, Mix(band, Qt::white, 0.18));
  fill.setColorAt(1.0, Mix(band, Qt::black, 0.18));
  p.setBrush(QColor(0, 0, 0, 50));
  p.drawRoundedRect(r.translated(0.5, 0.8), 2, 2);
  p.setBrush(fill);
  p.drawRoundedRect(r, 2, 2);
  p.setBrush(Qt::white);
  p.drawPath(CentredTextPath(letters, FitFont(letters, 26, 10), r.center()));
}

QImage DrawFormatIcon(const TFormatIcon &icon)
{
  QImage img = NewCanvas(32, 32);
  QPainter p(&img);
  BeginPainting(p);
  PaintFormatPage(p);
  PaintFormatMotif(p, icon.motif, icon.band);
  PaintFormatBand(p, icon.letters, icon.band);
  return img;
}

// ---------------------------------------------------------------------------------------------
// Arrows of the skinned spin boxes and combo boxes
// ---------------------------------------------------------------------------------------------

// A 9 × 5 solid triangle pointing up or down: dark for light skins, light for dark ones.
QImage DrawArrow(bool up, const QColor &colour)
{
  QImage img = NewCanvas(9, 5);
  QPainter p(&img);
  BeginPainting(p);
  QPainterPath arrow;
  if (up) {
    arrow.moveTo(0.2, 4.8);
    arrow.lineTo(4.5, 0.3);
    arrow.lineTo(8.8, 4.8);
  } else {
    arrow.moveTo(0.2, 0.2);
    arrow.lineTo(4.5, 4.7);
    arrow.lineTo(8.8, 0.2);
  }
  arrow.closeSubpath();
  p.setBrush(colour);
  p.drawPath(arrow);
  return img;
}

// ---------------------------------------------------------------------------------------------
// Program icon
// ---------------------------------------------------------------------------------------------

// Three lottery balls in a heap; below 48 pixels only the front ball, which still reads there.
QImage DrawProgramIcon(int size)
{
  QImage img = NewCanvas(size, size);
  QPainter p(&img);
  BeginPainting(p);
  p.scale(size / 256.0, size / 256.0);
  const QColor slate(43, 53, 77);
  if (size >= 48) {
    // soft shadow on the ground
    QRadialGradient ground(QPointF(128, 236), 110);
    ground.setColorAt(0.0, QColor(0, 0, 0, 80));
    ground.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.save();
    p.scale(1.0, 0.16);
    p.setBrush(ground);
    p.drawEllipse(QPointF(128, 236 / 0.16), 112, 110);
    p.restore();
    PaintBall(p, QRectF(6, 40, 122, 122), QColor(28, 88, 204), 0.58, "7", slate);
    PaintBall(p, QRectF(128, 40, 122, 122), QColor(212, 30, 36), 0.58, "3", slate);
    PaintBall(p, QRectF(50, 92, 156, 156), QColor(232, 172, 8), 0.58, "1", slate);
  } else {
    PaintBall(p, QRectF(8, 8, 240, 240), QColor(232, 172, 8), 0.58, "1", slate);
  }
  return img;
}

// ---------------------------------------------------------------------------------------------
// Assemble
// ---------------------------------------------------------------------------------------------

void DrawAll(const QString &folder)
{
  for (const TBallPicture &ball : BallPictures())
    Save(DrawBall(ball.base), folder, ball.fileName);

  for (int value = 1; value <= 6; ++value)
    Save(DrawDie(value), folder, QString("IMG%1_CUBE.png").arg(value));

  Save(DrawLogoEuromiliony(), folder, "logo_euromiliony.png");
  Save(DrawLogoKeno(), folder, "logo_keno.png");
  Save(DrawLogoStastnych10(), folder, "logo_stastnych10.png");
  Save(DrawLogoKostky(), folder, "logo_kostky.png");
  Save(DrawLogoSportka(), folder, "logo_sportka.png");
  Save(DrawLogoLuckyLines(), folder, "logo_luckylines.png");

  for (const TFormatIcon &icon : FormatIcons())
    Save(DrawFormatIcon(icon), folder, icon.fileName);

  const QColor darkArrow(40, 52, 72), lightArrow(236, 236, 236);
  Save(DrawArrow(true, darkArrow), folder, "arrow_up_dark.png");
  Save(DrawArrow(false, darkArrow), folder, "arrow_down_dark.png");
  Save(DrawArrow(true, lightArrow), folder, "arrow_up_light.png");
  Save(DrawArrow(false, lightArrow), folder, "arrow_down_light.png");

  Save(DrawProgramIcon(256), folder, "zuduvaro.png");
  Save(DrawProgramIcon(48), folder, "zuduvaro48.png");
  Save(DrawProgramIcon(32), folder, "zuduvaro32.png");
}

}  // namespace

int main(int argc, char **argv)
{
  // Painting text needs a GUI application but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  if (argc != 2) {
    std::fprintf(stderr, "usage: draw-resources <outdir>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "draw-resources: cannot create %s\n", argv[1]);
    return 1;
  }
  try {
    DrawAll(folder);
  } catch (const std::exception &e) {
    std::fprintf(stderr, "draw-resources: %s\n", e.what());
    return 1;
  }
  return 0;
}
