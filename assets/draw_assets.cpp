// Draws every picture and icon of the program. Run from the repository root
// (scripts/draw-assets); the results are committed, the normal build never runs this.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTextStream>

#include "draw_common.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace {

using namespace draw;

// ---------------------------------------------------------------- flask

QLinearGradient steel(double left, double right) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.00, QColor(72, 78, 86));
    g.setColorAt(0.10, QColor(140, 148, 156));
    g.setColorAt(0.26, QColor(226, 232, 236));
    g.setColorAt(0.33, QColor(252, 253, 255));
    g.setColorAt(0.42, QColor(190, 197, 204));
    g.setColorAt(0.66, QColor(118, 126, 134));
    g.setColorAt(0.84, QColor(170, 177, 184));
    g.setColorAt(1.00, QColor(70, 75, 82));
    return g;
}

struct FlaskShape {
    double cx = 50;
    double radius = 25;     // half the body width
    double tilt = 0.26;     // ellipse height / width: how much we see from above
    double top = 16;        // y of the top rim's centre
    double flangeTop = 76;  // y where the flange starts
    double flangeRadius = 33;
    double flangeHeight = 9;
    int rows = 4;
    int columns = 7;
    double holeRadius = 3.6;
    double outline = 0.0;  // extra dark outline width (icons)
    double minCos = 0.05;  // holes seen more edge-on than this are left out
};

