// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "colours.h"
#include "control_layout.h"
#include "fixed_texts.h"
#include "marble.h"
#include "noise.h"
#include "relief.h"
#include "vocabulary.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace assetgen {
namespace {

QString g_family;

constexpr QSize kButtonFace(70, 30);

const char* const kFontFiles[] = {
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
};

// Vertical-only hinting: crisp baselines and stems at 1x, while widths stay
// near the design so that 1x and 2x words cover the same span.
QFont font(double pixelSize, bool bold) {
    QFont f(g_family);
    f.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferVerticalHinting);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return f;
}

// Outline of `text` with its ink box's top-left corner at `topLeft`
// (logical pixels); the painter scales it, so every density gets one shape.
QPainterPath textOutline(const QString& text, const QFont& f, QPointF topLeft) {
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF box = path.boundingRect();
    path.translate(topLeft - box.topLeft());
    return path;
}

// Draws `text` centred in `box` (device pixels): its ink across, its capitals
// up and down, so that descenders do not push words upwards.
void drawCentredText(QPainter& p, const QString& text, const QFont& f, QRectF box,
                     const QColor& ink) {
    const QFontMetricsF fm(f);
    const QRectF inkBox = fm.tightBoundingRect(text);
    const double x = box.center().x() - inkBox.center().x();
    const double baseline = box.center().y() + fm.capHeight() / 2.0;
    p.setFont(f);
    p.setPen(ink);
    p.drawText(QPointF(x, std::round(baseline)), text);
}

} // namespace

bool loadFonts(QString* error) {
    for (const char* file : kFontFiles) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        if (id < 0) {
            *error = QStringLiteral("cannot load font %1 (install fonts-liberation)")
                         .arg(QString::fromLatin1(file));
            return false;
        }
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            g_family = families.first();
    }
    return true;
}

QImage drawBackground(double scale) {
    namespace layout = kalvora::layout;
    QImage img = marble(layout::kClientArea.toRect().size(), scale);
    const QSize px = img.size();

    // The board panel: a raised slab, a shade lighter, with a soft shadow
    // falling to the bottom right.
    const QRectF panel(layout::kBoardPanel);
    constexpr double panelRadius = 12.0;
    darken(img, scale, [&](double x, double y) {
        const double outside = smoothstep(-0.5, 0.5, roundedRectDistance(x, y, panel, panelRadius));
        const double d = roundedRectDistance(x - 2.0, y - 2.0, panel, panelRadius);
        return 0.14 * outside * (1.0 - smoothstep(-1.0, 3.0, d));
    });
    lighten(img, scale, [&](double x, double y) {
        return 0.22 * smoothstep(0.5, -0.5, roundedRectDistance(x, y, panel, panelRadius));
    });
    shadeRelief(img, roundedSlab(px, scale, panel, panelRadius, 3.0), scale, 0.55);

    // The status strip: a lower slab running off the left and bottom edges.
    const QRectF strip(layout::kStatusStrip);
    constexpr double stripRadius = 6.0;
    lighten(img, scale, [&](double x, double y) {
        return 0.22 * smoothstep(0.5, -0.5, roundedRectDistance(x, y, strip, stripRadius));
    });
    darken(img, scale, [&](double x, double y) {
        const double outside = smoothstep(-0.5, 0.5, roundedRectDistance(x, y, strip, stripRadius));
        const double d = roundedRectDistance(x - 1.5, y - 1.5, strip, stripRadius);
        return 0.12 * outside * (1.0 - smoothstep(-1.0, 2.5, d));
    });
    shadeRelief(img, roundedSlab(px, scale, strip, stripRadius, 2.0), scale, 0.55);

    // The game's name, raised out of the stone.
    QFont titleFont = font(46, true);
    titleFont.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    const QPainterPath title =
        textOutline(QStringLiteral("Kalvora"), titleFont, layout::kTitle.topLeft());
    const HeightMap titleHeight =
        heightFromDrawing(px, scale, 0.8, 1.8, [&](QPainter& p) { p.fillPath(title, Qt::white); });
    // A faint cast shadow to the bottom right lifts the letters off the stone.
    {
        HeightMap cast = heightFromDrawing(px, scale, 1.2, 1.0, [&](QPainter& p) {
            p.fillPath(title.translated(1.5, 1.5), Qt::white);
        });
        HeightMap face = heightFromDrawing(px, scale, 0.0, 1.0,
                                           [&](QPainter& p) { p.fillPath(title, Qt::white); });
        for (int y = 0; y < px.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < px.width(); ++x) {
                const double a = 0.16 * cast.at(x, y) * (1.0 - face.at(x, y));
                const QRgb c = line[x];
                line[x] = qRgb(qRound(qRed(c) * (1 - a)), qRound(qGreen(c) * (1 - a)),
                               qRound(qBlue(c) * (1 - a)));
            }
        }
    }
    shadeRelief(img, titleHeight, scale, 0.6, 1.8);

    // The maker's name, pressed lightly into the stone: a darker face with
    // light catching the lower edge of the cut. Hinted, as it is small.
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::TextAntialiasing);
        const QFont f = font(11 * scale, true);
        const QString maker = QStringLiteral("Tembrel International");
        const QFontMetricsF fm(f);
        const QPoint end = layout::kMakerName.bottomRight() + QPoint(1, 1);
        const QPointF at(std::round(end.x() * scale - fm.horizontalAdvance(maker)),
                         std::round(end.y() * scale));
        p.setFont(f);
        p.setPen(QColor(255, 255, 255, 190));
        p.drawText(at + QPointF(0, scale), maker);
        p.setPen(QColor(0x6c, 0x6c, 0x72, 200));
        p.drawText(at, maker);
    }
    return img;
}

