#include "ui/working_span_bar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionProgressBar>
#include <QtMath>

WorkingSpanBar::WorkingSpanBar(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
}

void WorkingSpanBar::setMarks(const QList<qreal>& fractions) {
    if (fractions != m_marks) {
        m_marks = fractions;
        update();
    }
}

int WorkingSpanBar::markX(qreal fraction) const {
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_ProgressBarContents, &option, this);
    return contents.left() + qRound(qBound(0.0, fraction, 1.0) * (contents.width() - 1));
}

void WorkingSpanBar::paintEvent(QPaintEvent* event) {
    QProgressBar::paintEvent(event);
    if (m_marks.isEmpty()) {
        return;
    }
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    const QRect groove = style()->subElementRect(QStyle::SE_ProgressBarGroove, &option, this);
    QPainter painter(this);
    // A text-coloured line between two window-coloured edges stands out on the filled part and
    // on the empty part alike, in a light or a dark palette.
    for (qreal fraction : m_marks) {
        const int x = markX(fraction);
        painter.fillRect(QRect(x - 2, groove.top(), 5, groove.height()),
                         palette().color(QPalette::Window));
        painter.fillRect(QRect(x - 1, groove.top(), 3, groove.height()),
                         palette().color(QPalette::WindowText));
    }
}
