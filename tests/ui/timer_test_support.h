#pragma once

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QStyle>
#include <chrono>

#include "calc/schedule.h"
#include "ui/working_timer.h"

using std::chrono::milliseconds;
using std::chrono::minutes;
using std::chrono::seconds;

// The light palette the style itself proposes.
inline QPalette lightPalette() {
    return QApplication::style()->standardPalette();
}

// A dark desktop theme: dark window and fields, light text.
inline QPalette darkPalette() {
    QPalette dark;
    const QColor window(0x2b, 0x2b, 0x2b), base(0x1e, 0x1e, 0x1e), text(0xe6, 0xe6, 0xe6);
    const QColor button(0x3a, 0x3a, 0x3a), dimmed(0x80, 0x80, 0x80);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, button);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, Qt::white);
    dark.setColor(QPalette::Light, button.lighter(150));
    dark.setColor(QPalette::Midlight, button.lighter(120));
    dark.setColor(QPalette::Mid, button.darker(120));
    dark.setColor(QPalette::Dark, base.darker(150));
    dark.setColor(QPalette::Shadow, Qt::black);
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0x7f, 0xd9));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, dimmed);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, dimmed);
    }
    return dark;
}

// The schedule of a material of 3, 8 and 12 minutes.
inline gypsomix::WorkingSchedule sampleSchedule() {
    return {minutes(3), minutes(8), minutes(12)};
}

// A timer on a clock the test moves by hand. The clock starts far from zero so that only
// differences between its readings can make the figures right.
struct TimerRig {
    static constexpr milliseconds kOrigin{987'654'321};

    TimerRig() {
        timer.setClock([this] { return now; });
    }
    // Water meets powder at the clock's present reading.
    void start(const gypsomix::WorkingSchedule& schedule = sampleSchedule()) {
        startedAt = now;
        timer.start(schedule);
    }
    // Moves the clock to this long after the last start, then lets the timer read it.
    void at(milliseconds sinceStart) {
        now = startedAt + sinceStart;
        timer.refresh();
    }
    QLabel* label(const char* name) { return timer.findChild<QLabel*>(QLatin1String(name)); }
    QString text(const char* name) { return label(name)->text(); }

    milliseconds now = kOrigin;
    milliseconds startedAt = kOrigin;
    WorkingTimer timer;
};
