// SPDX-License-Identifier: GPL-3.0-or-later
#include "nest.h"

#include "noise.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace assetgen {
namespace {

// The icon is designed on a 48x48 grid and scaled to the requested size.
constexpr double kGrid = 48.0;

enum class Detail { Tiny, Small, Full };

struct Look {
    Detail detail;
    double px; // one device pixel in grid units

    double atLeastPixels(double units, double pixels) const { return std::max(units, pixels * px); }
};

const QColor kOutline(0x2e, 0x1b, 0x0b);
const QPointF kHollowCentre(24, 25.5);
constexpr double kHollowRx = 16.5;
constexpr double kHollowRy = 5.0;
const QColor kCavity(0x33, 0x1f, 0x0e);

// Nest silhouette: the rim's top half and a round-bottomed bowl beneath it.
QPainterPath nestBody() {
    QPainterPath body;
    body.moveTo(2.5, 26);
    body.arcTo(QRectF(2.5, 19, 43, 14), 180, -180);
    body.cubicTo(45.5, 38, 36, 45.5, 24, 45.5);
    body.cubicTo(12, 45.5, 2.5, 38, 2.5, 26);
    body.closeSubpath();
    return body;
}

QPainterPath cavity() {
    QPainterPath c;
    c.addEllipse(kHollowCentre, kHollowRx, kHollowRy);
    return c;
}

// An egg, narrower at the top, centred on the origin.
QPainterPath eggShape(double halfWidth, double halfHeight) {
    QPainterPath egg;
    constexpr int steps = 96;
    for (int i = 0; i <= steps; ++i) {
        const double t = i * 2.0 * M_PI / steps;
        const double s = std::sin(t);
        const QPointF pt(halfWidth * std::cos(t) * (1.0 + 0.13 * s), halfHeight * s);
        if (i == 0)
            egg.moveTo(pt);
        else
            egg.lineTo(pt);
    }
    egg.closeSubpath();
    return egg;
}

struct Egg {
    QPointF centre;
    double angle;
};

void drawEgg(QPainter& p, const Egg& e, const Look& look, std::uint32_t seed) {
    const bool tiny = look.detail == Detail::Tiny;
    const double hw = tiny ? 6.2 : 5.7;
    const double hh = tiny ? 8.4 : 7.6;
    const QPainterPath shape = eggShape(hw, hh);

    p.save();
    p.translate(e.centre);
    p.rotate(e.angle);

    if (!tiny) {
        // Contact shadow so the egg sits in the hollow rather than floating.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1a, 0x0e, 0x04, 110));
        p.drawPath(shape.translated(1.0, 0.9));
    }

    // At 16 px the shading would only grey the eggs into the nest; keep them bright.
    QRadialGradient shade(QPointF(-hw * 0.35, -hh * 0.45), hh * (tiny ? 2.6 : 1.7));
    shade.setColorAt(0.0, QColor(0xff, 0xfe, 0xf6));
    shade.setColorAt(0.45, QColor(0xf1, 0xe9, 0xd2));
    shade.setColorAt(1.0, QColor(0xb4, 0xa8, 0x8c));
    p.setPen(QPen(tiny ? QColor(0x4a, 0x3a, 0x28) : QColor(0x6e, 0x5e, 0x48),
                  look.atLeastPixels(0.6, tiny ? 1.0 : 0.8)));
    p.setBrush(shade);
    p.drawPath(shape);

    if (!tiny) {
        p.setClipPath(shape);
        Rng rng(seed);
        const int count = look.detail == Detail::Small ? 6 : 22;
        const double minR = look.atLeastPixels(0.2, 0.6);
        for (int i = 0; i < count; ++i) {
            // More speckles towards the broad end, as on real eggs.
            const double v = std::sqrt(rng.uniform(0.0, 1.0)) * 1.7 - 0.8;
            const double u = rng.uniform(-0.8, 0.8);
            const double r = std::max(minR, rng.uniform(0.2, 0.6));
            const QPointF c(u * hw, v * hh);
            const bool blue = rng.next() % 4 != 0;
            p.setPen(Qt::NoPen);
            p.setBrush(blue ? QColor(0x4a, 0x68, 0x9c, 200) : QColor(0x6a, 0x4a, 0x32, 170));
            p.drawEllipse(c, r * rng.uniform(0.9, 1.3), r);
        }
        p.setClipping(false);
    }
    p.restore();
}

QColor twigColour(Rng& rng, double darkness) {
    static const QColor browns[] = {
        QColor(0x8b, 0x5a, 0x2b), QColor(0xa0, 0x70, 0x3c), QColor(0x6b, 0x44, 0x23),
        QColor(0xb8, 0x86, 0x4e), QColor(0x7a, 0x50, 0x28), QColor(0xc4, 0x9a, 0x60),
    };
    QColor c = browns[rng.next() % 6];
    const double k = 1.0 - darkness;
    return QColor::fromRgbF(static_cast<float>(c.redF() * k), static_cast<float>(c.greenF() * k),
                            static_cast<float>(c.blueF() * k));
}

void strokeTwig(QPainter& p, const QPainterPath& twig, double width, const QColor& colour,
                const Look& look) {
    p.setBrush(Qt::NoBrush);
    if (look.detail != Detail::Tiny) {
        p.setPen(QPen(QColor(0x24, 0x14, 0x06, 150), width + look.atLeastPixels(0.5, 0.6),
                      Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(twig);
    }
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(twig);
    if (look.px < 0.4) {
        // Large sizes have room for a sheen along the lit side of each twig.
        QColor sheen = colour.lighter(135);
        sheen.setAlpha(150);
        p.setPen(QPen(sheen, width * 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(twig.translated(-width * 0.18, -width * 0.22));
    }
}

// A twig along an arc of the ellipse round (24, centreY) from angle phi0 over
// `span`, in `steps` straight pieces, drifting by `tilt` from end to end.
QPainterPath ellipseTwig(double centreY, double rx, double ry, double phi0, double span,
                         double tilt, int steps) {
    QPainterPath twig;
    for (int i = 0; i <= steps; ++i) {
        const double f = static_cast<double>(i) / steps;
        const double phi = phi0 + span * f;
        const QPointF pt(24 + rx * std::cos(phi), centreY + ry * std::sin(phi) + tilt * (f - 0.5));
        if (i == 0)
            twig.moveTo(pt);
        else
            twig.lineTo(pt);
    }
    return twig;
}

// The bowl's half-width at depth `v` (0 = rim, 1 = bottom).
double bowlRadiusX(double v) {
    return 21.5 - 9.0 * v * v;
}

// A twig following the bowl's curve at depth `v`, tilted so that
// neighbouring twigs cross like weaving.
QPainterPath bowlTwig(double v, double phi0, double span, double tilt) {
    return ellipseTwig(26, bowlRadiusX(v), 5.0 + 14.5 * v, phi0, span, tilt, 10);
}

// A twig along the back of the rim, between the hollow and the outer edge.
QPainterPath rimTwig(double v, double phi0, double span, double tilt) {
    return ellipseTwig(25.8, kHollowRx + 5.0 * v, kHollowRy + 2.0 * v, phi0, span, tilt, 8);
}

void drawNest(QPainter& p, const Look& look) {
    const QPainterPath body = nestBody();
    const QPainterPath hollow = cavity();
    // Everything behind the front lip: the hollow and the far half of the rim.
    QPainterPath behind;
    behind.addRect(QRectF(-10, -10, 68, 10 + kHollowCentre.y()));
    behind = behind.united(hollow);
    const QPainterPath frontWall = body.subtracted(behind);
    const QPainterPath backRim = body.intersected(behind).subtracted(hollow);
    QPainterPath below;
    below.addRect(QRectF(-10, kHollowCentre.y(), 68, 40));

    const bool tiny = look.detail == Detail::Tiny;
    const bool full = look.detail == Detail::Full;
    const double twigScale = full ? 1.0 : 1.5;
    const int frontTwigs = full ? 110 : 40;
    const int rimTwigs = full ? 36 : 14;
    const QPen outline(kOutline, look.atLeastPixels(0.8, 1.0), Qt::SolidLine, Qt::RoundCap,
                       Qt::RoundJoin);

    // Body, lit from the top left, outlined before the eggs cover its far rim.
    QLinearGradient fill(8, 18, 38, 46);
    fill.setColorAt(0.0, QColor(0x9c, 0x6a, 0x36));
    fill.setColorAt(1.0, QColor(0x4c, 0x2e, 0x14));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(body);

    Rng rng(0x6e657374u);
    if (!tiny) {
        p.save();
        p.setClipPath(backRim);
        for (int i = 0; i < rimTwigs; ++i) {
            const double v = rng.uniform(0.0, 1.0);
            const double phi0 = rng.uniform(M_PI - 0.4, 2.0 * M_PI - 0.3);
            const double span = rng.uniform(0.5, 1.1);
            const double tilt = rng.uniform(-1.2, 1.2);
            // Drawn one at a time: argument order is unspecified, and the
            // generator must be consumed the same way by every compiler.
            const double width = rng.uniform(0.8, 1.2) * twigScale;
            const QColor colour = twigColour(rng, 0.0);
            strokeTwig(p, rimTwig(v, phi0, span, tilt), width, colour, look);
        }
        p.restore();
    }
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);

    QRadialGradient hollowShade(kHollowCentre + QPointF(3, 2.5), 17);
    hollowShade.setColorAt(0.0, kCavity.darker(130));
    hollowShade.setColorAt(1.0, kCavity.lighter(115));
    p.setBrush(hollowShade);
    p.setPen(Qt::NoPen);
    p.drawPath(hollow);

    // Eggs: the one at the back first.
    if (tiny) {
        drawEgg(p, {QPointF(24, 15.5), 0}, look, 101);
        drawEgg(p, {QPointF(14.5, 20.5), -14}, look, 202);
        drawEgg(p, {QPointF(33.5, 20.5), 14}, look, 303);
    } else {
        drawEgg(p, {QPointF(24.5, 19.5), 4}, look, 101);
        drawEgg(p, {QPointF(16.3, 22.8), -22}, look, 202);
        drawEgg(p, {QPointF(32.0, 23.2), 20}, look, 303);
    }

    // Front wall of the bowl, in front of the eggs' lower ends.
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(frontWall);
    p.save();
    p.setClipPath(frontWall);
    if (tiny) {
        // One light strand is all that reads at this size.
        p.setPen(QPen(QColor(0xb8, 0x8c, 0x38), 3.0, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bowlTwig(0.45, 0.2, 2.7, 0.0));
    } else {
        for (int i = 0; i < frontTwigs; ++i) {
            const double v = rng.uniform(0.0, 1.05);
            const double phi0 = rng.uniform(-0.3, M_PI - 0.3);
            const double span = rng.uniform(0.45, 1.0);
            const double tilt = rng.uniform(-2.2, 2.2);
            // Darker towards the bottom right, away from the light.
            const double x = 24 + bowlRadiusX(v) * std::cos(phi0 + span / 2);
            const double darkness = std::clamp(0.12 * v + (x - 24) / 80.0 + 0.05, 0.0, 0.45);
            const double width = rng.uniform(0.75, 1.25) * twigScale;
            const QColor colour = twigColour(rng, darkness);
            strokeTwig(p, bowlTwig(v, phi0, span, tilt), width, colour, look);
        }
    }
    p.restore();

    // Near half of the outline again, over the front wall, and the lip the eggs sit behind.
    p.save();
    p.setClipPath(below);
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.restore();
    QPainterPath lip;
    const QRectF hollowBox(kHollowCentre.x() - kHollowRx, kHollowCentre.y() - kHollowRy,
                           2 * kHollowRx, 2 * kHollowRy);
    lip.arcMoveTo(hollowBox, 195);
    lip.arcTo(hollowBox, 195, 150);
    p.setPen(
        QPen(kOutline, look.atLeastPixels(0.6, tiny ? 1.0 : 0.7), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lip);

    if (!tiny) {
        // A few loose ends poking out past the outline.
        struct Stray {
            QPointF a, b, c;
        };
        const Stray strays[] = {
            {{0.8, 22.5}, {4.0, 23.5}, {8.0, 27.0}},
            {{47.2, 23.0}, {44.0, 23.5}, {40.5, 26.5}},
            {{2.0, 33.0}, {5.0, 32.5}, {8.5, 34.5}},
            {{46.0, 34.0}, {43.0, 33.5}, {39.5, 36.0}},
        };
        for (const Stray& s : strays) {
            QPainterPath twig(s.a);
            twig.quadTo(s.b, s.c);
            strokeTwig(p, twig, 1.0 * twigScale, twigColour(rng, 0.1), look);
        }
    }
}

} // namespace

QImage drawNestIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    const Look look{size <= 16 ? Detail::Tiny : (size <= 32 ? Detail::Small : Detail::Full),
                    kGrid / size};
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    drawNest(p, look);
    p.end();
    return img;
}

} // namespace assetgen
