// Start-up time of the programs against bare windows, one start per process:
//   gypsomix_bench_startup program [CARD_MS]
//                                    the real start-up (card dismissed by a posted key, at once
//                                    or CARD_MS after it shows, as a caster reading it clicks;
//                                    lists filled from Data/ in the current folder, main
//                                    window), then the first opening of the material list
//   gypsomix_bench_startup bare      a QWidget holding 37 plain child widgets
//   gypsomix_bench_startup labels    the same with 37 labels showing a text: the share of the
//                                    font set-up any window with text pays
//   gypsomix_bench_startup plan      the casting plan's start-up, as its program does it (lists
//                                    filled from Data/ in the current folder, no card)
// Each prints "startup_us N": from QApplication construction to the end of the main window's
// first paint (for the plan, of its first window's). The program also prints "shown_us N", from the
// key reaching the card to the end of that paint, and "popup_us N", from showPopup() on the
// material list to the end of the list's first paint; then it quits. scripts/bench runs them under
// /usr/bin/time -v for the peak memory.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "ui/application.h"
#include "ui/demarrage.h"
#include "ui/selection.h"

namespace {

using Clock = std::chrono::steady_clock;

long long microsecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
}

// Answers the card with a key once it has been shown for `cardMs`, and stops the clock once the
// watched window has finished its first paint. For the program, it then opens the material list and
// stops a second clock once the list has finished its first paint.
class StartupWatcher : public QObject {
  public:
    StartupWatcher(Clock::time_point start, bool (*isMainWindow)(QObject*), bool openList,
                   int cardMs)
        : m_start(start), m_isMainWindow(isMainWindow), m_openList(openList), m_cardMs(cardMs) {}

    long long elapsedMicroseconds() const { return m_elapsed; }
    long long shownMicroseconds() const { return m_shown; }
    long long popupMicroseconds() const { return m_popup; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* card = qobject_cast<Demarrage*>(watched)) {
                QTimer::singleShot(m_cardMs, card, [card] {
                    QCoreApplication::postEvent(
                        card, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier,
                                            QStringLiteral(" ")));
                });
            }
        } else if (event->type() == QEvent::KeyPress && qobject_cast<Demarrage*>(watched) &&
                   m_dismissed == Clock::time_point()) {
            m_dismissed = Clock::now();
        } else if (event->type() == QEvent::Paint && m_elapsed < 0 && !m_stopping &&
                   m_isMainWindow(watched)) {
            // The paint is under way; a zero timer fires once it and its children are done.
            m_stopping = true;
            QTimer::singleShot(0, this, [this, watched] {
                m_elapsed = microsecondsSince(m_start);
                if (m_dismissed != Clock::time_point()) {
                    m_shown = microsecondsSince(m_dismissed);
                }
                if (m_openList) {
                    openList(static_cast<QWidget*>(watched));
                } else {
                    QCoreApplication::quit();
                }
            });
        } else if (event->type() == QEvent::Paint && m_list && m_popup < 0 && !m_stopping &&
                   watched == m_list->view()->viewport()) {
            m_stopping = true;
            QTimer::singleShot(0, this, [this] {
                m_popup = microsecondsSince(m_opened);
                m_list->hidePopup();
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void openList(QWidget* window) {
        m_list = window->findChild<QComboBox*>(QStringLiteral("Combo1"));
        if (m_list == nullptr) {
            QCoreApplication::quit();
            return;
        }
        m_stopping = false;
        m_opened = Clock::now();
        m_list->showPopup();
        if (!m_list->view()->isVisible()) {
            QCoreApplication::quit();  // an empty list does not open
        }
    }

    Clock::time_point m_start;
    bool (*m_isMainWindow)(QObject*);
    bool m_openList;
    int m_cardMs;
    bool m_stopping = false;
    Clock::time_point m_dismissed;
    Clock::time_point m_opened;
    QComboBox* m_list = nullptr;
    long long m_elapsed = -1;
    long long m_shown = -1;
    long long m_popup = -1;
};

bool isSelection(QObject* object) {
    return qobject_cast<Selection*>(object) != nullptr;
}

bool isBareWindow(QObject* object) {
    return object->objectName() == QLatin1String("bare");
}

// The casting plan's first window, whatever its class: no report comes first when the
// catalogues read.
bool isFirstWindow(QObject* object) {
    const auto* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && widget->isWindow() && qobject_cast<QDialog*>(object) == nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool program = argc > 1 && std::strcmp(argv[1], "program") == 0;
    const bool plan = argc > 1 && std::strcmp(argv[1], "plan") == 0;
    const bool labels = argc > 1 && std::strcmp(argv[1], "labels") == 0;
    const bool bare = labels || (argc > 1 && std::strcmp(argv[1], "bare") == 0);
    if (!program && !plan && !bare) {
        std::fprintf(stderr, "usage: %s program|plan|bare|labels\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    const Clock::time_point start = Clock::now();
    // The casting plan reads its command line: it gets none, as when started from the menu.
    int qtArgc = plan ? 1 : argc;
    QApplication app(qtArgc, argv);
    int cardMs = 0;
    if (program && argc > 2) {
        std::from_chars(argv[2], argv[2] + std::strlen(argv[2]), cardMs);
    }
    StartupWatcher watcher(start,
                           program ? isSelection
                           : plan  ? isFirstWindow
                                   : isBareWindow,
                           program, cardMs);
    app.installEventFilter(&watcher);
    // A start-up that never paints (a missing catalogue shows a report instead) must not hang.
    QTimer::singleShot(30000, [] {
        std::fprintf(stderr, "no first paint within 30 s\n");
        std::_Exit(3);
    });

    int status = 0;
    if (program) {
        setUpApplication(app);
        status = runProgram(app);
    } else if (plan) {
        setUpPlanApplication(app);
        status = runPlan(app);
    } else {
        QWidget window;
        window.setObjectName(QStringLiteral("bare"));
        window.resize(506, 367);
        for (int i = 0; i < 37; ++i) {
            QWidget* child = labels ? new QLabel(QStringLiteral("Texte %1").arg(i), &window)
                                    : new QWidget(&window);
            child->setAutoFillBackground(true);  // so that each one is painted
            child->setGeometry(8 + (i % 4) * 124, 8 + (i / 4) * 38, 116, 30);
        }
        window.show();
        status = app.exec();
    }
    if (watcher.elapsedMicroseconds() < 0) {
        std::fprintf(stderr, "the window was never painted\n");
        return status != 0 ? status : 3;
    }
    std::printf("startup_us %lld\n", watcher.elapsedMicroseconds());
    if (program) {
        if (watcher.shownMicroseconds() < 0 || watcher.popupMicroseconds() < 0) {
            std::fprintf(stderr, "the card or the material list was not seen\n");
            return 3;
        }
        std::printf("shown_us %lld\npopup_us %lld\n", watcher.shownMicroseconds(),
                    watcher.popupMicroseconds());
    }
    return status;
}
