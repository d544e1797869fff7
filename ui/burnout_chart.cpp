#include "ui/burnout_chart.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

// Deep on a light background, pale on a dark one.
QColor shade(const QColor& deep, const QColor& pale, const QColor& background) {
    return background.lightness() < 128 ? pale : deep;
}

// "3 h", "1 h 30", "45 min"
QString duration(qint64 minutes) {
    if (minutes < 60) {
        return BurnoutChart::tr("%1 min").arg(minutes);
    }
    return minutes % 60 ? QStringLiteral("%1 h %2")
                              .arg(minutes / 60)
                              .arg(minutes % 60, 2, 10, QLatin1Char('0'))
                        : QStringLiteral("%1 h").arg(minutes / 60);
}

// A step between grid lines that gives a handful of them.
double gridStep(double top, TemperatureUnit unit) {
    const double base = unit == TemperatureUnit::celsius ? 100 : 200;
    for (double step : {base / 2, base, base * 2, base * 5}) {
        if (top / step <= 8) {
            return step;
        }
    }
    return base * 10;
}

}  // namespace

BurnoutChart::BurnoutChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("burnoutChart"));
    setAccessibleName(BurnoutChart::tr("Courbe de cuisson"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BurnoutChart::setProgramme(const std::optional<OvenRun>& run, const QDateTime& origin,
                                TemperatureUnit unit, const QString& empty) {
    m_run = run;
    m_origin = origin;
    m_unit = unit;
    m_empty = empty;
    update();
}

void BurnoutChart::setNow(const QDateTime& now) {
    m_now = now;
    update();
}

QSize BurnoutChart::minimumSizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(QLatin1Char('0')) * 50, metrics.height() * 12};
}

QSize BurnoutChart::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(QLatin1Char('0')) * 90, metrics.height() * 18};
}

double BurnoutChart::shown(double celsius) const {
    return m_unit == TemperatureUnit::celsius ? celsius : celsius * 9 / 5 + 32;
}

void BurnoutChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    const QColor background = colours.color(QPalette::Base);
    const QColor ink = colours.color(QPalette::Text);
    QColor grid = ink;
    grid.setAlphaF(0.18);
    const QColor curve = shade(QColor(0xb3, 0x43, 0x0f), QColor(0xff, 0xa0, 0x60), background);
    const QColor present = shade(QColor(0x1c, 0x5b, 0xb8), QColor(0x8a, 0xb8, 0xff), background);
    painter.fillRect(rect(), background);
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QFontMetrics metrics(font());
    const int line = metrics.height();
    if (!m_run || m_run->timeline.total.count() == 0) {
        painter.setPen(ink);
        painter.drawText(
            rect().adjusted(line, line, -line, -line), Qt::AlignCenter | Qt::TextWordWrap,
            m_run ? BurnoutChart::tr("Ce programme ne dure pas une minute.") : m_empty);
        return;
    }
    const OvenRun& run = *m_run;
    const qint64 total = run.timeline.total.count();
    const QString unitName =
        m_unit == TemperatureUnit::celsius ? QStringLiteral("°C") : QStringLiteral("°F");

    // The scale: from 0 (or below, for a cold start) to the hottest target, in whole grid steps,
    // with room above the hottest hold for its label.
    double hottest = shown(run.start);
    double coldest = hottest;
    for (double target : run.targets) {
        hottest = std::max(hottest, shown(target));
        coldest = std::min(coldest, shown(target));
    }
    const double step = gridStep(std::max(hottest - std::min(coldest, 0.0), 1.0), m_unit);
    const double bottom = std::min(0.0, std::floor(coldest / step) * step);
    const QString widest = QStringLiteral("%1 %2").arg(-9999).arg(unitName);
    const double timeLabel = metrics.horizontalAdvance(QStringLiteral("00:00"));
    const QRectF plot(line + metrics.horizontalAdvance(widest), 2.5 * line,
                      width() - 1.5 * line - timeLabel / 2 - metrics.horizontalAdvance(widest),
                      height() - 5.5 * line);
    double top = std::ceil(hottest / step) * step;
    // Bounded: a chart squeezed to a few lines has no room to find.
    while ((top - hottest) / (top - bottom) * plot.height() < 2.2 * line &&
           top < hottest + 4 * step) {
        top += step;
    }
    const auto x = [&](double minutes) { return plot.left() + plot.width() * minutes / total; };
    const auto y = [&](double celsius) {
        return plot.bottom() - plot.height() * (shown(celsius) - bottom) / (top - bottom);
    };

    // Temperature grid, labelled on the left.
    painter.setFont(font());
    for (double t = bottom; t <= top + step / 2; t += step) {
        const double at = plot.bottom() - plot.height() * (t - bottom) / (top - bottom);
        painter.setPen(grid);
        painter.drawLine(QPointF(plot.left(), at), QPointF(plot.right(), at));
        painter.setPen(ink);
        painter.drawText(QRectF(0, at - line / 2.0, plot.left() - line / 2.0, line),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1 %2").arg(qRound64(t)).arg(unitName));
    }

    // Time along the bottom: clock hours from the start, or hours since it; midnights marked.
    const double hourWidth = plot.width() * 60 / total;
    int hours = 1;
    for (int candidate : {1, 2, 3, 4, 6, 12, 24}) {
        hours = candidate;
        if (hourWidth * candidate >= metrics.horizontalAdvance(QStringLiteral("00:00")) * 1.6) {
            break;
        }
    }
    // The first whole hour of the clock at or after the start, or the start of the count.
    QDateTime firstHour;
    if (m_origin.isValid()) {
        const QDateTime origin = m_origin.toLocalTime();
        firstHour = QDateTime(origin.date(), QTime(origin.time().hour(), 0), Qt::LocalTime);
        if (firstHour < origin) {
            firstHour = firstHour.addSecs(3600);
        }
    }
    const double firstMinute = m_origin.isValid() ? m_origin.secsTo(firstHour) / 60.0 : 0.0;
    for (int n = 0; firstMinute + 60.0 * n <= double(total); ++n) {
        const QDateTime at = m_origin.isValid() ? firstHour.addSecs(3600 * qint64(n)) : QDateTime();
        const int hour = at.isValid() ? at.time().hour() : n;
        const bool midnight = at.isValid() && hour == 0;
        if (hour % hours != 0 && !midnight) {
            continue;
        }
        const double px = x(firstMinute + 60.0 * n);
        QPen pen(grid);
        if (midnight) {
            pen.setColor(ink);
            pen.setStyle(Qt::DashLine);
        }
        painter.setPen(pen);
        painter.drawLine(QPointF(px, plot.top()), QPointF(px, plot.bottom()));
        painter.setPen(ink);
        const QString label =
            at.isValid() ? at.toString(QStringLiteral("HH:mm")) : tr("%1 h").arg(n);
        painter.drawText(QRectF(px - 3 * line, plot.bottom() + line / 4.0, 6 * line, line),
                         Qt::AlignHCenter | Qt::AlignTop, label);
        if (midnight) {
            painter.drawText(QRectF(px - 5 * line, plot.bottom() + 1.25 * line, 10 * line, line),
                             Qt::AlignHCenter | Qt::AlignTop,
                             planDateLocale().toString(at.date(), QStringLiteral("ddd d MMM")));
        }
    }

    // The curve: from the start temperature, each ramp then each hold.
    QPainterPath path(QPointF(x(0), y(run.start)));
    double previous = run.start;
    for (std::size_t i = 0; i < run.timeline.steps.size(); ++i) {
        const gypsomix::TimedStep& s = run.timeline.steps[i];
        path.lineTo(x(double(s.ramp_start.count())), y(previous));
        path.lineTo(x(double(s.hold_start.count())), y(run.targets[i]));
        path.lineTo(x(double(s.hold_end.count())), y(run.targets[i]));
        previous = run.targets[i];
    }
    QPainterPath area = path;
    area.lineTo(x(double(total)), plot.bottom());
    area.lineTo(x(0), plot.bottom());
    area.closeSubpath();
    QColor fill = curve;
    fill.setAlphaF(0.15);
    painter.fillPath(area, fill);
    painter.setPen(QPen(curve, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);

    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    // The present moment, when the programme covers it.
    if (m_origin.isValid() && m_now.isValid()) {
        const double minutes = m_origin.secsTo(m_now) / 60.0;
        if (minutes >= 0 && minutes <= double(total)) {
            const double px = x(minutes);
            painter.setPen(QPen(present, 2));
            painter.drawLine(QPointF(px, plot.top() - line / 2.0), QPointF(px, plot.bottom()));
            painter.setFont(bold);
            const QString label = tr("maintenant");
            const double labelWidth = boldMetrics.horizontalAdvance(label) + line / 2.0;
            const double left = std::clamp(px - labelWidth / 2, 0.0, double(width()) - labelWidth);
            painter.drawText(QRectF(left, plot.top() - 2 * line, labelWidth, line), Qt::AlignCenter,
                             label);
        }
    }

    // Each hold labelled above its line, unless the one before took the room; the labels stand
    // out of the grid and the mark of the present.
    double free = plot.left();
    for (std::size_t i = 0; i < run.timeline.steps.size(); ++i) {
        const gypsomix::TimedStep& s = run.timeline.steps[i];
        const qint64 held = (s.hold_end - s.hold_start).count();
        if (held == 0) {
            continue;
        }
        const QString temperature = run.targetTexts.value(qsizetype(i));
        const QString length = duration(held);
        const double labelWidth = std::max(boldMetrics.horizontalAdvance(temperature),
                                           metrics.horizontalAdvance(length)) +
                                  line / 2.0;
        const double centre = (x(double(s.hold_start.count())) + x(double(s.hold_end.count()))) / 2;
        const double left =
            std::clamp(centre - labelWidth / 2, plot.left(), plot.right() - labelWidth);
        if (left < free) {
            continue;
        }
        free = left + labelWidth;
        const double base = y(run.targets[i]) - line / 4.0;
        QColor veil = background;
        veil.setAlphaF(0.8);
        painter.fillRect(QRectF(left, base - 2 * line, labelWidth, 2 * line), veil);
        painter.setPen(ink);
        painter.setFont(font());
        painter.drawText(QRectF(left, base - line, labelWidth, line), Qt::AlignCenter, length);
        painter.setFont(bold);
        painter.drawText(QRectF(left, base - 2 * line, labelWidth, line), Qt::AlignCenter,
                         temperature);
        painter.setFont(font());
    }
}
