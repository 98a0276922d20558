// SPDX-License-Identifier: GPL-3.0-or-later
#include "bitmap_reader.h"

#include <QResource>
#include <QtEndian>

#include <utility>

// Converted where the resource lies, no plugin looked up (docs/PERFORMANCE.md).
QImage readBitmap(const QString& path) {
    const QByteArray file = QResource(path).uncompressedData();
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    const auto u16 = [bytes](int at) { return qFromLittleEndian<quint16>(bytes + at); };
    const auto u32 = [bytes](int at) { return qFromLittleEndian<quint32>(bytes + at); };
    const auto s32 = [bytes](int at) { return qFromLittleEndian<qint32>(bytes + at); };
    constexpr int kHeaders = 14 + 40; // file header and BITMAPINFOHEADER
    const bool plain24Bits = file.size() >= kHeaders && file.startsWith("BM") && u32(14) >= 40 &&
                             u16(26) == 1 && u16(28) == 24 && u32(30) == 0 /* BI_RGB */;
    if (Q_BYTE_ORDER != Q_LITTLE_ENDIAN || !plain24Bits)
        return QImage(path);
    // A positive height: the rows are stored bottom up, each padded to four
    // bytes.
    const qint32 width = s32(18);
    const qint32 height = s32(22);
    const qint64 offset = u32(10);
    const qint64 stride = (qint64(width) * 3 + 3) / 4 * 4;
    if (width <= 0 || height <= 0 || width > 0x8000 || height > 0x8000 || offset > file.size() ||
        stride * height > file.size() - offset)
        return QImage(path);
    // Blue, green, red widened as if RGB888 lies in memory as a 32-bit RGB pixel.
    QImage image = QImage(bytes + offset, width, height, stride, QImage::Format_RGB888)
                       .convertToFormat(QImage::Format_RGBX8888);
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return std::move(image).mirrored();
}
