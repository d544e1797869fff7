#include "ui/oven_timer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/desktop_notifier.h"
#include "ui/oven_day.h"

using gypsomix::OvenPhase;
using gypsomix::OvenProgress;
using std::chrono::seconds;

namespace {

// Once a second: the time left is shown to the second.
constexpr int kTickMilliseconds = 1000;

bool samePhases(const std::optional<std::vector<OvenPhase>>& a,
                const std::optional<std::vector<OvenPhase>>& b) {
    if (a.has_value() != b.has_value()) {
        return false;
    }
    if (!a) {
        return true;
    }
    return std::equal(a->begin(), a->end(), b->begin(), b->end(), [](const auto& x, const auto& y) {
        return x.kind == y.kind && x.step == y.step && x.start == y.start && x.end == y.end;
    });
}

// "1:05:09": a burnout counts in hours.
QString hoursMinutesSeconds(seconds time) {
    const qint64 s = time.count();
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

OvenTimer::OvenTimer(QWidget* parent)
    : QGroupBox(tr("Four"), parent),
      m_clock([] { return QDateTime::currentDateTimeUtc(); }),
      m_notifier(new DesktopNotifier(this)) {
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("ovenState"));
    QFont large = m_state->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.4);
    m_state->setFont(large);
    m_left = new QLabel(this);
    m_left->setObjectName(QStringLiteral("ovenLeft"));
    QFont figures = m_left->font();
    figures.setPointSizeF(figures.pointSizeF() * 1.2);
    m_left->setFont(figures);
    m_next = new QLabel(this);
    m_next->setObjectName(QStringLiteral("ovenNext"));
    m_started = new QLabel(this);
    m_started->setObjectName(QStringLiteral("ovenStarted"));
    for (QLabel* label : {m_state, m_left, m_next, m_started}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    m_startNow = new QPushButton(tr("Enfourner"), this);
    m_startNow->setObjectName(QStringLiteral("ovenStartNow"));
    m_startNow->setToolTip(tr("Les cylindres entrent au four maintenant."));
    m_startPlanned = new QPushButton(tr("À l'heure prévue"), this);
    m_startPlanned->setObjectName(QStringLiteral("ovenStartPlanned"));
    m_startPlanned->setToolTip(
        tr("Le four part à l'heure que le plan donne pour enfourner (départ différé du four)."));
    m_stop = new QPushButton(tr("Arrêter"), this);
    m_stop->setObjectName(QStringLiteral("ovenStop"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_state);
    layout->addWidget(m_left);
    layout->addWidget(m_next);
    layout->addWidget(m_started);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_startNow);
    buttons->addWidget(m_startPlanned);
    buttons->addWidget(m_stop);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(m_startNow, &QPushButton::clicked, this, &OvenTimer::startNowRequested);
    connect(m_startPlanned, &QPushButton::clicked, this, &OvenTimer::startAtPlannedRequested);
    connect(m_stop, &QPushButton::clicked, this, &OvenTimer::stopRequested);
    m_tick.setInterval(kTickMilliseconds);
    connect(&m_tick, &QTimer::timeout, this, &OvenTimer::refresh);
    refresh();
}

void OvenTimer::setClock(Clock clock) {
    m_clock = clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTimeUtc(); });
    refresh();
}

void OvenTimer::setRun(const QDateTime& startedAt,
                       const std::optional<std::vector<OvenPhase>>& phases,
                       const QStringList& names, const QDateTime& planned) {
    const bool sameRun = startedAt == m_startedAt && samePhases(phases, m_phases);
    m_startedAt = startedAt;
    m_phases = phases;
    m_names = names;
    m_planned = planned;
    if (!sameRun) {
        // A run taken up again (a plan opened, the program started anew, the programme or the
        // start changed) goes on from where it stands now: its changes already past were missed
        // while nobody was running the timer, and a burst of them now would tell of steps long
        // begun as if they were beginning. The display shows where the oven stands. A change
        // that passes while the timer runs is signalled, even when a suspended computer wakes
        // to find several passed: the caster was counting on hearing of them.
        m_signalled =
            m_startedAt.isValid() && m_phases
                ? gypsomix::oven_progress(*m_phases, seconds(m_startedAt.secsTo(now()))).changes
                : 0;
    }
    if (m_startedAt.isValid()) {
        m_tick.start();
    } else {
        m_tick.stop();
    }
    refresh();
}

