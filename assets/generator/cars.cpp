// SPDX-License-Identifier: MIT
// Side views of cars, drawn from a table of body proportions so every body style shares one
// drawing routine. Design units have y pointing up from the ground and x running back from
// the front bumper; a mid-size sedan is 300 units long.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <numbers>
#include <vector>

#include "assetgen.h"

namespace kobaru::assetgen {

namespace {

struct Shape {
  qreal length;
  qreal clearance;   // underside of the body
  qreal hoodFront;   // top of the front end
  qreal cowlX;       // foot of the windscreen, on the belt line
  qreal belt;        // where the side glass starts
  qreal roofFrontX;  // top of the windscreen
  qreal roofRearX;   // top of the rear window
  qreal roof;
  qreal deckX;  // foot of the rear window
  qreal deck;
  qreal tail;  // top of the rear end
  qreal frontAxle;
  qreal rearAxle;
  qreal wheel;                   // tyre radius
  qreal corner;                  // rounding of the outline's corners
  std::array<qreal, 2> pillars;  // B and C pillars as fractions along the glass; 0 for none
  qreal rearPillar;              // width of the last pillar
  qreal cladding;                // unpainted trim along the sills
  int doors;                     // per side: 1 or 2
  int spokes;                    // 0 for a steel wheel with a hub cap
};

// Rows follow the Body enumeration. Columns: length, clearance, hoodFront, cowlX, belt,
// roofFrontX, roofRearX, roof, deckX, deck, tail, frontAxle, rearAxle, wheel, corner, pillars,
// rearPillar, cladding, doors, spokes.
constexpr Shape kShapes[] = {
    // Sedan: long hood, three boxes.
    {300, 13, 50, 100, 60, 140, 200, 92, 244, 66, 66, 60, 236, 22, 10, {0.5, 0}, 9, 3, 2, 5},
    // Hatchback: short tail, steep rear window.
    {250, 12, 48, 70, 60, 108, 196, 96, 244, 76, 74, 50, 206, 21, 12, {0.5, 0}, 18, 3, 2, 6},
    // Wagon: a sedan with the roof carried to the tail.
    {305, 13, 50, 96, 61, 136, 282, 94, 301, 78, 76, 60, 238, 22, 10, {0.34, 0.7}, 10, 3, 2, 5},
    // Minivan: short nose, long tall roof.
    {300, 15, 58, 52, 70, 104, 284, 118, 298, 90, 88, 56, 240, 23, 14, {0.27, 0.64}, 11, 4, 2, 5},
    // Kei: a tall box, short and narrow.
    {220, 13, 56, 34, 68, 66, 210, 124, 219, 92, 90, 38, 180, 19, 14, {0.42, 0.78}, 8, 3, 2, 8},
    // SUV: high off the ground on big wheels.
    {300, 22, 72, 94, 84, 132, 268, 120, 292, 98, 96, 62, 238, 27, 12, {0.42, 0.8}, 12, 12, 2, 6},
    // Coupe: low, long hood, fastback.
    {290, 11, 42, 114, 55, 156, 188, 82, 254, 60, 60, 62, 228, 22, 10, {0, 0}, 12, 3, 1, 10},
    // Pickup: double cab and an open bed.
    {320, 24, 74, 100, 84, 138, 190, 120, 192, 84, 84, 64, 252, 27, 8, {0.5, 0}, 8, 6, 2, 6},
    // Van: one box, the driver over the front wheels.
    {300, 15, 66, 18, 76, 50, 294, 126, 299, 96, 94, 50, 222, 21, 10, {0.26, 0.6}, 10, 4, 2, 0},
    // Kei truck: cab over the engine, flat bed behind.
    {222, 15, 60, 9, 68, 22, 72, 116, 74, 64, 64, 40, 168, 18, 8, {0, 0}, 6, 4, 1, 0},
    // Compact: one smooth line from the nose over the roof.
    {250, 13, 54, 58, 66, 112, 210, 108, 246, 82, 80, 46, 206, 21, 14, {0.42, 0}, 16, 3, 2, 6},
    // Crossover: SUV height with a sloping tail.
    {280, 20, 66, 90, 80, 130, 236, 112, 270, 92, 90, 58, 224, 25, 12, {0.48, 0}, 18, 10, 2, 5},
};

static_assert(std::size(kShapes) == static_cast<size_t>(Body::Crossover) + 1, "one row per body");

const Shape& shapeOf(Body body) {
  return kShapes[static_cast<int>(body)];
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
  return QColor::fromRgbF(
      a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
      a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

std::vector<QPointF> outline(const Shape& s) {
  const qreal noseMid = s.clearance + (s.hoodFront - s.clearance) * 0.5;
  const qreal tailMid = s.clearance + (s.tail - s.clearance) * 0.45;
  return {{5, s.clearance},           {0, noseMid},           {6, s.hoodFront},
          {s.cowlX, s.belt},          {s.roofFrontX, s.roof}, {s.roofRearX, s.roof},
          {s.deckX, s.deck},          {s.length - 1, s.tail}, {s.length, tailMid},
          {s.length - 6, s.clearance}};
}

// A closed polygon with each corner replaced by a curve, as pressed sheet metal would be.
QPainterPath rounded(const std::vector<QPointF>& points, qreal radius) {
  QPainterPath path;
  const size_t n = points.size();
  for (size_t i = 0; i < n; ++i) {
    const QPointF prev = points[(i + n - 1) % n];
    const QPointF at = points[i];
    const QPointF next = points[(i + 1) % n];
    const QLineF in(at, prev);
    const QLineF out(at, next);
    const qreal r = std::min({radius, in.length() * 0.45, out.length() * 0.45});
    const QPointF from = in.pointAt(r / in.length());
    const QPointF to = out.pointAt(r / out.length());
    if (i == 0)
      path.moveTo(from);
    else
      path.lineTo(from);
    path.quadTo(at, to);
  }
  path.closeSubpath();
  return path;
}

// Moves the line a→b by `distance` towards `inside`.
QLineF inset(QPointF a, QPointF b, qreal distance, QPointF inside) {
  QPointF normal(a.y() - b.y(), b.x() - a.x());
  normal /= std::hypot(normal.x(), normal.y());
  if (QPointF::dotProduct(normal, inside - a) < 0) normal = -normal;
  return QLineF(a + normal * distance, b + normal * distance);
}

QPointF meet(const QLineF& a, const QLineF& b) {
  QPointF at;
  a.intersects(b, &at);
  return at;
}

struct Glass {
  QPolygonF pane;
  QLineF sill;  // bottom edge, front to back, for placing pillars and doors
};

Glass sideGlass(const Shape& s) {
  // The rear window's line continued down to the belt line closes the glasshouse.
  const QLineF rearWindow(QPointF(s.roofRearX, s.roof), QPointF(s.deckX, s.deck));
  const QPointF rearFoot = meet(rearWindow, QLineF(0, s.belt, 1, s.belt));
  const std::array<QPointF, 4> corners = {QPointF(s.cowlX, s.belt), QPointF(s.roofFrontX, s.roof),
                                          QPointF(s.roofRearX, s.roof), rearFoot};
  const QPointF centre = (corners[0] + corners[1] + corners[2] + corners[3]) / 4;
  const std::array<qreal, 4> widths = {6, 5, s.rearPillar, 3};  // A pillar, roof, rear, sill
  std::array<QLineF, 4> edges;
  for (size_t i = 0; i < 4; ++i)
    edges[i] = inset(corners[i], corners[(i + 1) % 4], widths[i], centre);
  QPolygonF pane;
  for (size_t i = 0; i < 4; ++i) pane << meet(edges[(i + 3) % 4], edges[i]);
  return {pane, QLineF(pane[0], pane[3])};
}

void drawWheel(QPainter& p, QPointF hub, qreal r, int spokes) {
  QRadialGradient tyre(hub, r);
  tyre.setColorAt(0.6, QColor(0x0c, 0x0d, 0x0f));
  tyre.setColorAt(0.92, QColor(0x2b, 0x2e, 0x33));
  tyre.setColorAt(1.0, QColor(0x14, 0x15, 0x18));
  p.setPen(Qt::NoPen);
  p.setBrush(tyre);
  p.drawEllipse(hub, r, r);

  const qreal rim = r * 0.64;
  QLinearGradient metal(hub + QPointF(-rim, rim), hub + QPointF(rim, -rim));
  metal.setColorAt(0, QColor(0xf2, 0xf4, 0xf7));
  metal.setColorAt(1, QColor(0x7c, 0x83, 0x8c));
  p.setBrush(metal);
  p.drawEllipse(hub, rim, rim);
  if (spokes == 0) {
    // Steel wheel under a domed cap: rings rather than spokes.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5a, 0x60, 0x68), r * 0.05));
    p.drawEllipse(hub, rim * 0.78, rim * 0.78);
    p.drawEllipse(hub, rim * 0.3, rim * 0.3);
  } else {
    p.setBrush(QColor(0x22, 0x25, 0x2a));
    p.drawEllipse(hub, rim * 0.86, rim * 0.86);
    p.setPen(QPen(metal, rim * (spokes > 6 ? 0.14 : 0.24), Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < spokes; ++i) {
      const qreal a = 2 * std::numbers::pi * i / spokes + 0.3;
      p.drawLine(hub, hub + QPointF(std::cos(a), std::sin(a)) * rim * 0.9);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawEllipse(hub, rim * 0.3, rim * 0.3);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x30, 0x33, 0x38));
  p.drawEllipse(hub, rim * 0.1, rim * 0.1);
}

void drawGlass(QPainter& p, const Shape& s, const Glass& glass) {
  QLinearGradient sky(0, s.roof, 0, s.belt);
  sky.setColorAt(0, QColor(0x6e, 0x80, 0x94));
  sky.setColorAt(1, QColor(0x16, 0x1d, 0x26));
  p.setPen(Qt::NoPen);
  p.setBrush(sky);
  p.drawPolygon(glass.pane);

  p.save();
  QPainterPath clip;
  clip.addPolygon(glass.pane);
  p.setClipPath(clip, Qt::IntersectClip);
  // A slanted band of reflected light across the panes.
  const qreal x = s.roofFrontX + (s.roofRearX - s.roofFrontX) * 0.25;
  const qreal h = s.roof - s.belt;
  p.setBrush(QColor(255, 255, 255, 46));
  p.drawPolygon(QPolygonF({QPointF(x, s.roof), QPointF(x + 26, s.roof), QPointF(x + 26 - h, s.belt),
                           QPointF(x - h, s.belt)}));
  p.setBrush(QColor(255, 255, 255, 22));
  p.drawPolygon(QPolygonF({QPointF(x + 34, s.roof), QPointF(x + 42, s.roof),
                           QPointF(x + 42 - h, s.belt), QPointF(x + 34 - h, s.belt)}));
  // Pillars are blacked out, as on most modern cars.
  p.setBrush(QColor(0x12, 0x14, 0x18));
  for (const qreal f : s.pillars) {
    if (f == 0) continue;
    const QPointF foot = glass.sill.pointAt(f);
    p.drawPolygon(QPolygonF({foot + QPointF(-3, -2), foot + QPointF(3, -2),
                             QPointF(foot.x() + 1, s.roof), QPointF(foot.x() - 5, s.roof)}));
  }
  p.restore();
}

// Door shut lines and handles: the front door starts behind the front wheel, the last door
// ends at the rear pillar.
void drawDoors(QPainter& p, const Shape& s, const QColor& paint, const Glass& glass) {
  std::vector<qreal> cuts = {std::max(s.cowlX + 4, s.frontAxle + s.wheel * 1.2)};
  for (const qreal f : s.pillars)
    if (f != 0 && static_cast<int>(cuts.size()) <= s.doors)
      cuts.push_back(glass.sill.pointAt(f).x());
  if (static_cast<int>(cuts.size()) <= s.doors) cuts.push_back(glass.sill.p2().x() + 2);
  const qreal bottom = s.clearance + s.cladding + 2;
  p.setPen(QPen(mix(paint, Qt::black, 0.45), 0.9));
  for (const qreal x : cuts) p.drawLine(QPointF(x, s.belt - 1), QPointF(x, bottom));
  p.setPen(Qt::NoPen);
  p.setBrush(mix(paint, Qt::black, 0.35));
  for (size_t i = 1; i < cuts.size(); ++i)
    p.drawRoundedRect(QRectF(cuts[i] - 16, s.belt - 11, 10, 3), 1.5, 1.5);
}

void drawLights(QPainter& p, const Shape& s) {
  QLinearGradient lamp(0, s.hoodFront, 0, s.hoodFront - 12);
  lamp.setColorAt(0, QColor(0xff, 0xff, 0xff));
  lamp.setColorAt(1, QColor(0xb5, 0xc4, 0xd2));
  p.setPen(QPen(QColor(0x40, 0x46, 0x4e), 0.8));
  p.setBrush(lamp);
  p.drawPolygon(QPolygonF({QPointF(1, s.hoodFront - 4), QPointF(22, s.hoodFront - 3),
                           QPointF(19, s.hoodFront - 11), QPointF(1, s.hoodFront - 13)}));
  // Tall rear ends carry tall lamps up the last pillar.
  const qreal height = std::clamp((s.tail - s.clearance) * 0.35, 8.0, 26.0);
  QLinearGradient red(s.length - 8, 0, s.length, 0);
  red.setColorAt(0, QColor(0xe0, 0x30, 0x30));
  red.setColorAt(1, QColor(0x8a, 0x10, 0x14));
  p.setBrush(red);
  p.drawRoundedRect(QRectF(s.length - 8, s.tail - 4 - height, 9, height), 2, 2);
}

}  // namespace

qreal carLength(Body body) {
  return shapeOf(body).length;
}

QPainterPath carSilhouette(Body body, QPointF front, qreal scale) {
  const Shape& s = shapeOf(body);
  // Tyres stand apart from their arches so the outline still reads as a car when small.
  QPainterPath arches;
  QPainterPath tyres;
  for (const qreal axle : {s.frontAxle, s.rearAxle}) {
    arches.addEllipse(QPointF(axle, s.wheel), s.wheel * 1.3, s.wheel * 1.3);
    tyres.addEllipse(QPointF(axle, s.wheel), s.wheel, s.wheel);
  }
  QTransform toPicture;
  toPicture.translate(front.x(), front.y());
  toPicture.scale(scale, -scale);
  return toPicture.map(rounded(outline(s), s.corner).subtracted(arches).united(tyres));
}

void drawCar(QPainter& p, Body body, const QColor& paint, QPointF front, qreal scale) {
  const Shape& s = shapeOf(body);
  p.save();
  p.translate(front);
  p.scale(scale, -scale);
  p.setRenderHint(QPainter::Antialiasing);

  // Floor shadow, darkest right under the car.
  QRadialGradient shadow(QPointF(s.length / 2, 0), s.length * 0.6);
  shadow.setColorAt(0, QColor(0, 0, 0, 170));
  shadow.setColorAt(0.7, QColor(0, 0, 0, 90));
  shadow.setColorAt(1, QColor(0, 0, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shadow);
  p.drawEllipse(QPointF(s.length / 2, 0), s.length * 0.6, 9);

  const QPainterPath shell = rounded(outline(s), s.corner);
  // Paint shading: light roof, a bright shoulder under the glass, darker towards the sills.
  const qreal beltAt = (s.roof - s.belt) / s.roof;
  QLinearGradient shine(0, s.roof, 0, 0);
  shine.setColorAt(0, mix(paint, Qt::white, 0.3));
  shine.setColorAt(beltAt, mix(paint, Qt::white, 0.12));
  shine.setColorAt(std::min(1.0, beltAt + 0.05), mix(paint, Qt::white, 0.42));
  shine.setColorAt(std::min(1.0, beltAt + 0.2), paint);
  shine.setColorAt(0.85, mix(paint, Qt::black, 0.3));
  shine.setColorAt(1, mix(paint, Qt::black, 0.6));
  p.setBrush(shine);
  p.drawPath(shell);

  p.save();
  p.setClipPath(shell);
  // A crease along the flank catches the light above and shades below.
  const qreal crease = s.clearance + (s.belt - s.clearance) * 0.55;
  p.setPen(QPen(mix(paint, Qt::white, 0.35), 1.2));
  p.drawLine(QPointF(8, crease + 1), QPointF(s.length - 4, crease + 3));
  p.setPen(QPen(mix(paint, Qt::black, 0.3), 1.0));
  p.drawLine(QPointF(8, crease - 0.5), QPointF(s.length - 4, crease + 1.5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1c, 0x1e, 0x22, 220));
  p.drawRect(QRectF(0, 0, s.length, s.clearance + s.cladding));
  p.setBrush(QColor(0x0a, 0x0b, 0x0d));
  for (const qreal axle : {s.frontAxle, s.rearAxle})
    p.drawEllipse(QPointF(axle, s.wheel), s.wheel * 1.14, s.wheel * 1.14);
  const Glass glass = sideGlass(s);
  drawDoors(p, s, paint, glass);
  drawLights(p, s);
  p.restore();

  drawGlass(p, s, glass);
  // Door mirror at the foot of the windscreen.
  p.setBrush(mix(paint, Qt::black, 0.15));
  p.drawRoundedRect(QRectF(s.cowlX + 2, s.belt - 2, 10, 8), 3, 3);

  for (const qreal axle : {s.frontAxle, s.rearAxle})
    drawWheel(p, QPointF(axle, s.wheel), s.wheel, s.spokes);
  p.restore();
}

}  // namespace kobaru::assetgen
