#include "ui/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include "catalogue/run_time_error.h"
#include "ui/plan_language.h"
#include "ui/run_time_report.h"
#include "ui/selection.h"

namespace {

void setUpCommon(QApplication& app, const QString& desktopFile) {
    app.setApplicationName(QStringLiteral("Gypsomix"));
    // Links the window to its menu entry (and icon) on Wayland desktops.
    app.setDesktopFileName(desktopFile);
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        app.setStyle(fusion);
    }
}

}  // namespace

void setUpApplication(QApplication& app) {
    setUpCommon(app, QStringLiteral("io.github.gypsomix.Gypsomix"));
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_fr"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(translator);
    } else {
        delete translator;
    }
    // Liberation Sans at 8 points, for its Arial metrics: the longest label, "Temps utile de
    // coulabilité (min)", then fits the fixed 153 pixels the window gives it.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.0);
    app.setFont(font);
}

void setUpPlanApplication(QApplication& app) {
    setUpCommon(app, QStringLiteral("io.github.gypsomix.Gypsomix.Plan"));
    installPlanTranslators(app, QLocale().uiLanguages());
    app.setApplicationVersion(QStringLiteral(GYPSOMIX_VERSION));
}

int runProgram(QApplication& app) {
    Selection window;
    // The card is the only window while it is up; closing it must not end the program.
    const bool quitOnLast = app.quitOnLastWindowClosed();
    app.setQuitOnLastWindowClosed(false);
    try {
        window.Form_Load();
    } catch (const gypsomix::RunTimeError& error) {
        showRunTimeError(nullptr, error);
        return 1;
    }
    app.setQuitOnLastWindowClosed(quitOnLast);
    window.show();
    return app.exec();
}
