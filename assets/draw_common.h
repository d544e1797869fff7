#pragma once

// What the picture painters share: the design space, the grain and the studio's light.

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPointF>
#include <QRadialGradient>

#include <algorithm>
#include <random>

namespace draw {

inline constexpr double kPi = 3.14159265358979323846;

// Scales a 100-unit design onto an s-pixel square, so each size is rendered at its own
// resolution instead of being resampled from another one.
inline void designSpace(QPainter& p, int s) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(s / 100.0, s / 100.0);
}

// A touch of grain so the small pictures look photographed rather than drawn.
inline void addGrain(QImage& img, int amount, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> d(-amount, amount);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int n = d(rng);
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
}

inline void studioBackdrop(QPainter& p, QColor light, QColor dark) {
    QRadialGradient bg(QPointF(45, 35), 80);
    bg.setColorAt(0, light);
    bg.setColorAt(1, dark);
    p.fillRect(QRectF(0, 0, 100, 100), bg);
    // The floor of the backdrop, slightly darker, fading into the wall.
    QLinearGradient floor(0, 70, 0, 100);
    floor.setColorAt(0, QColor(0, 0, 0, 0));
    floor.setColorAt(1, QColor(0, 0, 0, 40));
    p.fillRect(QRectF(0, 70, 100, 30), floor);
}

inline void softShadow(QPainter& p, QPointF centre, double rx, double ry, int alpha) {
    QRadialGradient g(centre, rx);
    g.setColorAt(0, QColor(0, 0, 0, alpha));
    g.setColorAt(0.6, QColor(0, 0, 0, alpha / 2));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(centre);
    p.scale(1, ry / rx);
    p.translate(-centre);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, rx, rx);
    p.restore();
}

// The sack of investment powder, an s-pixel square.
QImage drawSack(int s);

}  // namespace draw
