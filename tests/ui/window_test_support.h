#pragma once

#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <functional>
#include <optional>

#include "document/plan_document.h"
#include "ui/application.h"
#include "ui/selection.h"
#include "workdir.h"

// What a test saw of a modal window, kept after the window is gone.
struct ModalSeen {
    QString objectName, title, text;  // a message box's text, then its informative text
    QStringList buttons;
    bool mainWindowVisible = false;
};

// Answers modal windows as they open, each new one with the next answer in the queue. One left
// open for five seconds is closed, so that no test can hang on it.
class ModalAnswers : public QObject {
  public:
    using Answer = std::function<void(QWidget*)>;

    ModalAnswers() {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswers::poll);
        m_timer.start(10);
    }
    void then(Answer answer) { m_answers.push_back(std::move(answer)); }

    QList<ModalSeen> seen;
    bool gaveUp = false;

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != m_current) {
            m_current = modal;
            m_polls = 0;
            ModalSeen& seen = this->seen.emplace_back();
            seen.objectName = modal->objectName();
            seen.title = modal->windowTitle();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen.text = box->text() + QLatin1Char('\n') + box->informativeText();
                for (QAbstractButton* button : box->buttons()) {
                    seen.buttons << button->text().remove(QLatin1Char('&'));
                }
                seen.buttons.sort();
            }
            for (QWidget* top : QApplication::topLevelWidgets()) {
                seen.mainWindowVisible |=
                    top->objectName() == QStringLiteral("Sélection") && top->isVisible();
            }
            if (!m_answers.empty()) {
                m_answers.takeFirst()(modal);
            }
        } else if (modal && ++m_polls > 500) {
            gaveUp = true;
            modal->close();
        }
    }

    QTimer m_timer;
    QPointer<QWidget> m_current;
    QList<Answer> m_answers;
    int m_polls = 0;
};

// The answer that clicks a message box's button.
inline ModalAnswers::Answer press(QMessageBox::StandardButton which) {
    return [which](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->button(which)) {
            QTest::mouseClick(box->button(which), Qt::LeftButton);
        }
    };
}

// Runs this test program again with `variable` set to `value`, reads what it prints until `enough`
// holds for it, and kills it with SIGKILL there. What it printed; nothing when it ended by
// itself, never printed enough, or did not die of the kill.
inline std::optional<QByteArray> killWhen(const char* variable, const QString& value,
                                          const std::function<bool(const QByteArray&)>& enough) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(variable), value);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QByteArray out;
    const bool ready = child.waitForStarted() &&
                       QTest::qWaitFor(
                           [&] {
                               out += child.readAllStandardOutput();
                               return enough(out) || child.state() == QProcess::NotRunning;
                           },
                           30000);
    if (child.state() == QProcess::Running) {
        ::kill(pid_t(child.processId()), SIGKILL);
    }
    if (!child.waitForFinished() || child.exitStatus() != QProcess::CrashExit || !ready) {
        return std::nullopt;
    }
    return out + child.readAllStandardOutput();
}

// Sample catalogues, Windows-1252 with CR LF.
inline const QByteArray kMaterials =
    "\"Pl\xe2tre \xe0 bijoux\",38,3,10,8,1.8,0.48,0.55\r\n"
    "\"Rev\xeatement fluide\",40,3,12,9,1.75,0.42,0.5\r\n";
inline const QByteArray kFlasks =
    "\"Cylindre 100 \xd7 100\",100,100\r\n"
    "\"Cylindre 90 \xd7 110\",90,110\r\n";

// Writes both catalogues; an empty one stands for a missing file.
inline bool writeCatalogues(const TempWorkDir& dir, const QByteArray& materials = kMaterials,
                            const QByteArray& flasks = kFlasks) {
    const QString paths[] = {QStringLiteral("Data/Mat.txt"), QStringLiteral("Data/Cylindre.txt")};
    dir.remove(paths[0]);
    dir.remove(paths[1]);
    return (materials.isEmpty() || dir.write(paths[0], materials)) &&
           (flasks.isEmpty() || dir.write(paths[1], flasks));
}

