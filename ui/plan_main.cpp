#include <QApplication>

#include "ui/application.h"

int main(int argc, char* argv[]) {
    // A sheet written from the command line shows no window, so it needs no display either.
    if (planShowsNoWindow(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    setUpPlanApplication(app);
    return runPlan(app);
}
