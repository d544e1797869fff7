// Renders the windows to PNG files without a display, for the README and for looking at
// every stage: screenshot <output.png> <stage> [material row] [flask row]
// where stage is card, start, material or flask.
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QTimer>

#include "ui/application.h"
#include "ui/demarrage.h"
#include "ui/selection.h"

namespace {

// Chooses the row as a user would, one Down key at a time from the prompt.
void choose(QComboBox* list, int row) {
    for (int i = list->currentIndex(); i < row; ++i) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(list, &down);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication(app);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        qWarning("usage: screenshot <output.png> card|start|material|flask [material] [flask]");
        return 2;
    }
    const QString output = args.at(1);
    const QString stage = args.at(2);
    const int material = args.size() > 3 ? args.at(3).toInt() : 0;
    const int flask = args.size() > 4 ? args.at(4).toInt() : 0;

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
    if (stage == QLatin1String("material") || stage == QLatin1String("flask")) {
        choose(materials, material);
    }
    if (stage == QLatin1String("flask")) {
        choose(flasks, flask);
    }
    QCoreApplication::processEvents();
    return window.grab().save(output) ? 0 : 1;
}
