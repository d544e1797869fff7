// Renders the timer in each of its states, in a light and a dark palette, to look at them:
//   gypsomix_timer_screenshots <folder> [suffix]
// writes <folder>/minuterie-<state>-<palette><suffix>.png.
#include <QApplication>
#include <QDir>
#include <QStyle>
#include <chrono>

#include "ui/application.h"
#include "ui/working_timer.h"

using std::chrono::milliseconds;
using std::chrono::minutes;
using std::chrono::seconds;

namespace {

// A dark desktop theme: dark window and fields, light text.
QPalette darkPalette() {
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

struct State {
    const char* name;
    milliseconds at;  // since the start; negative: stopped
    const char* problem = nullptr;
};

const State kStates[] = {
    {"pret", milliseconds(-1)},
    {"malaxage", minutes(1) + seconds(25)},
    {"coulee", minutes(5) + seconds(7)},
    {"prise", minutes(10) + seconds(42)},
    {"termine", minutes(75) + seconds(2)},
    {"probleme", milliseconds(-1),
     "Appel de procédure ou argument incorrect (temps de gel) : « 7 » min vient avant la fin "
     "de la coulée, « 8 » min."},
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication(app);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        qWarning("usage: gypsomix_timer_screenshots <folder> [suffix]");
        return 2;
    }
    const QDir folder(args.at(1));
    const QString suffix = args.size() > 2 ? args.at(2) : QString();
    bool saved = true;
    for (const auto& [paletteName, palette] :
         {std::pair{"clair", QApplication::style()->standardPalette()},
          std::pair{"sombre", darkPalette()}}) {
        QApplication::setPalette(palette);
        for (const State& state : kStates) {
            // A clock moved by hand: water meets powder at zero, the picture is taken at `at`.
            milliseconds now{0};
            WorkingTimer timer;
            timer.setClock([&now] { return now; });
            timer.show();
            if (state.problem) {
                timer.showProblem(QString::fromUtf8(state.problem));
            } else if (state.at >= milliseconds::zero()) {
                // A material of 3, 8 and 12 minutes.
                timer.start({minutes(3), minutes(8), minutes(12)});
                now = state.at;
                timer.refresh();
            }
            timer.resize(timer.sizeHint());
            QCoreApplication::processEvents();
            const QString file = folder.filePath(
                QStringLiteral("minuterie-%1-%2%3.png")
                    .arg(QLatin1String(state.name), QLatin1String(paletteName), suffix));
            saved = timer.grab().save(file) && saved;
        }
    }
    return saved ? 0 : 1;
}