template <typename T = QWidget>
T* control(QWidget& window, const char* name) {
    return window.findChild<T*>(QLatin1String(name));
}

inline QString text(QWidget& window, const char* name) {
    return control<QLineEdit>(window, name)->text();
}

// A window on its own catalogues in its own working directory, loaded with the card dismissed
// by a key, and shown.
struct Loaded {
    explicit Loaded(const QByteArray& materials = kMaterials, const QByteArray& flasks = kFlasks) {
        ModalAnswers answers;
        answers.then([](QWidget* card) { QTest::keyClick(card, Qt::Key_Space); });
        if (writeCatalogues(dir, materials, flasks)) {
            window.Form_Load();
            window.show();
            ok = answers.seen.size() == 1 && !answers.gaveUp &&
                 QTest::qWaitForWindowExposed(&window);
        }
    }
    TempWorkDir dir;
    Selection window;
    bool ok = false;
};

// Chooses a list entry with the mouse: opens the list by its arrow and clicks the entry.
inline bool chooseWithMouse(QComboBox* list, int row) {
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(list->width() - 7, list->height() / 2));
    QAbstractItemView* view = list->view();
    if (!QTest::qWaitFor([&] { return view->isVisible(); }, 2000)) {
        return false;
    }
    // The list ignores a release that follows its opening too closely (a press-drag-release).
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    // On the part of the row that shows: a row may reach past a narrow list.
    const QRect item = view->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(
        view->viewport(), Qt::LeftButton, {},
        QPoint(std::min(item.center().x(), view->viewport()->width() / 2), item.center().y()));
    return QTest::qWaitFor([&] { return !view->isVisible(); }, 2000);
}

// Chooses a list entry with the keyboard, one arrow key at a time.
inline void chooseWithKeys(QComboBox* list, int row) {
    for (int before = -2; list->currentIndex() != row && list->currentIndex() != before;) {
        before = list->currentIndex();
        QTest::keyClick(list, list->currentIndex() < row ? Qt::Key_Down : Qt::Key_Up);
    }
}

// Clicks an option on its round indicator, where a user aims.
inline void clickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(7, option->height() / 2));
}

// The figure with the decimal separator the run's LANG calls for, found without QLocale.
inline QString regional(QString text) {
    return text.replace(QLatin1Char(','), qgetenv("LANG").startsWith("fr") ? "," : ".");
}

// A plan line's field, found as a screen reader finds it: by its column and its line.
template <typename T = QLineEdit>
T* field(QWidget& window, int line, const QString& column) {
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (widget->accessibleName() == column &&
            widget->accessibleDescription().endsWith(QStringLiteral("igne %1").arg(line + 1)))
            return qobject_cast<T*>(widget);
    return nullptr;
}

// Gives the widget the focus and replaces its text by typing.
inline void typeInto(QWidget* widget, const QString& text) {
    widget->setFocus(Qt::TabFocusReason);
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(widget, Qt::Key_Delete);
    QTest::keyClicks(widget, text);
}

// The fields a window has framed in red as faults.
inline QList<QWidget*> marked(QWidget& window) {
    QList<QWidget*> widgets;
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (widget->property("fault").toBool())
            widgets << widget;
    return widgets;
}

// What a poppler tool prints for a file; a missing tool fails the comparison that follows.
inline QString pdfTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The three-line plan of the README, on the test catalogues' first material.
inline gypsomix::PlanDocument threeLines() {
    gypsomix::PlanDocument plan;
    plan.material = gypsomix::CatalogueChoice{"Pl\u00e2tre \u00e0 bijoux",
                                              {"38", "3", "10", "8", "1.8", "0.48", "0.55"}};
    plan.water_percent = "38";
    plan.lines = {{std::nullopt, "2 1/2", "3", gypsomix::LengthUnit::inch, 3, "12", ""},
                  {std::nullopt, "76.2", "101.6", gypsomix::LengthUnit::millimetre, 2, "", ""},
                  {gypsomix::CatalogueChoice{"Cylindre 100 \u00d7 100", {"100", "100"}}, "100",
                   "100", gypsomix::LengthUnit::millimetre, 1, "", ""}};
    return plan;
}
