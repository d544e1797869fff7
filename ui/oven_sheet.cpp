#include "ui/oven_sheet.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include "ui/mixing_sheet.h"
#include "ui/oven_day.h"

std::optional<OvenSheet> ovenSheetOf(const gypsomix::PlanDocument& plan) {
    if (!plan.burnout || !plan.burnout->programme) {
        return std::nullopt;
    }
    const OvenDay day = ovenDayOf(plan, TemperatureUnit::celsius);
    OvenSheet sheet;
    sheet.title = QCoreApplication::translate("OvenSheet", "Cuisson : %1")
                      .arg(QString::fromStdString(plan.burnout->programme->name));
    if (day.mixing.isValid()) {
        sheet.title += QCoreApplication::translate("OvenSheet", ", journée du %1")
                           .arg(longDate(day.mixing.date()));
    }
    sheet.problem = day.problem;
    for (const OvenDayRow& row : day.rows) {
        sheet.rows.append(
            {row.what, clockText(row.from, day.mixing, ClockStyle::paper),
             row.to.isValid() ? clockText(row.to, day.mixing, ClockStyle::paper) : QString(),
             row.key});
    }
    return sheet;
}

qreal paintOvenSheet(QPainter& painter, const QRectF& area, const OvenSheet& sheet) {
    const qreal mm = painter.device()->logicalDpiY() / 25.4;
    const auto height = [&](const QFont& f) { return QFontMetricsF(f, painter.device()).height(); };
    const auto width = [&](const QFont& f, const QString& text) {
        return QFontMetricsF(f, painter.device()).horizontalAdvance(text);
    };
    painter.save();
    painter.setPen(Qt::black);
    const QFont caption = sheetFont(10.5, true);
    painter.setFont(caption);
    const QString title = QFontMetricsF(caption, painter.device())
                              .elidedText(sheet.title, Qt::ElideRight, area.width());
    painter.drawText(QRectF(area.left(), area.top(), area.width(), height(caption)),
                     Qt::AlignLeft | Qt::TextSingleLine, title);
    qreal top = area.top() + height(caption) + 1 * mm;
    if (sheet.rows.isEmpty()) {
        const QFont sentence = sheetFont(10, false, true);
        painter.setFont(sentence);
        painter.drawText(QRectF(area.left(), top, area.width(), height(sentence)),
                         Qt::AlignLeft | Qt::TextSingleLine, sheet.problem);
        painter.restore();
        return top + height(sentence);
    }

    // Two columns of rows, the first the longer: mixing and the oven's start on the left.
    const QFont plain = sheetFont(9.5);
    const QFont key = sheetFont(9.5, true);
    const qreal rowHeight = height(plain) * 1.35;
    const qsizetype perColumn = (sheet.rows.size() + 1) / 2;
    const qreal gutter = 6 * mm;
    const qreal columnWidth = (area.width() - gutter) / 2;
    qreal timeWidth = 0;
    const QString arrow = QStringLiteral("→ ");
    for (const OvenSheet::Row& row : sheet.rows) {
        timeWidth = std::max({timeWidth, width(key, row.from), width(key, arrow + row.to)});
    }
    for (qsizetype i = 0; i < sheet.rows.size(); ++i) {
        const OvenSheet::Row& row = sheet.rows[i];
        const qreal x = area.left() + (i / perColumn) * (columnWidth + gutter);
        const QRectF cell(x, top + (i % perColumn) * rowHeight, columnWidth, rowHeight);
        if (i % perColumn % 2 == 1) {
            painter.fillRect(cell, QColor(0xe4, 0xe4, 0xe4));
        }
        const QRectF inner = cell.adjusted(1.5 * mm, 0, -1.5 * mm, 0);
        const qreal times = 2 * timeWidth + 2 * mm;
        const QFont& f = row.key ? key : plain;
        painter.setFont(f);
        const QString what =
            QFontMetricsF(f, painter.device())
                .elidedText(row.what, Qt::ElideRight, inner.width() - times - 2 * mm);
        painter.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, what);
        painter.drawText(QRectF(inner.right() - times, inner.top(), timeWidth, inner.height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, row.from);
        if (!row.to.isEmpty()) {
            painter.drawText(
                QRectF(inner.right() - timeWidth, inner.top(), timeWidth, inner.height()),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, arrow + row.to);
        }
    }
    painter.restore();
    return top + perColumn * rowHeight;
}