const std::vector<ButtonPicture>& buttonPictures() {
    using namespace kalvora::layout;
    static const std::vector<ButtonPicture> list = {
        {kNew1, QColor(0x40, 0x88, 0xff)},
        {kStop1, QColor(0xd8, 0x10, 0x10)},
        {kOption1, QColor(0x10, 0x28, 0xc8)},
        {kAbout1, QColor(0xc8, 0x00, 0xc8)},
    };
    return list;
}

QImage drawButton(const ButtonPicture& button, bool pressed, double scale) {
    // The same stone the button covers on the window, so faces and background
    // agree: centred across the button, just under its two-pixel bevel.
    const QRect onWindow = button.control.toRect();
    const QPointF stone(onWindow.center().x() - kButtonFace.width() / 2, onWindow.top() + 2);
    QImage img = marble(kButtonFace, scale, stone);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // 12 px bold, a little condensed so the longest label keeps clear of the
    // three pixels a narrower button clips from each side.
    QFont f = font(12 * scale, true);
    f.setStretch(90);
    drawCentredText(p, QLatin1String(button.control.words), f,
                    QRectF(0, 0, img.width(), img.height()),
                    pressed ? button.pressedInk : QColor(Qt::black));
    return img;
}

QImage drawAboutPicture(double scale) {
    QImage img(static_cast<int>(std::lround(200 * scale)),
               static_cast<int>(std::lround(200 * scale)), QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(scale, scale);

    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0.0, QColor(0x3a, 0x12, 0x68));
    sky.setColorAt(1.0, QColor(0x8e, 0x55, 0xd8));
    p.fillRect(QRectF(0, 0, 200, 200), sky);

    // Banner with the name.
    const QRectF banner(12, 14, 176, 50);
    QLinearGradient band(0, banner.top(), 0, banner.bottom());
    band.setColorAt(0.0, QColor(0x24, 0x08, 0x44, 200));
    band.setColorAt(1.0, QColor(0x30, 0x0c, 0x58, 200));
    p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
    p.setBrush(band);
    p.drawRoundedRect(banner.adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);

    QFont titleFont = font(34, true);
    titleFont.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    QPainterPath title;
    title.addText(0, 0, titleFont, QStringLiteral("Kalvora"));
    const QRectF tb = title.boundingRect();
    title.translate(banner.center() - tb.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x12, 0x02, 0x24, 150));
    p.drawPath(title.translated(1.2, 1.6));
    p.setBrush(Qt::white);
    p.drawPath(title);
    p.resetTransform();

    // Text lines: drawn hinted at device size for crispness.
    auto line = [&](const QString& text, double size, bool bold, double baseline,
                    const QColor& ink) {
        const QFont f = font(size * scale, bold);
        const QFontMetricsF fm(f);
        p.setFont(f);
        p.setPen(ink);
        const double x = (200 * scale - fm.horizontalAdvance(text)) / 2.0;
        p.drawText(QPointF(std::round(x), std::round(baseline * scale)), text);
    };
    // Credits: the role in bold, the rest regular, centred as one line.
    auto credit = [&](const QString& role, const QString& who, double baseline) {
        const QFont fb = font(11 * scale, true);
        const QFont fr = font(11 * scale, false);
        const QString head = role + QStringLiteral(": ");
        const double wb = QFontMetricsF(fb).horizontalAdvance(head);
        const double wr = QFontMetricsF(fr).horizontalAdvance(who);
        const double x = std::round((200 * scale - wb - wr) / 2.0);
        const double y = std::round(baseline * scale);
        p.setPen(QColor(0xf4, 0xee, 0xff));
        p.setFont(fb);
        p.drawText(QPointF(x, y), head);
        p.setFont(fr);
        p.drawText(QPointF(x + wb, y), who);
    };

    line(QStringLiteral("Tembrel International"), 13, true, 86, QColor(0xff, 0xf4, 0xd8));
    p.setPen(QPen(QColor(255, 255, 255, 80), 1.0 * scale));
    p.drawLine(QPointF(50 * scale, 97.5 * scale), QPointF(150 * scale, 97.5 * scale));

    credit(QStringLiteral("Author"), QStringLiteral("Tembrel game team"), 118);
    credit(QStringLiteral("Idea"), QStringLiteral("traditional sowing games"), 135);
    credit(QStringLiteral("Web site"), QStringLiteral("see package"), 152);
    credit(QStringLiteral("E-mail"), QStringLiteral("see package"), 169);

    // A row of sowing pits along the foot, a nod to the board. Pits are hollows,
    // so with light from the top left their top-left side is the darker one.
    p.scale(scale, scale);
    Rng rng(11);
    for (int i = 0; i < 8; ++i) {
        const QPointF c(40.5 + i * 17, 186);
        QLinearGradient pit(c - QPointF(6, 6), c + QPointF(6, 6));
        pit.setColorAt(0.0, QColor(0x22, 0x06, 0x40, 190));
        pit.setColorAt(1.0, QColor(0x3c, 0x16, 0x68, 90));
        p.setPen(QPen(QColor(255, 255, 255, 55), 0.8));
        p.setBrush(pit);
        p.drawEllipse(c, 6, 6);
        const int seeds = 1 + static_cast<int>(rng.next() % 3);
        const double turn = rng.uniform(0, 2 * M_PI);
        for (int k = 0; k < seeds; ++k) {
            const double a = turn + k * 2 * M_PI / seeds;
            const double r = seeds == 1 ? 0.0 : 2.1;
            const QPointF sc = c + QPointF(std::cos(a) * r, std::sin(a) * r);
            QRadialGradient seed(sc + QPointF(-0.6, -0.6), 1.9);
            seed.setColorAt(0.0, QColor(0xff, 0xf6, 0xe0));
            seed.setColorAt(1.0, QColor(0xd0, 0xb4, 0x88));
            p.setPen(Qt::NoPen);
            p.setBrush(seed);
            p.drawEllipse(sc, 1.7, 1.7);
        }
    }
    return img;
}

