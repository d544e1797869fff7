#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "catalogue/run_time_error.h"

class QWidget;

// A core text in the language the program speaks: its template as translated, with its
// arguments put in (themselves translated when they are texts, as they are when values).
QString translatedText(const gypsomix::Message& message);
QStringList translatedTexts(const std::vector<gypsomix::Message>& messages);

// The numbered critical box, "Erreur d'exécution N", whose number a caster can quote.
void showRunTimeError(QWidget* parent, const gypsomix::RunTimeError& error);
