#include "ui/run_time_report.h"

#include <QCoreApplication>
#include <QMessageBox>

QString translatedText(const gypsomix::Message& message) {
    if (message.context == nullptr) {
        return QString::fromStdString(message.text);
    }
    const QString pattern = QCoreApplication::translate(message.context, message.text.c_str());
    return QString::fromStdString(message.filled(
        pattern.toStdString(),
        [](const gypsomix::Message& argument) { return translatedText(argument).toStdString(); }));
}

QStringList translatedTexts(const std::vector<gypsomix::Message>& messages) {
    QStringList texts;
    for (const auto& message : messages) {
        texts << translatedText(message);
    }
    return texts;
}

void showRunTimeError(QWidget* parent, const gypsomix::RunTimeError& error) {
    QMessageBox box(
        QMessageBox::Critical, QStringLiteral("Gypsomix"),
        QCoreApplication::translate("RunTimeError", "Erreur d'exécution %1").arg(error.number()),
        QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("runTimeError"));
    box.setInformativeText(translatedText(error.message()));
    box.exec();
}
