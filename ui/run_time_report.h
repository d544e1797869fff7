#pragma once

#include "catalogue/run_time_error.h"

class QWidget;

// The numbered critical box, "Erreur d'exécution N", whose number a caster can quote.
void showRunTimeError(QWidget* parent, const gypsomix::RunTimeError& error);
