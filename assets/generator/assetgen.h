// SPDX-License-Identifier: MIT
// The asset generator's parts: each writer makes one kind of asset in the output folder and
// returns false (after saying why on stderr) when it cannot.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <span>

class QPainter;

namespace kobaru::assetgen {

bool writeSounds(const QDir& out);
bool writeLotPictures(const QDir& out);
bool writeBackdrop(const QDir& out);
bool writeTitle(const QDir& out);
bool writeIcon(const QDir& out);

// Output files, with a message on stderr when writing fails.
bool writeFile(const QDir& out, const QString& name, const QByteArray& bytes);
bool writeImage(const QDir& out, const QString& name, const QImage& image, int quality = -1);

// 16-bit PCM mono WAV bytes; samples are in [-1, 1].
QByteArray encodeWav(std::span<const double> samples, int sampleRate);

// Body styles the lot pictures and the decorations share.
enum class Body {
  Sedan,
  Hatchback,
  Wagon,
  Minivan,
  Kei,
  Suv,
  Coupe,
  Pickup,
  Van,
  KeiTruck,
  Compact,
  Crossover,
};

// Side view of a car facing left, its front bumper at `front` on the ground line, in pixels
// per design unit `scale` (a mid-size sedan is 300 units long).
QPainterPath carSilhouette(Body body, QPointF front, qreal scale);
void drawCar(QPainter& painter, Body body, const QColor& paint, QPointF front, qreal scale);
qreal carLength(Body body);

void drawClockDial(QPainter& painter, QPointF centre, qreal radius, const QColor& ink);

}  // namespace kobaru::assetgen
