// Renders the windows to PNG files without a display, for the README and for looking at
// every stage: screenshot <output.png> <stage> [material row|last] [flask row|last]
// where stage is card, start, material or flask; material-list and flask-list are the material
// and the flask stages with that list open, drawn over the window where it opens.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include "ui/application.h"
#include "ui/demarrage.h"
#include "ui/selection.h"

namespace {

void sendKey(QWidget* to, QEvent::Type type, int key) {
    QKeyEvent event(type, key, Qt::NoModifier);
    QCoreApplication::sendEvent(to, &event);
}

// Chooses the row as a user would, one Down key at a time from the prompt; row "last" (-2)
// the way a long list is gone through: F4 opens it, End goes to its end, Return chooses.
void choose(QComboBox* list, int row) {
    if (row == -2) {
        sendKey(list, QEvent::KeyPress, Qt::Key_F4);
        sendKey(list->view(), QEvent::KeyPress, Qt::Key_End);
        sendKey(list->view(), QEvent::ShortcutOverride, Qt::Key_Return);
        return;
    }
    for (int i = list->currentIndex(); i < row; ++i) {
        sendKey(list, QEvent::KeyPress, Qt::Key_Down);
    }
}

// The window with the open list's popup drawn where it lies, on a grey ground where the popup
// reaches past the window.
QPixmap withPopup(QWidget& window, QComboBox* list) {
    list->showPopup();
    QCoreApplication::processEvents();
    QWidget* popup = list->view()->window();
    const QRect popupRect(window.mapFromGlobal(popup->geometry().topLeft()), popup->size());
    const QRect canvas = window.rect().united(popupRect);
    const qreal ratio = window.devicePixelRatioF();
    QPixmap picture(canvas.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::darkGray);
    QPainter painter(&picture);
    painter.translate(-canvas.topLeft());
    painter.drawPixmap(0, 0, window.grab());
    painter.drawPixmap(popupRect.topLeft(), popup->grab());
    return picture;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication(app);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        qWarning(
            "usage: screenshot <output.png> card|start|material|flask|material-list|flask-list "
            "[material] [flask]");
        return 2;
    }
    const QString output = args.at(1);
    const QString stage = args.at(2);
    const auto row = [&](int at) {
        return args.size() <= at                      ? 0
               : args.at(at) == QLatin1String("last") ? -2
                                                      : args.at(at).toInt();
    };
    const int material = row(3);
    const int flask = row(4);

    Selection window;
    bool saved = false;
    QTimer cardCloser;
    QObject::connect(&cardCloser, &QTimer::timeout, [&] {
        if (auto* card = qobject_cast<Demarrage*>(QApplication::activeModalWidget())) {
            if (stage == QLatin1String("card")) {
                saved = card->grab().save(output);
            }
            card->Form_KeyPress();
        }
    });
    cardCloser.start(50);
    window.Form_Load();
    cardCloser.stop();
    if (stage == QLatin1String("card")) {
        return saved ? 0 : 1;
    }

    window.show();
    auto* materials = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* flasks = window.findChild<QComboBox*>(QStringLiteral("Combo2"));
    const bool materialList = stage == QLatin1String("material-list");
    const bool flaskList = stage == QLatin1String("flask-list");
    if (stage == QLatin1String("material") || stage == QLatin1String("flask") || materialList ||
        flaskList) {
        choose(materials, material);
    }
    if (stage == QLatin1String("flask") || flaskList) {
        choose(flasks, flask);
    }
    QCoreApplication::processEvents();
    if (materialList || flaskList) {
        return withPopup(window, materialList ? materials : flasks).save(output) ? 0 : 1;
    }
    return window.grab().save(output) ? 0 : 1;
}
