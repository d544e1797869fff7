#pragma once

#include <QDateTime>
#include <QGroupBox>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

#include "calc/burnout.h"

class DesktopNotifier;
class QLabel;
class QPushButton;

// « Four »: where the burnout stands, from the moment the oven started as the plan keeps it.
// Time is the wall clock's, since a burnout lasts hours and must carry on across a restart of
// the program or of the computer: the elapsed time is worked out afresh at every tick, so a
// suspended laptop's clock jumping forward puts the display straight. Each change of step is
// signalled once, with a desktop notification, since the caster is rarely at the screen.
class OvenTimer : public QGroupBox {
    Q_OBJECT

  public:
    // The wall clock: the present moment.
    using Clock = std::function<QDateTime()>;

    explicit OvenTimer(QWidget* parent = nullptr);

    // Replaces the clock (the default one is the system's).
    void setClock(Clock clock);
    QDateTime now() const { return m_clock(); }

    // The run as the plan holds it: when the oven started (invalid: not yet), the programme's
    // phases and their names (« Palier à 732 °C »; none while the programme has a fault), and
    // the planned start (invalid without a time of casting).
    void setRun(const QDateTime& startedAt,
                const std::optional<std::vector<gypsomix::OvenPhase>>& phases,
                const QStringList& names, const QDateTime& planned);

    // Reads the clock and brings the display up to date; the tick calls it.
    void refresh();

    // The changes signalled so far in this run: the start, then the end of each phase.
    std::size_t changesSignalled() const { return m_signalled; }
    DesktopNotifier* notifier() const { return m_notifier; }

  signals:
    // « Enfourner », « À l'heure prévue », « Arrêter »: the panel makes them edits of the plan.
    void startNowRequested();
    void startAtPlannedRequested();
    void stopRequested();
    // A change has come: the phase `change` − 1 has ended (0: the oven starts). Once each, in
    // order, also when several pass between two ticks.
    void changeReached(int change, const QString& what);

  private:
    QString phaseName(std::size_t phase) const;
    QString changeName(std::size_t change) const;
    QString clock(const QDateTime& at) const;

    Clock m_clock;
    QTimer m_tick{this};
    DesktopNotifier* m_notifier = nullptr;
    QLabel* m_state = nullptr;
    QLabel* m_left = nullptr;
    QLabel* m_next = nullptr;
    QLabel* m_started = nullptr;
    QPushButton* m_startNow = nullptr;
    QPushButton* m_startPlanned = nullptr;
    QPushButton* m_stop = nullptr;

    QDateTime m_startedAt;
    std::optional<std::vector<gypsomix::OvenPhase>> m_phases;
    QStringList m_names;
    QDateTime m_planned;
    std::size_t m_signalled = 0;
};
