#include "ui/plan_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "document/plan_file.h"
#include "ui/run_time_report.h"

namespace {

QString refused(const QString& path, const QString& why) {
    return QCoreApplication::translate("PlanFiles", "Le plan « %1 » n'a pas pu être ouvert : %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

}  // namespace

QString planFileFilter() {
    return QCoreApplication::translate("PlanFiles", "Plans de coulée (*.%1)")
        .arg(QLatin1String(kPlanSuffix));
}

std::variant<gypsomix::PlanDocument, QString> readPlanFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return refused(path, file.errorString());
    }
    // Never more than the largest plan and one byte: a huge file is refused without reading it.
    const QByteArray bytes = file.read(qint64(gypsomix::plan_file_max_bytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        return refused(path, file.errorString());
    }
    try {
        return gypsomix::read_plan_file(
            std::string_view(bytes.constData(), std::size_t(bytes.size())));
    } catch (const gypsomix::PlanFileError& error) {
        return refused(path, translatedText(error.message()));
    }
}

QString writePlanFile(const QString& path, const gypsomix::PlanDocument& plan) {
    const std::string bytes = gypsomix::write_plan_file(plan);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.commit()) {
        return QCoreApplication::translate("PlanFiles",
                                           "Le plan n'a pas pu être enregistré dans « %1 » : %2.")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    }
    return {};
}

QString planDisplayName(const QString& path) {
    return path.isEmpty() ? QCoreApplication::translate("PlanFiles", "Sans titre")
                          : QFileInfo(path).fileName();
}
