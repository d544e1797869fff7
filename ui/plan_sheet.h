#pragma once

#include <QDate>
#include <QString>

#include "document/plan_figures.h"
#include "ui/mixing_sheet.h"

class QWidget;

// The mixing sheet of a plan, from the plan and its figures alone, dated `date`.
MixingSheet mixingSheetOf(const gypsomix::PlanDocument& plan, const gypsomix::PlanFigures& figures,
                          const QDate& date);

// Writes the sheet as a one-page PDF at `path`, whole or not at all: on failure no file is left
// there, nor is one that was there touched. Returns false on failure.
bool writeMixingSheet(const QString& path, const MixingSheet& sheet);

// The print dialog, then the sheet; a failure is said in a message box.
void printMixingSheet(QWidget* parent, const MixingSheet& sheet);
// A file dialog for the PDF, then the sheet; a failure is said in a message box.
void saveMixingSheet(QWidget* parent, const MixingSheet& sheet);
