#pragma once

#include <QStringList>

class QCoreApplication;

// The casting plan speaks French, its source language, or English.
enum class PlanLanguage { French, English };

// The first of the desktop's preferred languages that the plan has; French when it has none of
// them. `uiLanguages` is in the order of QLocale::uiLanguages(): "en-US", "en", "fr-CA"…
PlanLanguage planLanguageFor(const QStringList& uiLanguages);

// Installs the plan's English texts, or the toolkit's own French ones, as the desktop's
// languages ask. The translators are children of `app`.
PlanLanguage installPlanTranslators(QCoreApplication& app, const QStringList& uiLanguages);
