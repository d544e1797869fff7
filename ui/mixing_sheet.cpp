#include "ui/mixing_sheet.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <vector>

namespace {

// Wide enough for any office printer, and the bench is not short of paper edge.
constexpr qreal kPageMarginMm = 15.0;

// The table of flasks gives up size, down to this, before it gives up lines.
constexpr qreal kTablePoints = 10.5;
constexpr qreal kTableMinPoints = 8.0;

const QColor kInk(Qt::black);
const QColor kLightShade(0xe4, 0xe4, 0xe4);
const QColor kDarkShade(0xb8, 0xb8, 0xb8);

// The texts of this file, for the translators.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(MixingSheet)
};

// The sheet's dates and counts are written in the language of its texts: the desktop's own
// conventions when it speaks that language, else those of the language's home country.
QLocale sheetLocale() {
    // By name: the system's own locale may take its language from LANGUAGE and its month names
    // from LC_TIME, which would write an English sheet with French months.
    const QLocale desktop(QLocale().name());
    QLocale locale(Text::tr("fr_FR"));
    if (desktop.language() == locale.language()) {
        locale = desktop;
    }
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// "1er mars 2027", "7 décembre 2026": how a date is written by hand.
QString handDate(const QLocale& locale, const QDate& date) {
    return locale.toString(date,
                           date.day() == 1 ? Text::tr("'1er' MMMM yyyy") : Text::tr("d MMMM yyyy"));
}

// Places labels centred on their marks along [left, right], pushed apart where they would
// touch: two marks a few seconds apart must still give two readable figures.
std::vector<qreal> spreadLabels(const std::vector<qreal>& centres, const std::vector<qreal>& widths,
                                qreal left, qreal right, qreal gap) {
    const std::size_t count = centres.size();
    std::vector<qreal> lefts(count);
    qreal end = left - gap;
    for (std::size_t i = 0; i < count; ++i) {
        lefts[i] = std::max({centres[i] - widths[i] / 2, end + gap, left});
        end = lefts[i] + widths[i];
    }
    qreal start = right + gap;
    for (std::size_t i = count; i-- > 0;) {
        lefts[i] = std::min(lefts[i], start - gap - widths[i]);
        start = lefts[i];
    }
    return lefts;
}

class SheetPainter {
  public:
    SheetPainter(QPainter& painter, const QRectF& page, const MixingSheet& sheet)
        : m_painter(painter),
          m_page(page),
          m_sheet(sheet),
          m_mm(painter.device()->logicalDpiY() / 25.4),
          m_locale(sheetLocale()) {}

    void paint() {
        m_painter.save();
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
        qreal top = m_page.top();
        top = header(top) + 4 * m_mm;
        top = material(top) + 5 * m_mm;
        top = masses(top) + 6 * m_mm;
        if (m_sheet.metal) {
            top = paintMetalSheet(m_painter, m_page.left(), top, m_page.width(), *m_sheet.metal) +
                  6 * m_mm;
        }
        top = timeline(top) + 6 * m_mm;
        if (m_sheet.oven) {
            top = paintOvenSheet(m_painter, QRectF(m_page.left(), top, m_page.width(), 0),
                                 *m_sheet.oven) +
                  6 * m_mm;
        }
        const qreal boxesTop = m_page.bottom() - kHandBoxesMm * m_mm;
        flasks(QRectF(m_page.left(), top, m_page.width(), boxesTop - 5 * m_mm - top));
        handBoxes(QRectF(m_page.left(), boxesTop, m_page.width(), kHandBoxesMm * m_mm));
        m_painter.restore();
    }

  private:
    static constexpr qreal kHandBoxesMm = 17.0;

    qreal height(const QFont& font) const {
        return QFontMetricsF(font, m_painter.device()).height();
    }
    qreal width(const QFont& font, const QString& text) const {
        return QFontMetricsF(font, m_painter.device()).horizontalAdvance(text);
    }

    // A figure never loses a digit: it gets smaller type instead when its room is short.
    QFont fitted(QFont font, const QString& text, qreal room) const {
        while (font.pointSizeF() > 6.0 && width(font, text) > room) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        }
        return font;
    }

    void text(const QRectF& rect, int flags, const QString& text, const QFont& font) {
        m_painter.setFont(font);
        m_painter.setPen(kInk);
        m_painter.drawText(rect, flags | Qt::TextSingleLine, text);
    }

    void line(QPointF from, QPointF to, qreal widthMm) {
        m_painter.setPen(QPen(kInk, widthMm * m_mm));
        m_painter.drawLine(from, to);
    }

    void frame(const QRectF& rect, qreal widthMm, const QBrush& fill = Qt::NoBrush) {
        m_painter.setPen(QPen(kInk, widthMm * m_mm));
        m_painter.setBrush(fill);
        m_painter.drawRect(rect);
        m_painter.setBrush(Qt::NoBrush);
    }

    // A square to tick once the figure beside it is on the scale.
    void tickBox(QPointF centre) {
        const qreal side = 6 * m_mm;
        frame(QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side), 0.35);
    }

    qreal header(qreal top) {
        const QFont title = sheetFont(20, true);
        const QFont date = sheetFont(12);
        const qreal titleHeight = height(title);
        text(QRectF(m_page.left(), top, m_page.width(), titleHeight),
             Qt::AlignLeft | Qt::AlignBottom, Text::tr("Fiche de mélange"), title);
        const QString when =
            m_sheet.date.isValid() ? handDate(m_locale, m_sheet.date) : Text::tr("Date : ……………………");
        // Bottoms of the two fonts' boxes differ by their descents; align the baselines.
        const QFontMetricsF titleMetrics(title, m_painter.device());
        const QFontMetricsF dateMetrics(date, m_painter.device());
        const qreal baseline = top + titleMetrics.ascent();
        text(QRectF(m_page.left(), baseline - dateMetrics.ascent(), m_page.width(),
                    dateMetrics.height()),
             Qt::AlignRight | Qt::AlignTop, when, date);
        top += titleHeight;
        const QFont origin = sheetFont(9);
        text(QRectF(m_page.left(), top, m_page.width(), height(origin)), Qt::AlignLeft,
             Text::tr("Gypsomix – Plan de coulée"), origin);
        top += height(origin) + 1.5 * m_mm;
        line({m_page.left(), top}, {m_page.right(), top}, 0.5);
        return top;
    }

    qreal material(qreal top) {
        const QFont caption = sheetFont(9);
        text(QRectF(m_page.left(), top, m_page.width(), height(caption)), Qt::AlignLeft,
             Text::tr("Revêtement"), caption);
        top += height(caption);
        const QFont name = sheetFont(15, true);
        const QString elided = QFontMetricsF(name, m_painter.device())
                                   .elidedText(m_sheet.material, Qt::ElideRight, m_page.width());
        text(QRectF(m_page.left(), top, m_page.width(), height(name)), Qt::AlignLeft, elided, name);
        top += height(name) + 1.5 * m_mm;

        QList<MixingSheet::Value> values = m_sheet.materialValues;
        values.append({Text::tr("Eau pour ce mélange (%)"), m_sheet.mixWater});
        const QFont label = sheetFont(10.5);
        const QFont value = sheetFont(10.5, true);
        const qreal rowHeight = height(label) + 2.5 * m_mm;
        const qreal gutter = 8 * m_mm;
        const qreal columnWidth = (m_page.width() - gutter) / 2;
        const qsizetype rows = (values.size() + 1) / 2;
        for (qsizetype i = 0; i < values.size(); ++i) {
            const bool mixRow = i == values.size() - 1;
            const qreal x = m_page.left() + (i / rows) * (columnWidth + gutter);
            const QRectF cell(x, top + (i % rows) * rowHeight, columnWidth, rowHeight);
            if (mixRow) {
                m_painter.fillRect(cell, kLightShade);
            }
            const QRectF inner = cell.adjusted(1.5 * m_mm, 0, -1.5 * m_mm, 0);
            const QFont labelFont = mixRow ? value : label;
            const qreal labelWidth = width(labelFont, values[i].label);
            text(inner, Qt::AlignLeft | Qt::AlignVCenter, values[i].label, labelFont);
            const qreal room = inner.width() - labelWidth - 3 * m_mm;
            text(inner, Qt::AlignRight | Qt::AlignVCenter, values[i].text,
                 fitted(value, values[i].text, room));
            line(cell.bottomLeft(), cell.bottomRight(), 0.2);
        }
        return top + rows * rowHeight;
    }

    struct Figure {
        QString label;
        QString text;
        bool weighed;  // gets a box to tick
    };

    // One row of labelled figures, side by side in equal cells.
    qreal figureRow(qreal top, const QRectF& box, const QList<Figure>& figures,
                    const QFont& labelFont, const QFont& figureFont) {
        const qreal cellWidth = box.width() / figures.size();
        const qreal figureHeight = height(figureFont);
        const QFont caption = sheetFont(9);
        const QString ticked = Text::tr("pesé");
        const auto figureRoom = [&](const Figure& figure) {
            const qreal tickRoom = figure.weighed ? 12 * m_mm + width(caption, ticked) : 0;
            return cellWidth - 8 * m_mm - tickRoom;
        };
        // Figures of one row share one size, so that none looks more important than the other.
        QFont figureText = figureFont;
        for (const Figure& figure : figures) {
            const QFont own = fitted(figureFont, figure.text, figureRoom(figure));
            if (own.pointSizeF() < figureText.pointSizeF()) {
                figureText = own;
            }
        }
        for (qsizetype i = 0; i < figures.size(); ++i) {
            const QRectF inner(box.left() + i * cellWidth + 4 * m_mm, top, cellWidth - 8 * m_mm,
                               height(labelFont) + figureHeight);
            text(QRectF(inner.left(), top, inner.width(), height(labelFont)), Qt::AlignLeft,
                 figures[i].label, fitted(labelFont, figures[i].label, inner.width()));
            const QRectF figureRect(inner.left(), top + height(labelFont), figureRoom(figures[i]),
                                    figureHeight);
            text(figureRect, Qt::AlignLeft | Qt::AlignVCenter, figures[i].text, figureText);
            if (figures[i].weighed) {
                // Beside its figure, so the tick cannot be put against the other one.
                const qreal x = figureRect.left() + width(figureText, figures[i].text) + 8 * m_mm;
                const qreal y = figureRect.center().y();
                tickBox({x, y});
                text(QRectF(x + 4.5 * m_mm, y - height(caption) / 2, width(caption, ticked) + m_mm,
                            height(caption)),
                     Qt::AlignLeft | Qt::AlignVCenter, ticked, caption);
            }
        }
        return top + height(labelFont) + figureHeight;
    }

    qreal masses(qreal top) {
        const QRectF box(m_page.left(), top, m_page.width(), 0);
        const qreal inset = 3 * m_mm;
        qreal y = top + inset;

        // What the masses follow from, on one line above them.
        const QFont basis = sheetFont(10.5);
        const QFont basisValue = sheetFont(10.5, true);
        const std::array<std::pair<QString, QString>, 2> basisItems = {{
            {Text::tr("Volume à remplir (dm3)"), m_sheet.volume},
            {Text::tr("Marge"), m_sheet.margin},
        }};
        qreal x = box.left() + 4 * m_mm;
        for (const auto& [label, value] : basisItems) {
            const QRectF rect(x, y, box.right() - x, height(basis));
            text(rect, Qt::AlignLeft, label, basis);
            x += width(basis, label) + 3 * m_mm;
            text(QRectF(x, y, box.right() - x, height(basis)), Qt::AlignLeft, value, basisValue);
            x += width(basisValue, value) + 12 * m_mm;
        }
        y += height(basis) + 2 * m_mm;

        const QFont label = sheetFont(11);
        const QFont big = sheetFont(34, true);
        if (!m_sheet.special) {
            y = figureRow(y, box,
                          {{Text::tr("Masse de revêtement (g)"), m_sheet.powder, true},
                           {Text::tr("Masse d'eau (g)"), m_sheet.water, true}},
                          label, big);
        } else {
            // The liquid is weighed as its two parts; the total is there to check them against.
            y = figureRow(y, box,
                          {{Text::tr("Masse de revêtement (g)"), m_sheet.powder, true},
                           {Text::tr("Liquide total (g)"), m_sheet.water, false}},
                          label, big);
            y += 2 * m_mm;
            line({box.left() + 4 * m_mm, y}, {box.right() - 4 * m_mm, y}, 0.2);
            y += 2 * m_mm;
            y = figureRow(y, box,
                          {{Text::tr("dont liquide spécial (g)"), m_sheet.specialLiquid, true},
                           {Text::tr("dont eau (g)"), m_sheet.splitWater, true},
                           {Text::tr("Concentration (%)"), m_sheet.concentration, false}},
                          sheetFont(10.5), sheetFont(20, true));
        }
        y += inset;
        frame(QRectF(box.left(), top, box.width(), y - top), 0.7);
        return y;
    }

    qreal timeline(qreal top) {
        const QFont caption = sheetFont(10.5, true);
        text(QRectF(m_page.left(), top, m_page.width(), height(caption)), Qt::AlignLeft,
             Text::tr("Temps de travail, depuis le contact de l'eau et de la poudre"), caption);
        top += height(caption) + 1.5 * m_mm;

        const auto& schedule = m_sheet.schedule;
        const qreal end =
            schedule
                ? double(std::max({schedule->times.gel.count(), schedule->times.pour_end.count(),
                                   schedule->times.mixing_end.count()}))
                : 0.0;
        if (!schedule || end <= 0) {
            const QFont sentence = sheetFont(10.5, false, true);
            text(QRectF(m_page.left(), top, m_page.width(), height(sentence)), Qt::AlignLeft,
                 Text::tr("Les temps de ce revêtement ne permettent pas de tracer la frise du "
                          "travail."),
                 sentence);
            return top + height(sentence);
        }

        // Each mark stands at its own time; a phase whose end comes before its start is
        // drawn empty rather than backwards.
        const auto time = [](std::chrono::milliseconds ms) {
            return std::max(0.0, double(ms.count()));
        };
        const qreal mixing = time(schedule->times.mixing_end);
        const qreal pour = time(schedule->times.pour_end);
        const qreal gel = time(schedule->times.gel);
        const qreal setting = std::max(mixing, pour);
        const qreal bar = m_page.width();
        const auto at = [&](qreal time) { return m_page.left() + bar * time / end; };

        struct Phase {
            QString name;
            qreal from, to;
            QColor fill;
            bool bold;
        };
        const std::array<Phase, 3> phases = {{
            {Text::tr("Malaxage"), 0, mixing, kLightShade, false},
            {Text::tr("Coulée"), mixing, setting, Qt::white, true},
            {Text::tr("Prise"), setting, end, kDarkShade, false},
        }};

        // A phase too short for its name gets it above the bar.
        const QFont phaseFont = sheetFont(10.5);
        const QFont phaseBold = sheetFont(10.5, true);
        std::vector<qreal> aboveCentres, aboveWidths;
        std::vector<const Phase*> above;
        for (const Phase& phase : phases) {
            if (phase.to <= phase.from) {
                continue;  // an empty phase has nothing to name
            }
            const QFont& font = phase.bold ? phaseBold : phaseFont;
            const qreal needed = width(font, phase.name) + 3 * m_mm;
            if (needed > at(phase.to) - at(phase.from)) {
                above.push_back(&phase);
                aboveCentres.push_back((at(phase.from) + at(phase.to)) / 2);
                aboveWidths.push_back(needed - 3 * m_mm);
            }
        }
        if (!above.empty()) {
            const std::vector<qreal> lefts =
                spreadLabels(aboveCentres, aboveWidths, m_page.left(), m_page.right(), 3 * m_mm);
            for (std::size_t i = 0; i < above.size(); ++i) {
                text(QRectF(lefts[i], top, aboveWidths[i], height(phaseFont)), Qt::AlignCenter,
                     above[i]->name, above[i]->bold ? phaseBold : phaseFont);
            }
            top += height(phaseFont) + 1 * m_mm;
        }

        const qreal barHeight = 9 * m_mm;
        for (const Phase& phase : phases) {
            const QRectF rect(at(phase.from), top, at(phase.to) - at(phase.from), barHeight);
            if (rect.width() <= 0) {
                continue;
            }
            frame(rect, 0.35, phase.fill);
            if (std::find(above.begin(), above.end(), &phase) == above.end()) {
                text(rect, Qt::AlignCenter, phase.name, phase.bold ? phaseBold : phaseFont);
            }
        }
        frame(QRectF(at(0), top, bar, barHeight), 0.5);

        // The end of the pourable time is the one the caster must not miss.
        struct Mark {
            qreal time;
            QString minutes;
            bool bold;
        };
        std::array<Mark, 4> marks = {{
            {0, QStringLiteral("0"), false},
            {mixing, schedule->mixingEnd, false},
            {pour, schedule->pourEnd, true},
            {gel, schedule->gel, false},
        }};
        std::stable_sort(marks.begin(), marks.end(),
                         [](const Mark& a, const Mark& b) { return a.time < b.time; });
        const QFont markFont = sheetFont(10.5);
        const QFont markBold = sheetFont(10.5, true);
        const qreal tickBottom = top + barHeight + 2 * m_mm;
        std::vector<qreal> centres, widths;
        std::vector<QString> labels;
        for (const Mark& mark : marks) {
            line({at(mark.time), top}, {at(mark.time), tickBottom}, mark.bold ? 0.8 : 0.35);
            labels.push_back(Text::tr("%1 min").arg(mark.minutes));
            centres.push_back(at(mark.time));
            widths.push_back(width(mark.bold ? markBold : markFont, labels.back()));
        }
        const std::vector<qreal> lefts =
            spreadLabels(centres, widths, m_page.left(), m_page.right(), 2 * m_mm);
        const qreal labelTop = tickBottom + 0.5 * m_mm;
        for (std::size_t i = 0; i < marks.size(); ++i) {
            text(QRectF(lefts[i], labelTop, widths[i], height(markFont)), Qt::AlignCenter,
                 labels[i], marks[i].bold ? markBold : markFont);
        }
        return labelTop + height(markFont);
    }

    struct Column {
        QString header;
        Qt::Alignment alignment;
    };

    QStringList cells(const MixingSheet::Line& line) const {
        return {line.flask,    m_locale.toString(line.count),
                line.diameter, line.height,
                line.unit,     line.deduction.isEmpty() ? QStringLiteral("–") : line.deduction,
                line.volume};
    }

    // The flask lines in the room left between the timeline and the hand-written boxes:
    // smaller type first, then as many lines as fit and a pointer to the plan for the rest.
    void flasks(const QRectF& area) {
        const std::array<Column, 7> columns = {{
            {Text::tr("Cylindre"), Qt::AlignLeft},
            {Text::tr("Nombre"), Qt::AlignRight},
            {Text::tr("Diamètre"), Qt::AlignRight},
            {Text::tr("Hauteur"), Qt::AlignRight},
            {Text::tr("Unité"), Qt::AlignHCenter},
            {Text::tr("Arbre et socle (cm³)"), Qt::AlignRight},
            {Text::tr("Volume (dm3)"), Qt::AlignRight},
        }};
        const QFont caption = sheetFont(10.5, true);
        const qreal captionHeight = height(caption) + 1 * m_mm;
        text(QRectF(area.left(), area.top(), area.width(), height(caption)), Qt::AlignLeft,
             Text::tr("Cylindres à remplir"), caption);

        const qreal room = area.height() - captionHeight;
        const qsizetype total = m_sheet.lines.size();
        const QFont continued = sheetFont(9.5, true, true);
        qreal points = kTablePoints;
        qreal rowHeight = 0;
        qsizetype shown = 0;
        for (;; points -= 0.5) {
            // Large type gets air between rows; the smallest keeps rows just clear of each other.
            const qreal spacing =
                1.3 + 0.3 * (points - kTableMinPoints) / (kTablePoints - kTableMinPoints);
            rowHeight = height(sheetFont(points)) * spacing;
            // The header row, then the lines.
            const auto fit = [&](qreal height) {
                return qsizetype(std::floor(height / rowHeight)) - 1;
            };
            if (fit(room) >= total) {
                shown = total;
                break;
            }
            if (points <= kTableMinPoints) {
                // The rest of the plan is pointed to on a line of its own.
                shown = std::max<qsizetype>(0, fit(room - height(continued) * 1.4));
                break;
            }
        }

        const QFont cellFont = sheetFont(points);
        const QFont headerFont = sheetFont(std::max(points - 1, kTableMinPoints), true);
        const qreal pad = 1.5 * m_mm;
        std::array<qreal, 7> widths{};
        for (std::size_t c = 0; c < columns.size(); ++c) {
            widths[c] = width(headerFont, columns[c].header);
        }
        for (qsizetype i = 0; i < shown; ++i) {
            const QStringList row = cells(m_sheet.lines[i]);
            for (std::size_t c = 1; c < columns.size(); ++c) {
                widths[c] = std::max(widths[c], width(cellFont, row[qsizetype(c)]));
            }
        }
        qreal figures = 0;
        for (std::size_t c = 1; c < columns.size(); ++c) {
            widths[c] += 2 * pad;
            figures += widths[c];
        }
        // The names take what the figures leave, and share any room over.
        qreal longestName = widths[0];
        for (qsizetype i = 0; i < shown; ++i) {
            longestName = std::max(longestName, width(cellFont, m_sheet.lines[i].flask));
        }
        widths[0] = std::max(area.width() - figures, widths[0] + 2 * pad);
        const qreal spare = widths[0] - (longestName + 2 * pad);
        if (spare > 0) {
            widths[0] -= spare;
            for (qreal& w : widths) {
                w += spare / columns.size();
            }
        }
        // Figures too wide for the page even so: every column gives up the same share.
        qreal tableWidth = 0;
        for (qreal w : widths) {
            tableWidth += w;
        }
        if (tableWidth > area.width()) {
            for (qreal& w : widths) {
                w *= area.width() / tableWidth;
            }
        }

        const qreal tableTop = area.top() + captionHeight;
        auto drawRow = [&](qreal y, const QStringList& row, const QFont& font, bool shaded) {
            const QRectF rowRect(area.left(), y, area.width(), rowHeight);
            if (shaded) {
                m_painter.fillRect(rowRect, kLightShade);
            }
            qreal x = area.left();
            for (std::size_t c = 0; c < columns.size(); ++c) {
                const QRectF cell(x + pad, y, widths[c] - 2 * pad, rowHeight);
                QString shownText = row[qsizetype(c)];
                QFont cellText = font;
                if (c == 0) {
                    shownText = QFontMetricsF(font, m_painter.device())
                                    .elidedText(shownText, Qt::ElideRight, cell.width());
                } else {
                    cellText = fitted(font, shownText, cell.width());
                }
                text(cell, columns[c].alignment | Qt::AlignVCenter, shownText, cellText);
                x += widths[c];
            }
        };
        QStringList headers;
        for (const Column& column : columns) {
            headers << column.header;
        }
        drawRow(tableTop, headers, headerFont, false);
        line({area.left(), tableTop + rowHeight}, {area.right(), tableTop + rowHeight}, 0.4);
        for (qsizetype i = 0; i < shown; ++i) {
            drawRow(tableTop + (i + 1) * rowHeight, cells(m_sheet.lines[i]), cellFont, i % 2 == 1);
        }
        const qreal bottom = tableTop + (shown + 1) * rowHeight;
        line({area.left(), bottom}, {area.right(), bottom}, 0.4);
        if (shown < total) {
            const qsizetype left = total - shown;
            const QString sentence =
                left == 1
                    ? Text::tr("… et 1 autre ligne, voir le plan")
                    : Text::tr("… et %1 autres lignes, voir le plan").arg(m_locale.toString(left));
            text(QRectF(area.left() + pad, bottom, area.width() - pad, height(continued) * 1.4),
                 Qt::AlignLeft | Qt::AlignVCenter, sentence, continued);
        }
    }

    void handBoxes(const QRectF& area) {
        const std::array<std::pair<QString, qreal>, 4> boxes = {{
            {Text::tr("Pesé par"), 0.22},
            {Text::tr("Heure du mélange"), 0.19},
            {Text::tr("Heure de coulée"), 0.19},
            {Text::tr("Remarques"), 0.40},
        }};
        const qreal gap = 3 * m_mm;
        const qreal shared = area.width() - gap * (boxes.size() - 1);
        const QFont label = sheetFont(9);
        qreal x = area.left();
        for (const auto& [name, share] : boxes) {
            const QRectF box(x, area.top(), shared * share, area.height());
            frame(box, 0.35);
            text(box.adjusted(1.5 * m_mm, 1 * m_mm, -1.5 * m_mm, 0), Qt::AlignLeft | Qt::AlignTop,
                 name, label);
            x += box.width() + gap;
        }
    }

    QPainter& m_painter;
    QRectF m_page;
    const MixingSheet& m_sheet;
    qreal m_mm;  // device units in a millimetre
    QLocale m_locale;
};

}  // namespace

QFont sheetFont(qreal points, bool bold, bool italic) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void paintMixingSheet(QPainter& painter, const QRectF& page, const MixingSheet& sheet) {
    SheetPainter(painter, page, sheet).paint();
}

bool renderMixingSheet(QPagedPaintDevice& device, const MixingSheet& sheet) {
    const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                             QMarginsF(kPageMarginMm, kPageMarginMm, kPageMarginMm, kPageMarginMm),
                             QPageLayout::Millimeter);
    if (!device.setPageLayout(layout)) {
        return false;
    }
    if (auto* writer = dynamic_cast<QPdfWriter*>(&device)) {
        writer->setTitle(Text::tr("Fiche de mélange"));
        writer->setCreator(QStringLiteral("Gypsomix"));
    } else if (auto* printer = dynamic_cast<QPrinter*>(&device)) {
        printer->setDocName(Text::tr("Fiche de mélange"));
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // The painter's origin is the top left corner of the printable part.
    paintMixingSheet(painter, QRectF(0, 0, device.width(), device.height()), sheet);
    return painter.end();
}
