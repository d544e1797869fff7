#include <QPushButton>
#include <QStyle>

#include "document/plan_figures.h"
#include "ui/number_format.h"
#include "ui/plan_editor.h"
#include "ui/plan_window.h"
#include "ui/plan_window_line.h"
#include "ui/run_time_report.h"
#include "ui_plan_window.h"

// The plan window's figures: worked out from the plan at every change, shown, or the fault that
// stands in their place.

namespace {

void setText(QLineEdit* field, const std::string& text) {
    field->setText(QString::fromStdString(text));
}

// What the window asks for when an input is still empty: on its line, or for the job.
QString missing(gypsomix::PlanField field, int line) {
    switch (field) {
        case gypsomix::PlanField::density:
            return PlanWindow::tr("Indiquez la densité du revêtement.");
        case gypsomix::PlanField::water:
            return PlanWindow::tr("Indiquez l’eau pour ce mélange.");
        case gypsomix::PlanField::diameter:
            return PlanWindow::tr("Ligne %1 : indiquez le diamètre.").arg(line);
        case gypsomix::PlanField::height:
            return PlanWindow::tr("Ligne %1 : indiquez la hauteur.").arg(line);
        case gypsomix::PlanField::count:
            return PlanWindow::tr("Ligne %1 : indiquez le nombre.").arg(line);
        case gypsomix::PlanField::deduction:
            return PlanWindow::tr("Ligne %1 : indiquez l’arbre et le socle.").arg(line);
        case gypsomix::PlanField::concentration:
            return PlanWindow::tr("Indiquez la concentration.");
        default:
            return line > 0 ? PlanWindow::tr("Ligne %1 : indiquez une valeur.").arg(line)
                            : PlanWindow::tr("Indiquez une valeur.");
    }
}

}  // namespace

void PlanWindow::recompute() {
    clearResults();
    const auto& plan = m_editor.plan();
    const bool special = plan.special_liquid_percent.has_value();
    ui->waterMassLabel->setText(special ? tr("Liquide total (g)") : tr("Masse d'eau (g)"));
    for (QWidget* widget :
         {static_cast<QWidget*>(ui->specialMassLabel), static_cast<QWidget*>(ui->specialMass),
          static_cast<QWidget*>(ui->splitWaterLabel), static_cast<QWidget*>(ui->splitWater)}) {
        widget->setVisible(special);
    }

    m_figures = gypsomix::plan_figures(plan, regionalNumberFormat());
    if (m_figures.error) {
        showError(*m_figures.error);
        return;
    }
    const auto& result = m_figures.result;
    for (int i = 0; i < lineCount() && std::size_t(i) < result.flask_volumes.size(); ++i) {
        setText(m_lines[std::size_t(i)]->volume, result.flask_volumes[std::size_t(i)]);
    }
    setText(ui->totalVolume, result.volume);
    if (!m_figures.has_material) {
        showMessage(tr("Choisissez un revêtement : les masses suivront."), false);
        return;
    }
    setText(ui->powderMass, result.masses.powder);
    setText(ui->waterMass, result.masses.water);
    if (m_figures.split) {
        setText(ui->specialMass, m_figures.split->special);
        setText(ui->splitWater, m_figures.split->water);
    }
    for (QPushButton* button : {ui->printSheet, ui->saveSheet}) {
        button->setEnabled(true);
    }
}

void PlanWindow::clearResults() {
    // A sheet without its masses would only be weighed wrong.
    for (QPushButton* button : {ui->printSheet, ui->saveSheet}) {
        button->setEnabled(false);
    }
    for (QWidget* field : std::as_const(m_marked)) {
        setMarked(field, false);
    }
    m_marked.clear();
    for (QLineEdit* field :
         {ui->totalVolume, ui->powderMass, ui->waterMass, ui->specialMass, ui->splitWater}) {
        field->clear();
    }
    for (const auto& line : m_lines) {
        line->volume->clear();
    }
    showMessage(QString(), false);
}

void PlanWindow::showError(const gypsomix::PlanError& error) {
    QWidget* field = fieldOf(error);
    const auto* edit = qobject_cast<QLineEdit*>(field);
    if (edit && edit->text().trimmed().isEmpty()) {
        // An empty field is a plan not finished yet, not a fault.
        showMessage(missing(error.field(), error.line()), false);
        return;
    }
    if (field) {
        setMarked(field, true);
    }
    showMessage(translatedText(error.message()), true);
}

QWidget* PlanWindow::fieldOf(const gypsomix::PlanError& error) const {
    const int line = error.line() - 1;
    const FlaskLine* flask =
        line >= 0 && line < lineCount() ? m_lines[std::size_t(line)].get() : nullptr;
    switch (error.field()) {
        case gypsomix::PlanField::density:
            return ui->density;
        case gypsomix::PlanField::water:
            return ui->mixWater;
        case gypsomix::PlanField::concentration:
            return ui->concentration;
        case gypsomix::PlanField::diameter:
            return flask ? flask->diameter : nullptr;
        case gypsomix::PlanField::height:
            return flask ? flask->height : nullptr;
        case gypsomix::PlanField::count:
            return flask ? flask->count : nullptr;
        case gypsomix::PlanField::deduction:
            return flask ? flask->deduction : nullptr;
        default:
            // A result beyond range: no single input is at fault.
            return nullptr;
    }
}

void PlanWindow::setMarked(QWidget* field, bool marked) {
    field->setProperty("fault", marked);
    field->style()->unpolish(field);
    field->style()->polish(field);
    field->update();
    if (marked) {
        m_marked << field;
    }
}

void PlanWindow::showMessage(const QString& text, bool fault) {
    ui->message->setText(text);
    const QStyle::StandardPixmap icon =
        fault ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation;
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    ui->messageIcon->setPixmap(text.isEmpty() ? QPixmap()
                                              : style()->standardIcon(icon).pixmap(
                                                    QSize(size, size), devicePixelRatioF()));
    ui->message->setAccessibleName(fault ? tr("Erreur") : tr("Message"));
}

void PlanWindow::colourMasses() {
    // The blue of the main window's masses on a light background; a light blue on a dark one.
    const bool dark = palette().color(QPalette::Base).lightness() < 128;
    const QColor colour = dark ? QColor(140, 180, 255) : QColor(0, 0, 192);
    for (QLineEdit* mass : {ui->powderMass, ui->waterMass, ui->specialMass, ui->splitWater}) {
        QPalette palette = mass->palette();
        palette.setColor(QPalette::Text, colour);
        mass->setPalette(palette);
    }
}
