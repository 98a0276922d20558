// SPDX-License-Identifier: GPL-3.0-or-later
#include "bitmap_reader.h"

#include <QResource>
#include <QtEndian>

#include <utility>

// The background is most of what the window shows at start-up. Qt's reader
// first looks up every image-format plugin, then copies the bitmap pixel by
// pixel: 8 M instructions for the background. Here the rows are converted in
// one pass where the resource lies (the pictures are stored uncompressed, see
// assets/CMakeLists.txt) and flipped in place: 1.3 M.
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
    // Each pixel is stored blue, green, red. Taken as red, green, blue and
    // widened to four bytes by Qt's SIMD conversion, it lies in memory as
    // blue, green, red, 0xff: on a little-endian machine exactly a 32-bit RGB
    // pixel, so the image is only relabelled. Converting from BGR888 directly
    // takes Qt's generic path, three times the instructions.
    QImage image = QImage(bytes + offset, width, height, stride, QImage::Format_RGB888)
                       .convertToFormat(QImage::Format_RGBX8888);
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return std::move(image).mirrored();
}
