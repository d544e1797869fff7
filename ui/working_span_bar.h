#pragma once

#include <QList>
#include <QProgressBar>

// A progress bar with upright marks across its groove, where the caster's eye finds the end of
// mixing and the end of the pourable time on the way to the gel.
class WorkingSpanBar : public QProgressBar {
    Q_OBJECT

  public:
    explicit WorkingSpanBar(QWidget* parent = nullptr);

    // Each mark as a fraction of the whole span, 0 to 1; an empty list takes them away.
    void setMarks(const QList<qreal>& fractions);
    QList<qreal> marks() const { return m_marks; }

    // The x of a mark at that fraction, in the bar's own coordinates.
    int markX(qreal fraction) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QList<qreal> m_marks;
};