namespace {

// The game's colours are &HBBGGRR numbers.
QColor gameColour(kalvora::Colour bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// An arrowhead of the loop, its tip at `tip`, pointing along `direction` (+1
// right, -1 left).
void drawArrowhead(QPainter& p, QPointF tip, double direction, const QColor& ink) {
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + QPointF(-7 * direction, -4.5));
    head.lineTo(tip + QPointF(-7 * direction, 4.5));
    head.closeSubpath();
    p.fillPath(head, ink);
}

} // namespace

QImage drawBoardDiagram(double scale) {
    using namespace kalvora;
    using namespace kalvora::layout;
    const QPointF origin(kBoardDiagramCorner);
    QImage img(static_cast<int>(std::lround(360 * scale)),
               static_cast<int>(std::lround(176 * scale)), QImage::Format_RGB32);
    img.fill(QColor(0xf4, 0xf2, 0xec));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const auto place = [&](const auto& control) {
        const QRectF r = QRectF(control.toRect()).translated(-origin);
        return QRectF(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale);
    };
    const QColor ink(0x20, 0x20, 0x20);

    for (const auto& [band, colour] :
         {std::pair(kShape1, kPlayerTwoColour), std::pair(kShape2, kPlayerOneColour)}) {
        p.setPen(QPen(ink, scale));
        p.setBrush(gameColour(colour));
        p.drawRect(place(band).adjusted(0.5 * scale, 0.5 * scale, -0.5 * scale, -0.5 * scale));
    }
    // The squares in the window's grey, each with its number in its owner's
    // row, counted the way the seeds go.
    const QFont number = font(13 * scale, true);
    const QFont small = font(11 * scale, true);
    for (int pit = kFirstPit; pit <= kPitCount; ++pit) {
        const QRectF square = place(kBoxes[slot(pit)]);
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), scale));
        p.setBrush(gameColour(kGrey));
        p.drawRect(square.adjusted(0.5 * scale, 0.5 * scale, -0.5 * scale, -0.5 * scale));
        const Player owner = pitOwner(pit);
        if (isStore(pit))
            drawCentredText(p, QStringLiteral("store"), small, square, gameColour(kWhite));
        else
            drawCentredText(p, QString::number(pit - firstOwnPit(owner) + 1), number, square,
                            gameColour(kWhite));
    }

    // The owners' names outside their bands, on the side of their stores.
    const QFont name = font(12 * scale, true);
    const QRectF top = place(kShape1);
    const QRectF bottom = place(kShape2);
    const QString two = QString::fromLatin1(text::kPlayerNames[PlayerTwo - PlayerOne]);
    const QString one = QString::fromLatin1(text::kPlayerNames[PlayerOne - PlayerOne]);
    drawCentredText(p, two, name, QRectF(top.left(), 0, top.width() / 3, top.top()), ink);
    drawCentredText(p, one, name,
                    QRectF(bottom.right() - bottom.width() / 3, bottom.bottom(), bottom.width() / 3,
                           img.height() - bottom.bottom()),
                    ink);

    // The direction of sowing: anticlockwise, right along the bottom row and
    // left along the top, drawn as a loop in the middle of the board.
    p.scale(scale, scale);
    const QRectF loop = QRectF(kShape3.toRect()).translated(-origin).adjusted(14, 9, -14, -9);
    p.setPen(QPen(ink, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(loop, loop.height() / 2, loop.height() / 2);
    drawArrowhead(p, QPointF(loop.center().x() + 6, loop.bottom()), +1, ink);
    drawArrowhead(p, QPointF(loop.center().x() - 6, loop.top()), -1, ink);
    return img;
}

} // namespace assetgen
