#pragma once

#include <QDateTime>
#include <QWidget>
#include <optional>

#include "ui/oven_day.h"

// A burnout programme as temperature against clock time: the climbs and holds, each hold labelled
// with its temperature and length, the day's midnights, and the present moment. Drawn in the
// window's palette, so it reads in light and dark themes alike.
class BurnoutChart : public QWidget {
    Q_OBJECT

  public:
    explicit BurnoutChart(QWidget* parent = nullptr);

    // The programme from `origin`, the moment the oven starts (invalid: the axis counts hours
    // from the start), temperatures in `unit`. Without a run the chart says `empty` instead.
    void setProgramme(const std::optional<OvenRun>& run, const QDateTime& origin,
                      TemperatureUnit unit, const QString& empty);
    // The present moment, marked when it falls within the programme.
    void setNow(const QDateTime& now);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double shown(double celsius) const;

    std::optional<OvenRun> m_run;
    QDateTime m_origin;
    QDateTime m_now;
    TemperatureUnit m_unit = TemperatureUnit::celsius;
    QString m_empty;
};
