#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <string_view>

#include "document/plan_catalogue.h"
#include "ui/application.h"
#include "ui/journal.h"
#include "ui/number_format.h"
#include "ui/plan_files.h"
#include "ui/plan_main_window.h"
#include "ui/plan_sheet.h"
#include "ui/plan_window.h"
#include "ui/run_time_report.h"

namespace {

// The texts of this file, for the translators.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PlanCommandLine)
};

// Exit statuses of the command line, as the manual page gives them.
constexpr int kSheetFailed = 1;  // the plan was read, but its sheet cannot be made or written
constexpr int kUnreadable = 2;   // the plan file cannot be read, or the command line is wrong

void say(const QString& message) {
    QTextStream(stderr) << Text::tr("gypsomix-plan : %1\n").arg(message);
}

int fail(int status, const QString& message) {
    say(message);
    return status;
}

// The sheet of a plan file, written without a window: the same document, catalogues and
// figures as the window would show.
int writeSheet(const QString& planPath, const QString& pdfPath) {
    auto read = readPlanFile(planPath);
    if (const auto* why = std::get_if<QString>(&read)) {
        return fail(kUnreadable, *why);
    }
    auto plan = std::get<gypsomix::PlanDocument>(std::move(read));
    const auto format = regionalNumberFormat();
    for (const auto& note : gypsomix::match_catalogues(plan, format).messages) {
        say(translatedText(note));
    }
    const auto figures = gypsomix::plan_figures(plan, format);
    const QString cannot = Text::tr("la fiche du plan « %1 » ne peut pas être faite : %2")
                               .arg(QDir::toNativeSeparators(planPath));
    if (!figures.has_material) {
        return fail(kSheetFailed, cannot.arg(Text::tr("aucun revêtement n'est choisi.")));
    }
    if (figures.error) {
        return fail(kSheetFailed, cannot.arg(translatedText(figures.error->message())));
    }
    if (!writeMixingSheet(pdfPath, mixingSheetOf(plan, figures, QDate::currentDate()))) {
        return fail(kSheetFailed, Text::tr("la fiche n'a pas pu être écrite dans « %1 ».")
                                      .arg(QDir::toNativeSeparators(pdfPath)));
    }
    return 0;
}

}  // namespace

bool planShowsNoWindow(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            return false;
        }
        if (arg == "--pdf" || arg.starts_with("--pdf=") || arg == "--export-journal" ||
            arg.starts_with("--export-journal=") || arg == "--help" || arg == "-h" ||
            arg == "--help-all" || arg == "--version" || arg == "-v") {
            return true;
        }
    }
    return false;
}

int runPlan(QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Text::tr("Gypsomix – Plan de coulée : les masses de revêtement et d'eau de plusieurs "
                 "cylindres."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption pdf(
        QStringLiteral("pdf"),
        Text::tr("Écrit la fiche de mélange du plan dans <fiche.pdf> et quitte, sans ouvrir de "
                 "fenêtre."),
        Text::tr("fiche.pdf"));
    parser.addOption(pdf);
    const QCommandLineOption exportJournal(
        QStringLiteral("export-journal"),
        Text::tr("Écrit le journal des coulées en CSV dans <journal.csv> et quitte, sans ouvrir de "
                 "fenêtre."),
        Text::tr("journal.csv"));
    parser.addOption(exportJournal);
    parser.addPositionalArgument(QStringLiteral("plan"),
                                 Text::tr("Le plan de coulée à ouvrir (.gypsoplan)."),
                                 QStringLiteral("[plan]"));
    if (!parser.parse(app.arguments())) {
        return fail(kUnreadable, parser.errorText());
    }
    if (parser.isSet(QStringLiteral("help"))) {
        parser.showHelp(0);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
    const QStringList plans = parser.positionalArguments();
    if (plans.size() > 1) {
        return fail(kUnreadable, Text::tr("un seul plan à la fois."));
    }
    if (parser.isSet(exportJournal)) {
        Journal journal(
            QDir(PlanPlaces::user().dataFolder).filePath(QStringLiteral("journal.sqlite")));
        const QString why = exportJournalCsv(journal, parser.value(exportJournal));
        if (!why.isEmpty()) {
            return fail(kUnreadable, why);
        }
        if (!journal.notice().isEmpty()) {
            say(journal.notice());
        }
        return 0;
    }
    if (parser.isSet(pdf)) {
        if (plans.isEmpty()) {
            return fail(kUnreadable, Text::tr("--pdf demande le plan dont écrire la fiche."));
        }
        return writeSheet(plans.first(), parser.value(pdf));
    }

    PlanMainWindow window(PlanPlaces::user());
    window.show();
    window.start();
    if (!plans.isEmpty() && window.maybeSave()) {
        window.openFile(plans.first());
    }
    return app.exec();
}
