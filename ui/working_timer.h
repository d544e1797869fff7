#pragma once

#include <QGroupBox>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "calc/schedule.h"

namespace Ui {
class WorkingTimer;
}

// "Minuterie": the time since water met powder, the phase of the mix (mixing, pouring, setting,
// done), the time left in it and the whole span to the gel on a marked bar. Each end of mixing,
// of the pourable time and the gel is signalled once, with the bell and a request for the
// window's attention, so the caster at the bowl need not watch the screen.
class WorkingTimer : public QGroupBox {
    Q_OBJECT

  public:
    // A monotonic "now"; only differences between two readings count.
    using Clock = std::function<std::chrono::milliseconds()>;

    explicit WorkingTimer(QWidget* parent = nullptr);
    ~WorkingTimer() override;

    // Replaces the clock (the default one keeps counting while the computer sleeps). A running
    // timer keeps its elapsed time across the change.
    void setClock(Clock clock);

    bool isRunning() const { return m_running; }

  public slots:
    // Starts from zero at this instant (water meets powder now) with the material's times;
    // a running timer starts over. Takes away a problem shown.
    void start(const gypsomix::WorkingSchedule& schedule);
    // Stops and resets the display; no boundary is signalled afterwards.
    void stop();
    // Says why the timer cannot start (the material's times), in place of starting, under
    // "Non démarré"; a running timer is stopped first.
    void showProblem(const QString& text);
    // Reads the clock and brings the display up to date; the tick calls it.
    void refresh();

  signals:
    // "Démarrer" was pressed: the window answers with start() or showProblem().
    void startRequested();
    // The end of mixing, the end of the pourable time or the gel has come. Each one is
    // signalled once per run and in that order, also when several pass between two refreshes.
    void boundaryReached(gypsomix::ScheduleTime time);
    void runningChanged(bool running);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    std::chrono::milliseconds elapsed() const;
    void setRunning(bool running);
    void showStopped();
    void setProblem(const QString& text);
    void applyPhaseColour();

    std::unique_ptr<Ui::WorkingTimer> m_ui;
    Clock m_clock;
    QTimer m_tick{this};
    bool m_running = false;
    gypsomix::WorkingSchedule m_schedule{};
    std::chrono::milliseconds m_startedAt{0};
    std::optional<gypsomix::MixPhase> m_shownPhase;  // none while stopped
    int m_boundariesSignalled = 0;
    qint64 m_barUnit = 1000;  // milliseconds per step of the bar
};
