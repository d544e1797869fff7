#include "ui/plan_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

PlanLanguage planLanguageFor(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages) {
        // "en", "en-US", "en_GB": only the language counts.
        const QString language =
            tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("fr")) {
            return PlanLanguage::French;
        }
        if (language == QLatin1String("en")) {
            return PlanLanguage::English;
        }
    }
    return PlanLanguage::French;
}

PlanLanguage installPlanTranslators(QCoreApplication& app, const QStringList& uiLanguages) {
    const PlanLanguage language = planLanguageFor(uiLanguages);
    auto* translator = new QTranslator(&app);
    // English: the plan's own texts; Qt's dialogs are in English without a file. French: the
    // plan's texts are already French, and Qt's dialogs take theirs from qtbase_fr.
    const bool loaded = language == PlanLanguage::English
                            ? translator->load(QStringLiteral(":/i18n/gypsomix-plan_en.qm"))
                            : translator->load(QStringLiteral("qtbase_fr"),
                                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (loaded) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
    return language;
}
