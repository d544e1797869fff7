#include "ui/run_time_report.h"

#include <QMessageBox>

void showRunTimeError(QWidget* parent, const gypsomix::RunTimeError& error) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Gypsomix"),
                    QStringLiteral("Erreur d'exécution %1").arg(error.number()), QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("runTimeError"));
    box.setInformativeText(QString::fromStdString(error.what()));
    box.exec();
}
