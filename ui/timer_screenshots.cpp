// Renders the timer in each of its states, in a light and a dark palette, to look at them:
//   gypsomix_timer_screenshots <folder> [suffix]
// writes <folder>/minuterie-<state>-<palette><suffix>.png.
#include <QApplication>
#include <QDir>
#include <QStyle>
#include <chrono>

#include "ui/application.h"
#include "ui/dark_palette.h"
#include "ui/working_timer.h"

using std::chrono::milliseconds;
using std::chrono::minutes;
using std::chrono::seconds;

namespace {

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
