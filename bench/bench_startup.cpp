// Start-up time of the program against a bare window, one start per process:
//   gypsomix_bench_startup program   the real start-up (card dismissed by a posted key, lists
//                                    filled from Data/ in the current folder, main window)
//   gypsomix_bench_startup bare      a QWidget holding 37 plain child widgets
//   gypsomix_bench_startup labels    the same with 37 labels showing a text: the share of the
//                                    font set-up any window with text pays
// Each prints "startup_us N": from QApplication construction to the end of the main window's
// first paint, then quits. scripts/bench runs both under /usr/bin/time -v for the peak memory.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "ui/application.h"
#include "ui/demarrage.h"
#include "ui/selection.h"

namespace {

using Clock = std::chrono::steady_clock;

// Answers the card with a key as soon as it is shown, and stops the clock once the watched
// window has finished its first paint.
class StartupWatcher : public QObject {
  public:
    StartupWatcher(Clock::time_point start, bool (*isMainWindow)(QObject*))
        : m_start(start), m_isMainWindow(isMainWindow) {}

    long long elapsedMicroseconds() const { return m_elapsed; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* card = qobject_cast<Demarrage*>(watched)) {
                QCoreApplication::postEvent(
                    card, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier,
                                        QStringLiteral(" ")));
            }
        } else if (event->type() == QEvent::Paint && m_elapsed < 0 && !m_stopping &&
                   m_isMainWindow(watched)) {
            // The paint is under way; a zero timer fires once it and its children are done.
            m_stopping = true;
            QTimer::singleShot(0, [this] {
                m_elapsed =
                    std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - m_start)
                        .count();
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    Clock::time_point m_start;
    bool (*m_isMainWindow)(QObject*);
    bool m_stopping = false;
    long long m_elapsed = -1;
};

bool isSelection(QObject* object) {
    return qobject_cast<Selection*>(object) != nullptr;
}

bool isBareWindow(QObject* object) {
    return object->objectName() == QLatin1String("bare");
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool program = argc > 1 && std::strcmp(argv[1], "program") == 0;
    const bool labels = argc > 1 && std::strcmp(argv[1], "labels") == 0;
    const bool bare = labels || (argc > 1 && std::strcmp(argv[1], "bare") == 0);
    if (!program && !bare) {
        std::fprintf(stderr, "usage: %s program|bare|labels\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    const Clock::time_point start = Clock::now();
    QApplication app(argc, argv);
    StartupWatcher watcher(start, program ? isSelection : isBareWindow);
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
    return status;
}
