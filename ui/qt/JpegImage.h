// Decoding a JPEG picture with libjpeg.
#pragma once

#include <QByteArrayView>
#include <QImage>

namespace ign {

// The picture that `data` holds, or a null image when the data is no JPEG,
// is damaged or cut short: a picture with grey bands is not shown.
QImage DecodeJpeg(QByteArrayView data);

}  // namespace ign
