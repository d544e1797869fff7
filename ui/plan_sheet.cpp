#include "ui/plan_sheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

#include "document/invariant_text.h"
#include "ui/number_format.h"

namespace {

QString regional(const std::string& invariant) {
    return QString::fromStdString(gypsomix::to_regional(invariant, regionalNumberFormat()));
}

QString text(const std::string& text) {
    return QString::fromStdString(text);
}

// The texts of this file, for the translators.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(MixingSheet)
};

}  // namespace

MixingSheet mixingSheetOf(const gypsomix::PlanDocument& plan, const gypsomix::PlanFigures& figures,
                          const QDate& date) {
    // The material's values as the main window labels them, in catalogue order.
    static const char* const kLabels[] = {
        QT_TRANSLATE_NOOP("MixingSheet", "Eau utilisée (%)"),
        QT_TRANSLATE_NOOP("MixingSheet", "Temps de malaxage (min)"),
        QT_TRANSLATE_NOOP("MixingSheet", "Temps de gel (min)"),
        QT_TRANSLATE_NOOP("MixingSheet", "Temps utile de coulabilité (min)"),
        QT_TRANSLATE_NOOP("MixingSheet", "Densité du revêtement liquide"),
        QT_TRANSLATE_NOOP("MixingSheet", "Expansion de prise à 1 heure"),
        QT_TRANSLATE_NOOP("MixingSheet", "Expansion de prise à 2 heures"),
    };
    MixingSheet sheet;
    sheet.date = date;
    QStringList values;
    if (plan.material) {
        sheet.material = text(plan.material->name);
        for (const std::string& value : plan.material->values) {
            values << regional(value);
        }
    }
    for (int i = 0; i < values.size() && i < int(std::size(kLabels)); ++i) {
        sheet.materialValues.push_back({Text::tr(kLabels[i]), values.at(i)});
    }
    sheet.mixWater = plan.material ? regional(plan.water_percent) : QString();
    const auto& volumes = figures.result.flask_volumes;
    for (std::size_t i = 0; i < plan.lines.size(); ++i) {
        const auto& line = plan.lines[i];
        sheet.lines.push_back(
            {line.flask ? text(line.flask->name) : Text::tr("Autre"), line.count,
             regional(line.diameter), regional(line.height),
             line.unit == gypsomix::LengthUnit::inch ? Text::tr("po") : Text::tr("mm"),
             regional(line.tree_cm3), i < volumes.size() ? text(volumes[i]) : QString()});
    }
    sheet.volume = text(figures.result.volume);
    sheet.margin = plan.margin == 10  ? QStringLiteral("+10%")
                   : plan.margin == 5 ? QStringLiteral("+ 5%")
                                      : Text::tr("Brut");
    sheet.powder = text(figures.result.masses.powder);
    sheet.water = text(figures.result.masses.water);
    sheet.special = plan.special_liquid_percent.has_value();
    if (sheet.special) {
        sheet.concentration = regional(*plan.special_liquid_percent);
        if (figures.split) {
            sheet.specialLiquid = text(figures.split->special);
            sheet.splitWater = text(figures.split->water);
        }
    }
    // Mixing, pourable and gel times: the second, fourth and third of the material's values.
    if (values.size() >= 4) {
        try {
            const auto times =
                gypsomix::working_schedule(values.at(1).toStdString(), values.at(3).toStdString(),
                                           values.at(2).toStdString(), regionalNumberFormat());
            sheet.schedule = MixingSheet::Schedule{times, values.at(1), values.at(3), values.at(2)};
        } catch (const gypsomix::RunTimeError&) {
            // The sheet says the times are missing instead of drawing a wrong bar.
        }
    }
    sheet.metal = metalSheetOf(plan, figures);
    sheet.oven = ovenSheetOf(plan);
    return sheet;
}

bool writeMixingSheet(const QString& path, const MixingSheet& sheet) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(Text::tr("Fiche de mélange"));
        writer.setCreator(Text::tr("Gypsomix – Plan de coulée"));
        if (!renderMixingSheet(writer, sheet)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

void printMixingSheet(QWidget* parent, const MixingSheet& sheet) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(Text::tr("Fiche de mélange"));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(Text::tr("Imprimer la fiche de mélange"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!renderMixingSheet(printer, sheet)) {
        QMessageBox::warning(parent, QStringLiteral("Gypsomix"),
                             Text::tr("La fiche de mélange n'a pas pu être imprimée."));
    }
}

void saveMixingSheet(QWidget* parent, const MixingSheet& sheet) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(
        Text::tr("Fiche de mélange %1.pdf").arg(QDate::currentDate().toString(Qt::ISODate)));
    QString path = QFileDialog::getSaveFileName(parent, Text::tr("Enregistrer la fiche de mélange"),
                                                suggested, Text::tr("Document PDF (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    if (!writeMixingSheet(path, sheet)) {
        QMessageBox::warning(parent, QStringLiteral("Gypsomix"),
                             Text::tr("La fiche de mélange n'a pas pu être écrite dans « %1 ».")
                                 .arg(QDir::toNativeSeparators(path)));
    }
}
