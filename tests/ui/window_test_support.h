#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "ui/selection.h"
#include "workdir.h"

// What a test saw of a modal window, kept after the window is gone.
struct ModalSeen {
    QString objectName;
    QString title;
    QString text;
    QString informativeText;
    bool mainWindowVisible = false;
};

// Answers modal windows as they open: each new one gets the next answer in the queue.
// A modal window left open for too long is closed, so that no test can hang on one.
class ModalAnswers : public QObject {
  public:
    using Answer = std::function<void(QWidget*)>;

    explicit ModalAnswers(int patienceMs = 10000) : m_patienceMs(patienceMs) {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswers::poll);
        m_timer.start(10);
    }

    void then(Answer answer) { m_answers.push_back(std::move(answer)); }

    const QList<ModalSeen>& seen() const { return m_seen; }
    bool gaveUp() const { return m_gaveUp; }
    bool allAnswered() const { return m_answers.empty(); }

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            return;
        }
        if (modal != m_current) {
            m_current = modal;
            m_since.start();
            ModalSeen seen;
            seen.objectName = modal->objectName();
            seen.title = modal->windowTitle();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen.text = box->text();
                seen.informativeText = box->informativeText();
            }
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->objectName() == QStringLiteral("Sélection") && top->isVisible()) {
                    seen.mainWindowVisible = true;
                }
            }
            m_seen.append(seen);
            if (!m_answers.empty()) {
                Answer answer = std::move(m_answers.front());
                m_answers.pop_front();
                answer(modal);
            }
        } else if (m_since.elapsed() > m_patienceMs) {
            m_gaveUp = true;
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else {
                modal->close();
            }
        }
    }

    QTimer m_timer;
    std::deque<Answer> m_answers;
    QPointer<QWidget> m_current;
    QElapsedTimer m_since;
    QList<ModalSeen> m_seen;
    int m_patienceMs;
    bool m_gaveUp = false;
};

// The answers a user gives.
inline void pressKey(QWidget* modal, Qt::Key key = Qt::Key_Space) {
    QTest::keyClick(modal, key);
}

inline void clickButton(QWidget* modal, QMessageBox::StandardButton which) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box && box->button(which)) {
        QTest::mouseClick(box->button(which), Qt::LeftButton);
    }
}

// Two sample catalogues in the test's working directory, Windows-1252 with CR LF.
inline const QByteArray kMaterials =
    "\"Pl\xe2tre \xe0 bijoux\",38,3,10,8,1.8,0.48,0.55\r\n"
    "\"Rev\xeatement fluide\",40,3,12,9,1.75,0.42,0.5\r\n";
inline const QByteArray kFlasks =
    "\"Cylindre 100 \xd7 100\",100,100\r\n"
    "\"Cylindre 90 \xd7 110\",90,110\r\n";

inline bool writeCatalogues(const TempWorkDir& dir, const QByteArray& materials = kMaterials,
                            const QByteArray& flasks = kFlasks) {
    return dir.write(QStringLiteral("Data/Mat.txt"), materials) &&
           dir.write(QStringLiteral("Data/Cylindre.txt"), flasks);
}

template <typename T>
T* control(QWidget& window, const char* name) {
    return window.findChild<T*>(QLatin1String(name));
}

// Runs the load handler, dismissing the card with a key, and shows the window.
inline bool loadAndShow(Selection& window) {
    ModalAnswers answers;
    answers.then([](QWidget* card) { pressKey(card); });
    window.Form_Load();
    window.show();
    return answers.allAnswered() && !answers.gaveUp() && QTest::qWaitForWindowExposed(&window);
}

// Chooses a list entry with the mouse: opens the list by its arrow and clicks the entry.
inline bool chooseWithMouse(QComboBox* list, int row) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.subControls = QStyle::SC_All;
    const QRect arrow =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, list);
    QTest::mouseClick(list, Qt::LeftButton, {}, arrow.center());
    QAbstractItemView* view = list->view();
    if (!QTest::qWaitFor([&] { return view->isVisible(); }, 2000)) {
        return false;
    }
    // The list ignores a release that follows its opening too closely (a press-drag-release).
    QTest::qWait(QApplication::doubleClickInterval() + 20);
    const QRect item = view->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    return QTest::qWaitFor([&] { return !view->isVisible(); }, 2000);
}

// Chooses a list entry with the keyboard, one Down key at a time.
inline void chooseWithKeys(QComboBox* list, int row) {
    while (list->currentIndex() > row) {
        QTest::keyClick(list, Qt::Key_Up);
    }
    while (list->currentIndex() < row) {
        const int before = list->currentIndex();
        QTest::keyClick(list, Qt::Key_Down);
        if (list->currentIndex() == before) {
            return;
        }
    }
}

// Clicks an option on its round indicator, where a user aims.
inline void clickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(7, option->height() / 2));
}

// The decimal separator the run's LANG calls for, independently of QLocale.
inline QString expectedDecimal() {
    return qgetenv("LANG").startsWith("fr") ? QStringLiteral(",") : QStringLiteral(".");
}

inline QString regional(QString text) {
    return text.replace(QLatin1Char(','), expectedDecimal());
}
