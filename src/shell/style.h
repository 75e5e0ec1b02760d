// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "practice/elements.h"

namespace kobaru {

QColor toQColor(Color c);
// The nearest installed Japanese face at the element's size, in logical pixels.
QFont toQFont(const Font& f);
// The families tried for a face, best first.
QStringList familiesOf(Face face);
// An element's place on screen: twips to logical pixels.
QRect pixelRect(const Element& e);
QString toQString(const std::string& utf8);
Qt::Alignment toQAlignment(Align a);

// The thin grey outline of the board's boxes.
inline constexpr Color kBoxOutline = 0x808080;

}  // namespace kobaru
