#include "ui/metal_sheet.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <tuple>
#include <utility>

#include "document/invariant_text.h"
#include "ui/mixing_sheet.h"
#include "ui/number_format.h"

namespace {

// The lines whose metal the sheet lists, at most: the plan has the others.
constexpr int kFlaskColumns = 4;
constexpr int kFlaskRows = 3;

QString regional(const std::string& invariant) {
    return QString::fromStdString(gypsomix::to_regional(invariant, regionalNumberFormat()));
}

}  // namespace

std::optional<MetalSheet> metalSheetOf(const gypsomix::PlanDocument& plan,
                                       const gypsomix::PlanFigures& figures) {
    MetalSheet sheet;
    const auto& metal = figures.metal;
    if (plan.metal && metal && !metal->total.empty()) {
        sheet.metal = QString::fromStdString(plan.metal->name);
        sheet.density = regional(plan.metal->density);
        sheet.patternDensity = regional(plan.metal->pattern_density);
        sheet.extra = regional(plan.metal->extra_percent);
        sheet.button = regional(plan.metal->button_g);
        for (std::size_t i = 0; i < metal->per_flask.size() && i < plan.lines.size(); ++i) {
            if (!metal->per_flask[i].empty()) {
                sheet.flasks.push_back(
                    {int(i) + 1, plan.lines[i].count, QString::fromStdString(metal->per_flask[i])});
            }
        }
        sheet.total = QString::fromStdString(metal->total);
    }
    sheet.powderCost = QString::fromStdString(figures.cost.powder);
    sheet.metalCost = QString::fromStdString(figures.cost.metal);
    sheet.totalCost = QString::fromStdString(figures.cost.total);
    if (sheet.metal.isEmpty() && sheet.powderCost.isEmpty() && sheet.metalCost.isEmpty() &&
        sheet.totalCost.isEmpty()) {
        return std::nullopt;
    }
    sheet.currency = QLocale().currencySymbol();
    // "$12.50" in the United States, "12,50 €" in France: as the regional settings write money.
    sheet.currencyFirst = QLocale().toCurrencyString(1.0).startsWith(sheet.currency);
    return sheet;
}

