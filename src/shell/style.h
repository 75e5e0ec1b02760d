// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

#include "practice/elements.h"
#include "presentation/magnification.h"

namespace kobaru {

QColor toQColor(Color c);
// The nearest installed Japanese face at the element's size magnified by `factor`, in logical
// pixels.
QFont toQFont(const Font& f, double factor = 1);
// The families tried for a face, best first.
QStringList familiesOf(Face face);
// A designed place (twips) shown through a view of the designed area in logical pixels. Each edge
// is rounded on its own, so elements that touch as designed still touch when magnified.
QRect magnifiedRect(double left, double top, double width, double height, const View& view);
QRect magnifiedRect(const Element& e, const View& view);
// A designed point (twips) shown through the view.
QPointF magnifiedPoint(double x, double y, const View& view);
// The view of a designed area of designedW x designedH twips in a window's client area.
View viewOf(int designedW, int designedH, QSize client);
// The width of a line of the designed width (pixels) magnified by `factor`, in logical pixels:
// whole device pixels, never fewer than one, so the line stays crisp and visible at any size.
double lineWidth(double designedPixels, double factor, double devicePixelRatio);
// Fills the four edges of `r` inwards with `width`, an outline that never blurs across pixels.
void drawOutline(QPainter& p, const QRectF& r, const QColor& colour, double width);
QString toQString(const std::string& utf8);
Qt::Alignment toQAlignment(Align a);

// The thin grey outline of the board's boxes.
inline constexpr Color kBoxOutline = 0x808080;

}  // namespace kobaru
