#include <QApplication>

#include "ui/application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpPlanApplication(app);
    return runPlan(app);
}
