#include "ui/run_time_report.h"

#include <QCoreApplication>
#include <QMessageBox>

QString translatedText(const gypsomix::Message& message) {
    if (message.context == nullptr) {
        return QString::fromStdString(message.text);
    }
    const QString text = QCoreApplication::translate(message.context, message.text.c_str());
    QString result;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const int index = at + 1 < text.size() ? text[at + 1].digitValue() - 1 : -1;
        if (text[at] == QLatin1Char('%') && index >= 0 && index < int(message.arguments.size())) {
            result += translatedText(message.arguments[std::size_t(index)]);
            ++at;
        } else {
            result += text[at];
        }
    }
    return result;
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
