// SPDX-License-Identifier: MIT
// Checks the files the asset generator leaves beside the program: sounds the player can open,
// pictures of the sizes the screens lay out, and lot pictures that are not all the same.
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <cstdlib>

namespace {

const QDir kAssets(QStringLiteral(KOBARU_ASSET_DIR));
constexpr int kFirstLot = 1001;

QString lotPicture(int i) {
  return QStringLiteral("gazou/%1.jpg").arg(kFirstLot + i);
}

template <typename T>
T field(const QByteArray& bytes, qsizetype at) {
  return qFromLittleEndian<T>(bytes.constData() + at);
}

int lightness(const QImage& image, const QRect& area) {
  qint64 sum = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) sum += qGray(image.pixel(x, y));
  return static_cast<int>(sum / (static_cast<qint64>(area.width()) * area.height()));
}

}  // namespace

class TestAssets : public QObject {
  Q_OBJECT

 private slots:
  void sound_data() {
    QTest::addColumn<QString>("file");
    for (const char* name : {"sutato.wav", "rakusatu.wav", "nagare.wav"})
      QTest::newRow(name) << QString::fromLatin1(name);
  }

  void sound() {
    QFETCH(QString, file);
    QFile f(kAssets.filePath(file));
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.errorString()));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.size() > 44);
    QCOMPARE(bytes.mid(0, 4), QByteArray("RIFF"));
    QCOMPARE(field<quint32>(bytes, 4), quint32(bytes.size() - 8));
    QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(field<quint32>(bytes, 16), 16u);
    QCOMPARE(field<quint16>(bytes, 20), quint16(1));  // PCM
    QCOMPARE(field<quint16>(bytes, 22), quint16(1));  // mono
    QCOMPARE(field<quint32>(bytes, 24), 22050u);
    QCOMPARE(field<quint32>(bytes, 28), 44100u);
    QCOMPARE(field<quint16>(bytes, 32), quint16(2));
    QCOMPARE(field<quint16>(bytes, 34), quint16(16));
    QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
    QCOMPARE(field<quint32>(bytes, 40), quint32(bytes.size() - 44));

    const qsizetype count = (bytes.size() - 44) / 2;
    const double seconds = double(count) / 22050;
    QVERIFY2(seconds >= 0.2 && seconds <= 3, qPrintable(QString::number(seconds)));
    int peak = 0;
    for (qsizetype i = 0; i < count; ++i)
      peak = std::max(peak, std::abs(int(field<qint16>(bytes, 44 + 2 * i))));
    QVERIFY2(peak > 3000, "too quiet");
    QVERIFY2(peak < 32000, "clips");
    // Faded ends: a sound that starts or stops mid-wave clicks.
    QVERIFY(std::abs(field<qint16>(bytes, 44)) < 300);
    QVERIFY(std::abs(field<qint16>(bytes, bytes.size() - 2)) < 300);
  }

  void picture_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");
    // Areas the program writes text over, with the most average lightness they may have.
    QTest::addColumn<QRect>("calm");
    QTest::addColumn<int>("calmLimit");
    for (int i = 0; i < KOBARU_LOT_PICTURES; ++i)
      QTest::newRow(qPrintable(lotPicture(i)))
          << lotPicture(i) << QByteArray("jpeg") << QSize(367, 275) << false
          << QRect(0, 220, 367, 55) << 80;
    QTest::newRow("backdrop") << "backdrop.png" << QByteArray("png") << QSize(800, 600) << false
                              << QRect(0, 0, 800, 600) << 50;
    QTest::newRow("title") << "title.png" << QByteArray("png") << QSize(176, 34) << false
                           << QRect(0, 0, 176, 34) << 110;
    QTest::newRow("icon") << "kobaru.png" << QByteArray("png") << QSize(48, 48) << true << QRect()
                          << 0;
    for (const int size : {KOBARU_ICON_SIZES}) {
      const QString file = QStringLiteral("icons/kobaru-%1.png").arg(size);
      QTest::newRow(qPrintable(file))
          << file << QByteArray("png") << QSize(size, size) << true << QRect() << 0;
    }
  }

  // The larger icons are the same drawing as the 48 px one, not another picture.
  void iconSizesAgree() {
    const QImage designed = QImage(kAssets.filePath(QStringLiteral("kobaru.png")))
                                .convertToFormat(QImage::Format_ARGB32);
    for (const int size : {KOBARU_ICON_SIZES}) {
      const QImage scaled =
          QImage(kAssets.filePath(QStringLiteral("icons/kobaru-%1.png").arg(size)))
              .scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
              .convertToFormat(QImage::Format_ARGB32);
      qint64 diff = 0;
      for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
          const QRgb a = designed.pixel(x, y);
          const QRgb b = scaled.pixel(x, y);
          diff += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                  std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
        }
      // On average a few levels a channel: edges smoothed differently, never another shape.
      QVERIFY2(diff < 48 * 48 * 4 * 8,
               qPrintable(QString::number(size) + ": " + QString::number(diff)));
    }
  }

  void picture() {
    QFETCH(QString, file);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);
    QFETCH(QRect, calm);
    QFETCH(int, calmLimit);
    QFile f(kAssets.filePath(file));
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.errorString()));
    QCOMPARE(QImageReader::imageFormat(&f), format);
    const QImage image = QImageReader(&f, format).read();
    QCOMPARE(image.size(), size);
    QCOMPARE(image.hasAlphaChannel(), alpha);
    if (!calm.isNull()) QCOMPARE_LE(lightness(image, calm), calmLimit);
  }

  void lotPicturesDiffer() {
    QList<QImage> small;
    for (int i = 0; i < KOBARU_LOT_PICTURES; ++i)
      small << QImage(kAssets.filePath(lotPicture(i)))
                   .scaled(92, 69)
                   .convertToFormat(QImage::Format_RGB888);
    for (int a = 0; a < small.size(); ++a) {
      for (int b = a + 1; b < small.size(); ++b) {
        const QImage& x = small[a];
        const QImage& y = small[b];
        qint64 diff = 0;
        for (int row = 0; row < x.height(); ++row)
          for (int i = 0; i < x.width() * 3; ++i)
            diff += std::abs(x.constScanLine(row)[i] - y.constScanLine(row)[i]);
        QVERIFY2(diff > 3 * x.width() * x.height() * 3,
                 qPrintable(lotPicture(a) + " looks like " + lotPicture(b)));
      }
    }
  }
};

QTEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