qreal paintMetalSheet(QPainter& painter, qreal left, qreal top, qreal width,
                      const MetalSheet& sheet) {
    painter.save();
    const qreal mm = painter.device()->logicalDpiY() / 25.4;
    const auto height = [&](const QFont& font) {
        return QFontMetricsF(font, painter.device()).height();
    };
    const auto advance = [&](const QFont& font, const QString& text) {
        return QFontMetricsF(font, painter.device()).horizontalAdvance(text);
    };
    const auto write = [&](const QRectF& rect, int flags, const QString& text, const QFont& font) {
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(rect, flags | Qt::TextSingleLine, text);
    };
    const auto frame = [&](const QRectF& rect, qreal widthMm) {
        painter.setPen(QPen(Qt::black, widthMm * mm));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
    };

    const qreal inset = 3 * mm;
    const qreal x0 = left + 4 * mm;
    const qreal inner = width - 8 * mm;
    const QFont label = sheetFont(10.5);
    const QFont value = sheetFont(10.5, true);
    qreal y = top + inset;
    const bool metal = !sheet.metal.isEmpty();
    if (metal) {
        // What the metal follows from, on one line above it.
        const std::pair<QString, QString> basis[] = {
            {QCoreApplication::translate("MetalSheet", "Métal"), sheet.metal},
            {QCoreApplication::translate("MetalSheet", "Densité"), sheet.density},
            {QCoreApplication::translate("MetalSheet", "Densité du modèle"), sheet.patternDensity},
            {QCoreApplication::translate("MetalSheet", "Surplus (%)"), sheet.extra},
            {QCoreApplication::translate("MetalSheet", "Bouton (g)"), sheet.button},
        };
        qreal x = x0;
        for (const auto& [name, text] : basis) {
            write(QRectF(x, y, left + width - x, height(label)), Qt::AlignLeft, name, label);
            x += advance(label, name) + 2 * mm;
            const QString shown = QFontMetricsF(value, painter.device())
                                      .elidedText(text, Qt::ElideRight, left + width - 4 * mm - x);
            write(QRectF(x, y, left + width - x, height(value)), Qt::AlignLeft, shown, value);
            x += advance(value, shown) + 7 * mm;
        }
        y += height(label) + 2 * mm;

        // The metal of one flask of each line with a pattern, as many as three rows hold.
        const QFont entry = sheetFont(10);
        const QString caption = QCoreApplication::translate("MetalSheet", "Par cylindre");
        const qreal captionWidth = advance(value, caption) + 5 * mm;
        write(QRectF(x0, y, captionWidth, height(entry)), Qt::AlignLeft | Qt::AlignVCenter, caption,
              value);
        const qreal cell = (inner - captionWidth) / kFlaskColumns;
        const qreal rowHeight = height(entry) * 1.25;
        const qsizetype room = kFlaskColumns * kFlaskRows;
        const qsizetype total = sheet.flasks.size();
        const qsizetype shown = total <= room ? total : room - 1;
        const auto at = [&](qsizetype i) {
            return QRectF(x0 + captionWidth + double(i % kFlaskColumns) * cell,
                          y + double(i / kFlaskColumns) * rowHeight, cell - 2 * mm, rowHeight);
        };
        for (qsizetype i = 0; i < shown; ++i) {
            const MetalSheet::Flask& flask = sheet.flasks[i];
            const QString text =
                flask.count == 1 ? QCoreApplication::translate("MetalSheet", "ligne %1 : %2 g")
                                       .arg(flask.line)
                                       .arg(flask.grams)
                                 : QCoreApplication::translate("MetalSheet", "ligne %1 : %2 × %3 g")
                                       .arg(flask.line)
                                       .arg(flask.count)
                                       .arg(flask.grams);
            write(at(i), Qt::AlignLeft | Qt::AlignVCenter, text, entry);
        }
        if (shown < total) {
            const QFont more = sheetFont(9.5, true, true);
            write(at(shown), Qt::AlignLeft | Qt::AlignVCenter,
                  QFontMetricsF(more, painter.device())
                      .elidedText(QCoreApplication::translate("MetalSheet", "… et %1 autres")
                                      .arg(total - shown),
                                  Qt::ElideRight, at(shown).width()),
                  more);
        }
        const qsizetype rows = std::max<qsizetype>(1, (std::min(total, room) + 3) / kFlaskColumns);
        y += double(rows) * rowHeight + 2.5 * mm;
    }

    // The metal to melt with its box to tick, and the cost of the job beside it.
    qreal bottom = y;
    if (metal) {
        const QFont caption = sheetFont(11);
        const QFont big = sheetFont(28, true);
        write(QRectF(x0, y, inner / 2, height(caption)), Qt::AlignLeft,
              QCoreApplication::translate("MetalSheet", "Métal à fondre (g)"), caption);
        const QRectF figure(x0, y + height(caption), advance(big, sheet.total), height(big));
        write(figure, Qt::AlignLeft | Qt::AlignVCenter, sheet.total, big);
        const qreal side = 6 * mm;
        const QPointF centre(figure.right() + 8 * mm, figure.center().y());
        frame(QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side), 0.35);
        const QFont small = sheetFont(9);
        write(QRectF(centre.x() + 4.5 * mm, centre.y() - height(small) / 2, 20 * mm, height(small)),
              Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("MetalSheet", "pesé"),
              small);
        bottom = figure.bottom();
    }
    const std::tuple<QString, QString, bool> costs[] = {
        {QCoreApplication::translate("MetalSheet", "Coût du revêtement"), sheet.powderCost, false},
        {QCoreApplication::translate("MetalSheet", "Coût du métal"), sheet.metalCost, false},
        {QCoreApplication::translate("MetalSheet", "Coût total"), sheet.totalCost, true},
    };
    const qreal costsLeft = metal ? left + width / 2 : x0;
    const qreal costsWidth = left + width - 4 * mm - costsLeft;
    qreal costY = y;
    for (const auto& [name, text, sum] : costs) {
        if (text.isEmpty()) {
            continue;
        }
        const QRectF row(costsLeft, costY, costsWidth, height(label) + 1.5 * mm);
        write(row, Qt::AlignLeft | Qt::AlignVCenter, name, sum ? value : label);
        const QString amount = sheet.currency.isEmpty() ? text
                               : sheet.currencyFirst    ? sheet.currency + text
                                                        : text + u'\u00A0' + sheet.currency;
        write(row, Qt::AlignRight | Qt::AlignVCenter, amount, value);
        costY = row.bottom();
    }
    y = std::max(bottom, costY) + inset;
    frame(QRectF(left, top, width, y - top), 0.7);
    painter.restore();
    return y;
}
