// Decoding the banner with libjpeg: good pictures come out whole, anything
// else comes out as no picture at all.
#include <QFile>
#include <QtTest>
#include <cstdio>
#include <vector>

// After <cstdio>: jpeglib.h uses FILE and size_t without declaring them.
// clang-format off
#include <jpeglib.h>
// clang-format on

#include "resources/Artwork.h"
#include "ui/qt/JpegImage.h"

namespace {

// A JPEG of `width` x `height` in `components` channels (1 grey, 3 RGB),
// filled with a colour that differs left and right of the middle.
QByteArray EncodeJpeg(int width, int height, int components) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(width * components));
  for (int x = 0; x < width; ++x) {
    for (int c = 0; c < components; ++c) {
      row[static_cast<std::size_t>(x * components + c)] = x < width / 2 ? 200 : (c == 0 ? 40 : 120);
    }
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW line = row.data();
    jpeg_write_scanlines(&info, &line, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  std::free(buffer);
  return bytes;
}

bool Near(int a, int b) { return qAbs(a - b) <= 6; }

}  // namespace

class TTestJpeg : public QObject {
  Q_OBJECT

 private slots:
  void Decodes_data();
  void Decodes();
  void Rejects_data();
  void Rejects();
  void Banner();
};

void TTestJpeg::Decodes_data() {
  QTest::addColumn<QByteArray>("data");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QRgb>("left");
  QTest::addColumn<QRgb>("right");
  QTest::newRow("RGB") << EncodeJpeg(40, 16, 3) << QSize(40, 16) << qRgb(200, 200, 200)
                       << qRgb(40, 120, 120);
  QTest::newRow("grey") << EncodeJpeg(33, 7, 1) << QSize(33, 7) << qRgb(200, 200, 200)
                        << qRgb(40, 40, 40);
  QTest::newRow("one pixel") << EncodeJpeg(1, 1, 3) << QSize(1, 1) << qRgb(40, 120, 120)
                             << qRgb(40, 120, 120);
}

void TTestJpeg::Decodes() {
  QFETCH(QByteArray, data);
  QFETCH(QSize, size);
  QFETCH(QRgb, left);
  QFETCH(QRgb, right);
  const QImage image = ign::DecodeJpeg(data);
  QCOMPARE(image.size(), size);
  const QRgb seen_left = image.pixel(0, size.height() / 2);
  const QRgb seen_right = image.pixel(size.width() - 1, size.height() / 2);
  for (auto [seen, expected] : {std::pair{seen_left, left}, std::pair{seen_right, right}}) {
    QVERIFY2(Near(qRed(seen), qRed(expected)) && Near(qGreen(seen), qGreen(expected)) &&
                 Near(qBlue(seen), qBlue(expected)),
             qPrintable(QStringLiteral("pixel %1").arg(seen, 8, 16)));
  }
}

void TTestJpeg::Rejects_data() {
  QTest::addColumn<QByteArray>("data");
  const QByteArray good = EncodeJpeg(64, 32, 3);
  QTest::newRow("empty") << QByteArray();
  QTest::newRow("not a picture") << QByteArray("ZANTROVA_KEY 37\r\n");
  QTest::newRow("PNG signature") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  QTest::newRow("header only") << good.left(200);
  QTest::newRow("cut in the middle") << good.left(good.size() / 2);
  QTest::newRow("no end marker") << good.left(good.size() - 2);
  QByteArray damaged = good;
  for (qsizetype i = good.size() / 3; i < good.size() * 2 / 3; ++i) damaged[i] = '\xff';
  QTest::newRow("damaged data") << damaged;
}

void TTestJpeg::Rejects() {
  QFETCH(QByteArray, data);
  QVERIFY(ign::DecodeJpeg(data).isNull());
}

void TTestJpeg::Banner() {
  QFile file(ign::BannerPath());
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(ign::DecodeJpeg(file.readAll()).size(), QSize(312, 44));
}

QTEST_MAIN(TTestJpeg)
#include "TestJpeg.moc"
