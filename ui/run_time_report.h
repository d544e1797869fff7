#pragma once

#include "catalogue/run_time_error.h"

class QWidget;

// The critical box a caster knows from the original program: "Erreur d'exécution N".
void showRunTimeError(QWidget* parent, const gypsomix::RunTimeError& error);