QString OvenTimer::clock(const QDateTime& at) const {
    return clockText(at, now());
}

QString OvenTimer::phaseName(std::size_t phase) const {
    return m_names.value(qsizetype(phase));
}

QString OvenTimer::changeName(std::size_t change) const {
    if (change >= m_phases->size()) {
        return tr("Cuisson terminée : les cylindres sont prêts à couler");
    }
    return change == 0 ? tr("Enfourner : %1").arg(phaseName(0)) : phaseName(change);
}

void OvenTimer::refresh() {
    const bool started = m_startedAt.isValid();
    const bool runnable = m_phases.has_value();
    m_startNow->setEnabled(runnable);
    m_startPlanned->setEnabled(runnable && m_planned.isValid() && m_planned != m_startedAt);
    m_stop->setEnabled(started);
    m_started->setText(started ? tr("Enfourné à %1").arg(clock(m_startedAt)) : QString());
    if (!started || !runnable) {
        m_state->setText(started ? tr("Programme à corriger") : tr("Four non démarré"));
        m_left->setText(QString());
        m_next->setText(m_planned.isValid() && runnable
                            ? tr("Le plan fait enfourner à %1.").arg(clock(m_planned))
                            : QString());
        return;
    }

    const QDateTime at = now();
    const OvenProgress progress =
        gypsomix::oven_progress(*m_phases, seconds(m_startedAt.secsTo(at)));
    // An oven under way is not started again by a slip of the mouse: « Arrêter » first.
    m_startNow->setEnabled(progress.state == OvenProgress::State::waiting);
    const std::vector<OvenPhase>& phases = *m_phases;
    const QDateTime end =
        m_startedAt.addSecs(phases.empty() ? 0 : qint64(phases.back().end.count()) * 60);
    switch (progress.state) {
        case OvenProgress::State::waiting:
            m_state->setText(tr("Enfournement à %1").arg(clock(m_startedAt)));
            m_left->setText(tr("dans %1").arg(hoursMinutesSeconds(progress.left)));
            m_next->setText(QString());
            m_started->setText(QString());
            break;
        case OvenProgress::State::running: {
            const std::size_t phase = progress.phase;
            m_state->setText(phaseName(phase));
            m_left->setText(tr("reste %1").arg(hoursMinutesSeconds(progress.left)));
            const QDateTime change = m_startedAt.addSecs(qint64(phases[phase].end.count()) * 60);
            QString following = phaseName(phase + 1);
            following.replace(0, 1, following.left(1).toLower());  // « Puis palier à 732 °C »
            m_next->setText(phase + 1 < phases.size()
                                ? tr("Puis %1 à %2").arg(following, clock(change))
                                : tr("Fin de la cuisson à %1").arg(clock(change)));
            break;
        }
        case OvenProgress::State::done:
            m_state->setText(tr("Cuisson terminée"));
            m_left->setText(QString());
            m_next->setText(tr("Terminée à %1").arg(clock(end)));
            break;
    }

    // Never again for a change already signalled, even if the clock were to step back.
    if (progress.changes > m_signalled) {
        while (m_signalled < progress.changes) {
            const std::size_t change = m_signalled++;
            emit changeReached(int(change), changeName(change));
        }
        // One notification for changes that came together: what holds now.
        const std::size_t last = progress.changes - 1;
        m_notifier->notify(tr("Cuisson : %1").arg(changeName(last)),
                           progress.state == OvenProgress::State::running
                               ? m_next->text()
                               : tr("Terminée à %1").arg(clock(end)));
    }
}
