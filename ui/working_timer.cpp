#include "ui/working_timer.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <algorithm>
#include <climits>
#include <cmath>
#include <ctime>

#include "ui_working_timer.h"

using gypsomix::MixPhase;
using gypsomix::ScheduleTime;
using std::chrono::milliseconds;

namespace {

// A few refreshes a second keep the seconds on time; the clock, not the count of ticks, says
// how much time has passed.
constexpr int kTickMilliseconds = 200;

// Boot time keeps counting while the computer sleeps, as the investment keeps setting.
milliseconds defaultNow() {
    static const bool hasBootTime = [] {
        timespec probe{};
        return clock_gettime(CLOCK_BOOTTIME, &probe) == 0;
    }();
    if (hasBootTime) {
        timespec now{};
        clock_gettime(CLOCK_BOOTTIME, &now);
        return std::chrono::seconds(now.tv_sec) +
               std::chrono::duration_cast<milliseconds>(std::chrono::nanoseconds(now.tv_nsec));
    }
    return std::chrono::duration_cast<milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

// Minutes keep counting past the hour ("75:02"): the material's times are all in minutes.
QString minutesAndSeconds(qint64 seconds, int minuteDigits) {
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, minuteDigits, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// Time left is rounded up: "0:00" would tell the caster the phase is over while it is not.
qint64 secondsUp(milliseconds time) {
    const qint64 ms = time.count();
    return ms / 1000 + (ms % 1000 > 0 ? 1 : 0);
}

QString phaseName(MixPhase phase) {
    switch (phase) {
        case MixPhase::mixing:
            return WorkingTimer::tr("Malaxage");
        case MixPhase::pouring:
            return WorkingTimer::tr("Coulée");
        case MixPhase::setting:
            return WorkingTimer::tr("Prise");
        case MixPhase::done:
            return WorkingTimer::tr("Terminé");
    }
    return {};
}

// A phase ends at one of the three times, in order, so the phase says how many have come.
int timesReached(MixPhase phase) {
    switch (phase) {
        case MixPhase::mixing:
            return 0;
        case MixPhase::pouring:
            return 1;
        case MixPhase::setting:
            return 2;
        case MixPhase::done:
            return 3;
    }
    return 0;
}

constexpr ScheduleTime kTimes[] = {ScheduleTime::mixing, ScheduleTime::pourable, ScheduleTime::gel};

// WCAG relative luminance and contrast ratio.
qreal luminance(const QColor& colour) {
    const auto linear = [](qreal c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

qreal contrast(const QColor& a, const QColor& b) {
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Blue while mixing, green while the investment pours, red once hands must stay off, violet
// when it has gelled; each in a deep shade for light windows and a pale one for dark windows.
QColor phaseColour(MixPhase phase, const QColor& window) {
    struct Shades {
        QColor deep, pale;
    };
    const auto shades = [phase]() -> Shades {
        switch (phase) {
            case MixPhase::mixing:
                return {QColor(0x1c, 0x5b, 0xb8), QColor(0x8a, 0xb8, 0xff)};
            case MixPhase::pouring:
                return {QColor(0x1d, 0x7a, 0x35), QColor(0x7d, 0xdc, 0x8c)};
            case MixPhase::setting:
                return {QColor(0xb4, 0x23, 0x18), QColor(0xff, 0x9a, 0x8c)};
            case MixPhase::done:
                break;
        }
        return {QColor(0x5e, 0x4a, 0x9e), QColor(0xc3, 0xb3, 0xff)};
    }();
    return contrast(shades.deep, window) >= contrast(shades.pale, window) ? shades.deep
                                                                          : shades.pale;
}

}  // namespace

WorkingTimer::WorkingTimer(QWidget* parent)
    : QGroupBox(parent), m_ui(std::make_unique<Ui::WorkingTimer>()), m_clock(defaultNow) {
    m_ui->setupUi(this);
    // Room for the widest texts, so the column does not shift as the figures change.
    const auto reserve = [](QLabel* label, const QStringList& texts) {
        const QFontMetrics metrics(label->font());
        int width = 0;
        for (const QString& text : texts) {
            width = std::max(width, metrics.horizontalAdvance(text));
        }
        label->setMinimumWidth(width + 2 * label->margin());
        label->setMinimumHeight(metrics.height());
    };
    reserve(m_ui->elapsed, {QStringLiteral("000:00")});
    reserve(m_ui->phase, {phaseName(MixPhase::mixing), phaseName(MixPhase::pouring),
                          phaseName(MixPhase::setting), phaseName(MixPhase::done), tr("Prêt"),
                          tr("Non démarré")});
    reserve(m_ui->remaining, {tr("reste %1").arg(QStringLiteral("00:00"))});

    m_tick.setInterval(kTickMilliseconds);
    connect(&m_tick, &QTimer::timeout, this, &WorkingTimer::refresh);
    connect(m_ui->start, &QPushButton::clicked, this, &WorkingTimer::startRequested);
    connect(m_ui->stop, &QPushButton::clicked, this, &WorkingTimer::stop);
    showStopped();
}

WorkingTimer::~WorkingTimer() = default;

void WorkingTimer::setClock(Clock clock) {
    const milliseconds soFar = elapsed();
    m_clock = clock ? std::move(clock) : Clock(defaultNow);
    m_startedAt = m_clock() - soFar;
}

void WorkingTimer::start(const gypsomix::WorkingSchedule& schedule) {
    m_schedule = schedule;
    m_startedAt = m_clock();
    m_boundariesSignalled = 0;
    m_shownPhase.reset();
    setProblem(QString());

    // The bar counts seconds, or coarser steps for a span beyond its integer range.
    const qint64 gel = schedule.gel.count();
    m_barUnit = std::max<qint64>(1000, gel / INT_MAX + 1);
    const qint64 steps = gel / m_barUnit + (gel % m_barUnit > 0 ? 1 : 0);
    m_ui->span->setRange(0, static_cast<int>(std::max<qint64>(1, steps)));
    m_ui->span->setValue(0);
    QList<qreal> marks;
    for (milliseconds end : {schedule.mixing_end, schedule.pour_end}) {
        const qreal fraction = gel > 0 ? qreal(end.count()) / qreal(gel) : 0;
        if (fraction > 0 && fraction < 1) {
            marks << fraction;
        }
    }
    m_ui->span->setMarks(marks);
    m_ui->span->setAccessibleDescription(
        tr("Fin du malaxage à %1, fin de la coulée à %2, prise à %3")
            .arg(minutesAndSeconds(secondsUp(schedule.mixing_end), 1),
                 minutesAndSeconds(secondsUp(schedule.pour_end), 1),
                 minutesAndSeconds(secondsUp(schedule.gel), 1)));

    setRunning(true);
    refresh();
}

void WorkingTimer::stop() {
    setRunning(false);
    showStopped();
}

void WorkingTimer::showProblem(const QString& text) {
    stop();
    // "Prêt" would be untrue: the material's times must be put right first.
    m_ui->phase->setText(tr("Non démarré"));
    setProblem(text);
}

void WorkingTimer::refresh() {
    if (!m_running) {
        return;
    }
    const milliseconds now = std::max(elapsed(), milliseconds::zero());
    const gypsomix::MixProgress progress = gypsomix::mix_progress(m_schedule, now);

    // A label says its text to screen readers only when the text changes: the time left is
    // heard once a second at most, the phase once per phase.
    m_ui->elapsed->setText(minutesAndSeconds(now.count() / 1000, 2));
    m_ui->phase->setText(phaseName(progress.phase));
    m_ui->remaining->setText(
        progress.phase == MixPhase::done
            ? QString()
            : tr("reste %1").arg(minutesAndSeconds(secondsUp(progress.left), 1)));
    m_ui->span->setValue(
        progress.phase == MixPhase::done
            ? m_ui->span->maximum()
            : static_cast<int>(std::min<qint64>(now.count() / m_barUnit, m_ui->span->maximum())));
    if (m_shownPhase != progress.phase) {
        m_shownPhase = progress.phase;
        applyPhaseColour();
    }

    // Never again for a time already signalled, even if the clock were to step back.
    const int reached = timesReached(progress.phase);
    if (reached > m_boundariesSignalled) {
        // One bell for times that came together: the caster hears one event.
        QApplication::beep();
        QApplication::alert(window());
        while (m_boundariesSignalled < reached) {
            emit boundaryReached(kTimes[m_boundariesSignalled++]);
        }
    }
}

void WorkingTimer::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyPhaseColour();
    }
}

milliseconds WorkingTimer::elapsed() const {
    return m_running ? m_clock() - m_startedAt : milliseconds::zero();
}

void WorkingTimer::setRunning(bool running) {
    QPushButton* const goingOff = running ? m_ui->start : m_ui->stop;
    QPushButton* const comingOn = running ? m_ui->stop : m_ui->start;
    comingOn->setEnabled(true);
    // Keyboard users keep their place on the button that now applies.
    if (goingOff->hasFocus()) {
        comingOn->setFocus();
    }
    goingOff->setEnabled(false);
    if (running) {
        m_tick.start();
    } else {
        m_tick.stop();
    }
    if (m_running != running) {
        m_running = running;
        emit runningChanged(running);
    }
}

void WorkingTimer::showStopped() {
    m_shownPhase.reset();
    m_ui->elapsed->setText(QStringLiteral("00:00"));
    m_ui->phase->setText(tr("Prêt"));
    // setText, not clear(): a label says a new text to screen readers, clear() says nothing.
    m_ui->remaining->setText(QString());
    m_ui->span->setMarks({});
    m_ui->span->setRange(0, 1);
    m_ui->span->setValue(0);
    m_ui->span->setAccessibleDescription(QString());
    setProblem(QString());
    applyPhaseColour();
}

void WorkingTimer::setProblem(const QString& text) {
    m_ui->problem->setText(text);
    m_ui->problem->setVisible(!text.isEmpty());
    // The reason takes the place of the time left, right under "Non démarré".
    m_ui->remaining->setVisible(text.isEmpty());
}

void WorkingTimer::applyPhaseColour() {
    if (!m_ui->phase) {
        return;  // a palette change while the form is being built
    }
    if (!m_shownPhase) {
        m_ui->phase->setPalette(QPalette());
        m_ui->span->setPalette(QPalette());
        return;
    }
    const QColor colour = phaseColour(*m_shownPhase, palette().color(QPalette::Window));
    // A palette with this one role set; the others keep following the window's.
    QPalette phasePalette;
    phasePalette.setColor(QPalette::WindowText, colour);
    m_ui->phase->setPalette(phasePalette);
    QPalette barPalette;
    barPalette.setColor(QPalette::Highlight, colour);
    m_ui->span->setPalette(barPalette);
}