void drawFlask(QPainter& p, const FlaskShape& f) {
    const double ry = f.radius * f.tilt;
    const double fry = f.flangeRadius * f.tilt;
    const double left = f.cx - f.radius;
    const double right = f.cx + f.radius;
    const double fl = f.cx - f.flangeRadius;
    const double fr = f.cx + f.flangeRadius;
    const double flangeBottom = f.flangeTop + f.flangeHeight;
    const QColor edge(40, 44, 50);
    const QPen edgePen = f.outline > 0 ? QPen(edge, f.outline) : QPen(QColor(60, 64, 70), 0.7);

    // Flange: a wider short cylinder.
    QPainterPath flange;
    flange.moveTo(fl, f.flangeTop);
    flange.arcTo(QRectF(fl, f.flangeTop - fry, 2 * f.flangeRadius, 2 * fry), 180, 180);
    flange.lineTo(fr, flangeBottom);
    flange.arcTo(QRectF(fl, flangeBottom - fry, 2 * f.flangeRadius, 2 * fry), 0, -180);
    flange.closeSubpath();
    p.setPen(edgePen);
    p.setBrush(steel(fl, fr));
    p.drawPath(flange);
    // Its top face, a bright ring around the body.
    QLinearGradient ring(fl, 0, fr, 0);
    ring.setColorAt(0, QColor(170, 176, 182));
    ring.setColorAt(0.35, QColor(245, 247, 250));
    ring.setColorAt(1, QColor(150, 156, 162));
    p.setBrush(ring);
    p.drawEllipse(QRectF(fl, f.flangeTop - fry, 2 * f.flangeRadius, 2 * fry));

    // Body.
    QPainterPath body;
    body.moveTo(left, f.top);
    body.lineTo(left, f.flangeTop);
    body.arcTo(QRectF(left, f.flangeTop - ry, 2 * f.radius, 2 * ry), 180, 180);
    body.lineTo(right, f.top);
    body.arcTo(QRectF(left, f.top - ry, 2 * f.radius, 2 * ry), 0, -180);
    body.closeSubpath();
    p.setBrush(steel(left, right));
    p.drawPath(body);

    // Perforations: rows of round holes following the curve of the wall,
    // narrowing towards the sides; alternate rows are staggered.
    p.save();
    p.setClipPath(body);
    const double span = f.flangeTop - f.top;
    for (int r = 0; r < f.rows; ++r) {
        const double rowY = f.top + span * (r + 0.75) / (f.rows + 0.5);
        const double offset = (r % 2) ? 0.5 : 0.0;
        for (int c = -f.columns; c <= f.columns; ++c) {
            const double a = (c + offset) * kPi / (f.columns + 1.0);
            if (std::cos(a) < f.minCos)
                continue;
            const double x = f.cx + f.radius * std::sin(a);
            const double y = rowY + ry * std::cos(a);
            const double w = f.holeRadius * std::cos(a);
            const double h = f.holeRadius;
            // The hole's far wall catches light on its lower edge.
            QRadialGradient hole(QPointF(x, y - h * 0.3), h * 1.2);
            hole.setColorAt(0, QColor(16, 18, 22));
            hole.setColorAt(0.7, QColor(34, 38, 44));
            hole.setColorAt(1, QColor(90, 96, 104));
            p.setPen(f.outline > 0 ? QPen(edge, f.outline * 0.5) : Qt::NoPen);
            p.setBrush(hole);
            p.drawEllipse(QPointF(x, y), w, h);
            if (f.outline <= 0) {
                p.setPen(QPen(QColor(255, 255, 255, 150), 0.6));
                p.setBrush(Qt::NoBrush);
                p.drawArc(QRectF(x - w, y - h, 2 * w, 2 * h), 200 * 16, 140 * 16);
            }
        }
    }
    p.restore();

    // Open top: the rim and the darker inside.
    QRectF rim(left, f.top - ry, 2 * f.radius, 2 * ry);
    QLinearGradient inside(left, 0, right, 0);
    inside.setColorAt(0, QColor(120, 126, 134));
    inside.setColorAt(0.45, QColor(52, 57, 64));
    inside.setColorAt(1, QColor(170, 176, 184));
    p.setPen(edgePen);
    p.setBrush(QColor(232, 236, 240));
    p.drawEllipse(rim);
    const double wall = std::max(1.6, f.radius * 0.07);
    p.setPen(Qt::NoPen);
    p.setBrush(inside);
    p.drawEllipse(rim.adjusted(wall, wall * f.tilt, -wall, -wall * f.tilt));
    if (f.outline <= 0) {
        // Light catching the front lip.
        p.setPen(QPen(QColor(255, 255, 255, 200), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawArc(rim.adjusted(0.6, 0.6, -0.6, -0.6), 200 * 16, 100 * 16);
    }
}

QImage drawFlaskPicture(int s) {
    QImage img(s, s, QImage::Format_RGB32);
    QPainter p(&img);
    designSpace(p, s);
    studioBackdrop(p, QColor(240, 243, 246), QColor(170, 178, 188));
    softShadow(p, QPointF(54, 88), 42, 8, 120);
    FlaskShape f;
    f.top = 15;
    f.flangeTop = 78;
    f.radius = 26;
    f.flangeRadius = 34;
    f.flangeHeight = 8;
    f.tilt = 0.3;
    f.columns = s < 80 ? 5 : 7;
    f.rows = 4;
    f.holeRadius = s < 80 ? 4.2 : 3.6;
    drawFlask(p, f);
    p.end();
    addGrain(img, 2, 29u + static_cast<unsigned>(s));
    return img;
}

// At 16 px shading and curves only blur: these two icons are set pixel by pixel.
using PixelColour = QRgb (*)(char key, int x, int y);

QImage pixelIcon(const char* const rows[16], PixelColour colour) {
    QImage img(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            img.setPixel(x, y, colour(rows[y][x], x, y));
    return img;
}

QRgb steelColumn(int x) {
    // Left edge dark, bright streak a third of the way across, darker right.
    static const QRgb shades[16] = {0xff6a7078, 0xff7c838a, 0xff9aa1a8, 0xffc4cad0,
                                    0xffe6eaee, 0xfff8fafc, 0xffd0d5da, 0xffb0b7bd,
                                    0xff9aa1a8, 0xff8a9198, 0xff838a91, 0xff959ca3,
                                    0xffa8afb5, 0xff8a9198, 0xff6a7078, 0xff5a6068};
    return shades[x];
}

QImage drawFlaskIcon16() {
    static const char* const rows[16] = {
        "....oooooooo....", "..ooiiiiiiiioo..", "..orrrrrrrrrro..", "..osssssssssso..",
        "..oshshshshsho..", "..osssssssssso..", "..osshshshshso..", "..osssssssssso..",
        "..oshshshshsho..", "..osssssssssso..", "..osshshshshso..", "..osssssssssso..",
        ".oooooooooooooo.", "offffffffffffffo", "osssssssssssssso", ".oooooooooooooo."};
    return pixelIcon(rows, [](char key, int x, int) -> QRgb {
        switch (key) {
            case 'o':
                return 0xff2a2e34;
            case 'i':
                return 0xff4a5058;
            case 'r':
                return 0xffe4e8ec;
            case 'h':
                return 0xff16181c;
            case 'f':
                return 0xffeef0f2;
            case 's':
                return steelColumn(x);
            default:
                return 0x00000000;
        }
    });
}

// The icon's flask for a picture of s pixels, simplified at small sizes so it stays readable.
FlaskShape iconFlask(int s) {
    FlaskShape f;
    f.cx = 50;
    f.radius = 32;
    f.flangeRadius = 44;
    f.top = 14;
    f.flangeTop = 80;
    f.flangeHeight = 10;
    f.tilt = 0.24;
    if (s <= 32) {
        f.rows = 3;
        f.columns = 3;
        f.holeRadius = 6.5;
        f.outline = 3.2;
        f.minCos = 0.5;
    } else if (s <= 48) {
        f.rows = 4;
        f.columns = 4;
        f.holeRadius = 4.8;
        f.outline = 2.4;
        f.minCos = 0.35;
    } else if (s <= 64) {
        f.rows = 4;
        f.columns = 5;
        f.holeRadius = 4.2;
        f.outline = 1.8;
        f.minCos = 0.25;
    } else {
        f.rows = 5;
        f.columns = 7;
        f.holeRadius = 3.4;
        f.outline = s >= 256 ? 0.8 : 1.2;
    }
    return f;
}

// The window icon: the flask alone.
QImage drawFlaskIcon(int s) {
    if (s <= 16)
        return drawFlaskIcon16();
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    designSpace(p, s);
    drawFlask(p, iconFlask(s));
    return img;
}

// ---------------------------------------------------------------- plan file icon

QImage drawPlanFileIcon16() {
    static const char* const rows[16] = {
        "..pppppppp......", "..pWWWWWWpp.....", "..pWWWWWWpfp....", "..pWWWWWWpffp...",
        "..pWWWWWWppppp..", "..pWWWWWWWWWWp..", "..pWooooooooWp..", "..pWorrrrrroWp..",
        "..pWoshshshoWp..", "..pWossssssoWp..", "..pWohshshsoWp..", "..pWossssssoWp..",
        "..poooooooooop..", "..poFFFFFFFFop..", "..poooooooooop..", "..pppppppppppp.."};
    return pixelIcon(rows, [](char key, int x, int) -> QRgb {
        switch (key) {
            case 'p':
                return 0xff6a7078;
            case 'W':
                return 0xfffcfcfa;
            case 'f':
                return 0xffd4d8dc;
            case 'o':
                return 0xff2a2e34;
            case 'r':
                return 0xffe4e8ec;
            case 'h':
                return 0xff16181c;
            case 'F':
                return 0xffeef0f2;
            case 's':
                // The body is six pixels wide: take every other shade of the icon's steel.
                return steelColumn((x - 5) * 2 + 1);
            default:
                return 0x00000000;
        }
    });
}

// A plan file in the file manager: a sheet of paper, its corner folded, with the program's
// flask on it.
QImage drawPlanFileIcon(int s) {
    if (s <= 16)
        return drawPlanFileIcon16();
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    designSpace(p, s);

    // About one pixel of outline at every size.
    const double line = std::max(0.8, 100.0 / s);
    const double left = 14;
    const double right = 86;
    const double top = 3;
    const double bottom = 97;
    const double fold = 20;
    QPainterPath sheet;
    sheet.moveTo(left, top);
    sheet.lineTo(right - fold, top);
    sheet.lineTo(right, top + fold);
    sheet.lineTo(right, bottom);
    sheet.lineTo(left, bottom);
    sheet.closeSubpath();
    QLinearGradient paper(0, top, 0, bottom);
    paper.setColorAt(0, QColor(255, 255, 253));
    paper.setColorAt(1, QColor(232, 234, 236));
    p.setPen(QPen(QColor(106, 112, 120), line, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(paper);
    p.drawPath(sheet);
    // The folded corner, in the paper's shade.
    QPolygonF corner{QPointF(right - fold, top), QPointF(right - fold, top + fold),
                     QPointF(right, top + fold)};
    p.setBrush(QColor(212, 216, 220));
    p.drawPolygon(corner);

    // Lines of writing above the flask where there are pixels enough to show them.
    if (s >= 48) {
        p.setPen(QPen(QColor(150, 156, 164), std::max(2.0, 150.0 / s), Qt::SolidLine, Qt::FlatCap));
        for (int i = 0; i < 3; ++i) {
            const double y = top + 8 + i * 6;
            p.drawLine(QPointF(left + 8, y), QPointF(right - fold - (i == 2 ? 14 : 4), y));
        }
    }

    // The flask, drawn as the window icon of its own size would be.
    // At 32 pixels the flask takes more of the sheet, with fewer and larger holes, so that
    // they stay holes rather than a grey smudge.
    const double scale = s <= 32 ? 0.7 : 0.62;
    const int flaskPixels = static_cast<int>(s * scale);
    FlaskShape f = iconFlask(flaskPixels);
    f.outline = std::max(f.outline, 70.0 / flaskPixels);
    if (s <= 32) {
        f.rows = 2;
        f.columns = 2;
        f.holeRadius = 8;
    }
    // The flask's design reaches down to about 101, the flange's lower rim.
    p.translate(50 - 50 * scale, bottom - 5 - 101 * scale);
    p.scale(scale, scale);
    drawFlask(p, f);
    return img;
}

// ---------------------------------------------------------------- card icon

QImage drawDeviceIcon16() {
    static const char* const rows[16] = {
        "................", "................", "....ooooooooooo.", "...otttttttttoo.",
        "..otttttttttodo.", ".oooooooooooddo.", ".oFFFFFFFFFoddo.", ".oFkgkFFFFFoddo.",
        ".oFgGgFvvvFoddo.", ".oFkgkFFFFFoddo.", ".oFFFFFvvvFoddo.", ".oFFFFFFFFFoddo.",
        ".oFFFFFFFFFodo..", ".oFFFFFFFFFoo...", ".ooooooooooo....", "................"};
    return pixelIcon(rows, [](char key, int, int y) -> QRgb {
        switch (key) {
            case 'o':
                return 0xff2d3034;
            case 't':
                return 0xffe2e4e6;
            case 'd':
                return 0xff74787c;
            case 'F':
                return qRgb(196 - 5 * y, 199 - 5 * y, 202 - 5 * y);
            case 'v':
                return 0xff5a5e62;
            case 'k':
                return 0xff6a9a70;
            case 'g':
                return 0xff34d040;
            case 'G':
                return 0xffc8ffc8;
            default:
                return 0x00000000;
        }
    });
}

// A grey box-shaped device with a green indicator light, seen from the front-right above.
QImage drawDeviceIcon(int s) {
    if (s <= 16)
        return drawDeviceIcon16();
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    designSpace(p, s);
    const double outline = s <= 32 ? 3.5 : 2.4;
    const QPen edge(QColor(45, 48, 52), outline, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    const double d = 18;  // depth of the top and side faces

    const QRectF front(6, 22 + d, 70, 56 - d + 10);
    QPolygonF topFace{
        QPointF(front.left(), front.top()), QPointF(front.left() + d, front.top() - d),
        QPointF(front.right() + d, front.top() - d), QPointF(front.right(), front.top())};
    QPolygonF side{QPointF(front.right(), front.top()), QPointF(front.right() + d, front.top() - d),
                   QPointF(front.right() + d, front.bottom() - d),
                   QPointF(front.right(), front.bottom())};

    p.setPen(edge);
    QLinearGradient topFill(0, front.top() - d, 0, front.top());
    topFill.setColorAt(0, QColor(236, 238, 240));
    topFill.setColorAt(1, QColor(206, 209, 212));
    p.setBrush(topFill);
    p.drawPolygon(topFace);
    QLinearGradient sideFill(front.right(), 0, front.right() + d, 0);
    sideFill.setColorAt(0, QColor(128, 132, 136));
    sideFill.setColorAt(1, QColor(100, 104, 108));
    p.setBrush(sideFill);
    p.drawPolygon(side);
    QLinearGradient frontFill(0, front.top(), 0, front.bottom());
    frontFill.setColorAt(0, QColor(186, 189, 193));
    frontFill.setColorAt(1, QColor(150, 154, 158));
    p.setBrush(frontFill);
    p.drawRect(front);

    // Indicator light with its glow.
    const QPointF led(front.left() + 16, front.top() + 15);
    const double r = s <= 32 ? 8.5 : 7;
    QRadialGradient glow(led, r * 2.2);
    glow.setColorAt(0, QColor(120, 255, 120, 160));
    glow.setColorAt(1, QColor(120, 255, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(led, r * 2.2, r * 2.2);
    QRadialGradient lamp(led - QPointF(r * 0.35, r * 0.35), r * 1.3);
    lamp.setColorAt(0, QColor(220, 255, 220));
    lamp.setColorAt(0.35, QColor(60, 230, 60));
    lamp.setColorAt(1, QColor(0, 130, 20));
    p.setPen(QPen(QColor(0, 70, 10), 1.5));
    p.setBrush(lamp);
    p.drawEllipse(led, r, r);

    // Ventilation slots.
    p.setPen(QPen(QColor(90, 94, 98), s <= 32 ? 3 : 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double y = front.top() + 14 + i * 8;
        p.drawLine(QPointF(front.left() + 34, y), QPointF(front.right() - 8, y));
    }
    return img;
}

// ---------------------------------------------------------------- logo

QImage drawLogo() {
    const int w = 434;
    const int h = 265;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Yellow band across the picture, the name sits on its right part.
    const QRectF band(0, 88, w, 92);
    QLinearGradient yellow(0, band.top(), 0, band.bottom());
    yellow.setColorAt(0, QColor(255, 226, 60));
    yellow.setColorAt(0.5, QColor(255, 210, 0));
    yellow.setColorAt(1, QColor(238, 184, 0));
    p.fillRect(band, yellow);
    p.fillRect(QRectF(0, band.top(), w, 3), QColor(200, 150, 0));
    p.fillRect(QRectF(0, band.bottom() - 3, w, 3), QColor(200, 150, 0));

    // Pocket calculator.
    const QRectF calc(22, 16, 128, 233);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(calc.translated(5, 5), 14, 14);
    QLinearGradient shell(calc.left(), 0, calc.right(), 0);
    shell.setColorAt(0, QColor(22, 72, 170));
    shell.setColorAt(0.4, QColor(48, 110, 215));
    shell.setColorAt(1, QColor(14, 50, 130));
    p.setPen(QPen(QColor(8, 30, 90), 2.5));
    p.setBrush(shell);
    p.drawRoundedRect(calc, 14, 14);

    const QRectF display(calc.left() + 13, calc.top() + 16, calc.width() - 26, 42);
    p.setPen(QPen(QColor(10, 30, 70), 2));
    QLinearGradient lcd(0, display.top(), 0, display.bottom());
    lcd.setColorAt(0, QColor(196, 214, 190));
    lcd.setColorAt(1, QColor(160, 182, 152));
    p.setBrush(lcd);
    p.drawRoundedRect(display, 4, 4);
    QFont digits(QStringLiteral("DejaVu Sans Mono"));
    digits.setPixelSize(26);
    digits.setBold(true);
    p.setFont(digits);
    p.setPen(QColor(30, 40, 30));
    p.drawText(display.adjusted(4, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("1234,5"));

    const char* const keys[5][4] = {{"C", "%", "\xc3\xb7", "\xc3\x97"},
                                    {"7", "8", "9", "\xe2\x88\x92"},
                                    {"4", "5", "6", "+"},
                                    {"1", "2", "3", "="},
                                    {"0", ",", "M", "\xe2\x88\x9a"}};
    QFont keyFont(QStringLiteral("DejaVu Sans"));
    keyFont.setPixelSize(15);
    keyFont.setBold(true);
    p.setFont(keyFont);
    const double gx = calc.left() + 12;
    const double gy = display.bottom() + 16;
    const double kw = 22;
    const double kh = 26;
    const double gapx = (calc.width() - 24 - 4 * kw) / 3;
    const double gapy = (calc.bottom() - 14 - gy - 5 * kh) / 4;
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 4; ++c) {
            const QRectF key(gx + c * (kw + gapx), gy + r * (kh + gapy), kw, kh);
            const bool op = c == 3 || r == 0;
            QLinearGradient face(0, key.top(), 0, key.bottom());
            face.setColorAt(0, op ? QColor(255, 214, 80) : QColor(246, 248, 252));
            face.setColorAt(1, op ? QColor(222, 168, 20) : QColor(190, 200, 220));
            p.setPen(QPen(QColor(6, 24, 70), 1.5));
            p.setBrush(face);
            p.drawRoundedRect(key, 4, 4);
            p.setPen(QColor(10, 30, 80));
            p.drawText(key, Qt::AlignCenter, QString::fromUtf8(keys[r][c]));
        }
    }

    // The name, as large as fits in the band beside the calculator.
    const QRectF nameBox(calc.right() + 14, band.top(), w - calc.right() - 14 - 12, band.height());
    QFont name(QStringLiteral("Liberation Sans"));
    name.setBold(true);
    int px = 80;
    for (; px > 10; --px) {
        name.setPixelSize(px);
        const QRectF br = QFontMetricsF(name).tightBoundingRect(QStringLiteral("Gypsomix"));
        if (br.width() <= nameBox.width() && br.height() <= nameBox.height() - 8)
            break;
    }
    p.setFont(name);
    const QFontMetricsF fm(name);
    const QRectF br = fm.tightBoundingRect(QStringLiteral("Gypsomix"));
    const double x = nameBox.left() + (nameBox.width() - br.width()) / 2 - br.left();
    const double y = nameBox.top() + (nameBox.height() - br.height()) / 2 - br.top();
    p.setPen(QColor(255, 245, 190));
    p.drawText(QPointF(x + 1.5, y + 1.5), QStringLiteral("Gypsomix"));
    p.setPen(QColor(10, 35, 110));
    p.drawText(QPointF(x, y), QStringLiteral("Gypsomix"));
    return img;
}

bool save(const QImage& img, const QString& path, int quality = -1) {
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    if (!img.save(path, nullptr, quality)) {
        QTextStream(stderr) << "cannot write " << path << Qt::endl;
        return false;
    }
    QTextStream(stdout) << path << Qt::endl;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("assets");
    constexpr int kJpegQuality = 95;
    bool ok = true;

    ok &= save(drawSack(50), root + "/images/sack.jpg", kJpegQuality);
    ok &= save(drawSack(100), root + "/images/sack@2x.jpg", kJpegQuality);
    ok &= save(drawFlaskPicture(50), root + "/images/flask.jpg", kJpegQuality);
    ok &= save(drawFlaskPicture(100), root + "/images/flask@2x.jpg", kJpegQuality);
    ok &= save(drawLogo(), root + "/images/logo.jpg", kJpegQuality);

    for (int n : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = drawFlaskIcon(n);
        ok &= save(icon, root + QStringLiteral("/icons/gypsomix-%1.png").arg(n));
        ok &= save(icon, root + QStringLiteral("/icons/hicolor/%1x%1/apps/gypsomix.png").arg(n));
        ok &= save(drawPlanFileIcon(n), root + QStringLiteral("/icons/hicolor/%1x%1/mimetypes/"
                                                              "application-x-gypsomix-plan.png")
                                                   .arg(n));
    }
    for (int n : {16, 32, 48})
        ok &= save(drawDeviceIcon(n), root + QStringLiteral("/icons/demarrage-%1.png").arg(n));

    return ok ? 0 : 1;
}
