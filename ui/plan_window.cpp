#include "ui/plan_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QConcatenateTablesProxyModel>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStyle>

#include "catalogue/catalogue.h"
#include "document/invariant_text.h"
#include "document/plan_catalogue.h"
#include "ui/catalogue_list_model.h"
#include "ui/number_format.h"
#include "ui/pictures.h"
#include "ui/plan_editor.h"
#include "ui/plan_fields.h"
#include "ui/plan_sheet.h"
#include "ui/plan_window_line.h"
#include "ui/run_time_report.h"
#include "ui/working_timer.h"
#include "ui_plan_window.h"

namespace {

using gypsomix::to_invariant;
using gypsomix::to_regional;

void setText(QLineEdit* field, const std::string& text) {
    field->setText(QString::fromStdString(text));
}

const char* const kFaultStyle =
    "QLineEdit[fault=\"true\"], QSpinBox[fault=\"true\"] { border: 2px solid #d0312d; "
    "border-radius: 3px; padding: 1px; }";

}  // namespace

PlanWindow::PlanWindow(PlanEditor& editor, QWidget* parent)
    : QWidget(parent), m_editor(editor), ui(new Ui::PlanWindow) {
    // Before the fields are made, so that each is styled once rather than again here.
    setStyleSheet(QString::fromLatin1(kFaultStyle));
    ui->setupUi(this);
    setObjectName(QStringLiteral("Plan de coulée"));
    setWindowIcon(loadIcon(QStringLiteral("gypsomix"), {16, 32, 48, 64}));

    // The masses are what the caster weighs from: large, bold, and readable from the bench.
    for (QLineEdit* mass : {ui->powderMass, ui->waterMass, ui->specialMass, ui->splitWater}) {
        QFont font = mass->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() *
                           (mass == ui->powderMass || mass == ui->waterMass ? 2.0 : 1.5));
        mass->setFont(font);
    }
    colourMasses();
    // Room for the widest figure the results take: seven digits, a separator and a sign.
    for (QLineEdit* result :
         {ui->totalVolume, ui->powderMass, ui->waterMass, ui->specialMass, ui->splitWater}) {
        result->setMinimumWidth(
            QFontMetrics(result->font()).horizontalAdvance(QStringLiteral("-0,0000000")) + 16);
    }

    m_flaskCatalogue = new CatalogueListModel(this);
    m_flasks = withOther(m_flaskCatalogue);
    m_materialCatalogue = new CatalogueListModel(this);
    prepareCatalogueList(ui->materialList);
    ui->materialList->setModel(m_materialCatalogue);
    ui->materialList->setCurrentIndex(-1);

    // Only what the caster does becomes an edit; showing the plan sets the widgets quietly.
    connect(ui->materialList, &QComboBox::activated, this, &PlanWindow::materialChosen);
    connect(ui->mixWater, &QLineEdit::textEdited, this, [this] {
        m_editor.type(
            PlanEditor::Field::water, 0, tr("Saisir l'eau pour ce mélange"),
            [text = invariantOf(ui->mixWater)](auto& plan) { plan.water_percent = text; });
    });
    connect(ui->concentration, &QLineEdit::textEdited, this, [this] {
        m_editor.type(PlanEditor::Field::concentration, 0, tr("Saisir la concentration"),
                      [text = invariantOf(ui->concentration)](auto& plan) {
                          plan.special_liquid_percent = text;
                      });
    });
    connect(ui->specialGroup, &QGroupBox::clicked, this, [this](bool on) {
        std::optional<std::string> percent;
        if (on) {
            percent = invariantOf(ui->concentration);
        }
        m_editor.choose(tr("Choisir le liquide spécial"),
                        [percent](auto& plan) { plan.special_liquid_percent = percent; });
    });
    const std::pair<QRadioButton*, int> margins[] = {
        {ui->marginBrut, 0}, {ui->marginPlus5, 5}, {ui->marginPlus10, 10}};
    for (const auto& [option, percent] : margins) {
        connect(option, &QRadioButton::clicked, this, [this, percent = percent] {
            m_editor.choose(tr("Choisir la marge"),
                            [percent](auto& plan) { plan.margin = percent; });
        });
    }
    connect(ui->timer, &WorkingTimer::startRequested, this, &PlanWindow::startTimer);
    connect(ui->printSheet, &QPushButton::clicked, this, &PlanWindow::printSheet);
    connect(ui->saveSheet, &QPushButton::clicked, this, &PlanWindow::saveSheet);
    connect(ui->addLine, &QPushButton::clicked, this, &PlanWindow::addFlaskLine);
    connect(ui->duplicateLine, &QPushButton::clicked, this, &PlanWindow::duplicateFlaskLine);
    connect(ui->removeLine, &QPushButton::clicked, this, &PlanWindow::removeFlaskLine);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (int i = 0; i < lineCount(); ++i) {
            if (now && m_lines[std::size_t(i)]->widgets().contains(now)) {
                m_currentLine = i;
                ui->linesArea->ensureWidgetVisible(now);
            }
        }
    });
    connect(&m_editor, &PlanEditor::changed, this, &PlanWindow::showPlan);
    connect(&m_editor, &PlanEditor::replaced, this, [this] {
        m_currentLine = 0;
        ui->timer->stop();
    });
    connect(ui->timer, &WorkingTimer::runningChanged, this, [this](bool running) {
        if (!running) {
            m_mixedAt.reset();
        }
    });
    // The cast goes into the journal from beside the timer, where the caster is when mixing.
    auto* record = new QPushButton(tr("Consi&gner la coulée"), this);
    record->setObjectName(QStringLiteral("recordCast"));
    record->setToolTip(tr("Consigner le plan et ses résultats dans le journal des coulées"));
    ui->rightColumn->insertWidget(ui->rightColumn->indexOf(ui->timer) + 1, record);
    connect(record, &QPushButton::clicked, this, &PlanWindow::recordRequested);

    for (QWidget* field : {ui->mixWater, ui->concentration}) {
        keepUndoForThePlan(field);
    }
    ui->linesArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    showPlan();
    resize(size().expandedTo(minimumSizeHint()));
}

PlanWindow::~PlanWindow() {
    // Hiding the window as it goes moves the focus; this window must not hear of it any more.
    disconnect(qApp, nullptr, this, nullptr);
    // The lines' widgets go before the form that holds them.
    m_lines.clear();
}

void PlanWindow::loadCatalogues() {
    // Each catalogue on its own: a broken one leaves the other usable.
    try {
        m_materialCatalogue->load(gypsomix::MatRecord::path, gypsomix::MatRecord::fields);
    } catch (const gypsomix::RunTimeError& error) {
        showRunTimeError(this, error);
    }
    fitCatalogueList(ui->materialList, *m_materialCatalogue);
    try {
        m_flaskCatalogue->load(gypsomix::CylindreRecord::path, gypsomix::CylindreRecord::fields);
    } catch (const gypsomix::RunTimeError& error) {
        showRunTimeError(this, error);
    }
    // The lists are new: every choice is looked up in them again.
    m_shownMaterial.reset();
    for (const auto& line : m_lines) {
        const QSignalBlocker blocker(line->flask);
        fitCatalogueList(line->flask, *m_flaskCatalogue);
        line->shownFlask.reset();
    }
    showPlan();
}

// Every line offers "Autre" first, for a flask typed by hand, then the catalogue's flasks.
QAbstractItemModel* PlanWindow::withOther(CatalogueListModel* catalogue) {
    auto* other = new QStandardItemModel(this);
    auto* item = new QStandardItem(tr("Autre"));
    item->setData(-1, Qt::UserRole);
    other->appendRow(item);
    auto* both = new QConcatenateTablesProxyModel(this);
    both->addSourceModel(other);
    both->addSourceModel(catalogue);
    return both;
}

// The catalogue is read again at each choice: the plan keeps the values the caster saw.
void PlanWindow::materialChosen() {
    std::optional<gypsomix::CatalogueChoice> material;
    try {
        const auto record =
            gypsomix::fetch_record(gypsomix::MatRecord::path, gypsomix::MatRecord::fields,
                                   ui->materialList->currentData().toInt());
        if (record) {
            material = gypsomix::CatalogueChoice{ui->materialList->currentText().toStdString(),
                                                 gypsomix::invariant_values(*record)};
        }
    } catch (const gypsomix::RunTimeError& error) {
        showRunTimeError(this, error);
    }
    m_editor.choose(tr("Choisir le revêtement"), [material](auto& plan) {
        plan.material = material;
        // The job's water starts again from the material's own ratio.
        plan.water_percent = material ? material->values.at(0) : std::string();
    });
    // A material that could not be read is no choice: the list says so too.
    m_shownMaterial.reset();
    showMaterial();
}

// Water meets powder: the material's times are read again from the catalogue, as at any
// choice, so the timer runs on what the catalogue says now.
void PlanWindow::startTimer() {
    const auto& material = m_editor.plan().material;
    if (!material) {
        ui->timer->showProblem(tr("Choisissez d'abord un revêtement."));
        return;
    }
    try {
        // The record of the list's entry, as at its choice; by name for a plan opened with a
        // material the list does not show.
        const int ordinal =
            ui->materialList->currentIndex() >= 0 ? ui->materialList->currentData().toInt() : -1;
        const auto record =
            ordinal >= 0 ? gypsomix::fetch_record(gypsomix::MatRecord::path,
                                                  gypsomix::MatRecord::fields, ordinal)
                         : gypsomix::find_record(gypsomix::MatRecord::path,
                                                 gypsomix::MatRecord::fields, material->name);
        if (!record) {
            ui->timer->showProblem(
                tr("Ce revêtement n'est plus dans le catalogue : choisissez-le de nouveau."));
            return;
        }
        // Mixing, gel and pourable times are fields 3, 4 and 5 of the record.
        const auto format = regionalNumberFormat();
        const auto text = [&](std::size_t field) {
            return gypsomix::value_to_text((*record)[field - 1], format);
        };
        ui->timer->start(gypsomix::working_schedule(text(3), text(5), text(4), format));
        m_mixedAt = QDateTime::currentDateTime();
        emit timerStarted();
    } catch (const gypsomix::ScheduleError& error) {
        ui->timer->showProblem(tr("Les temps de ce revêtement ne conviennent pas : %1")
                                   .arg(translatedText(error.message())));
    } catch (const gypsomix::RunTimeError& error) {
        showRunTimeError(this, error);
        ui->timer->showProblem(tr("Le catalogue des revêtements n'a pas pu être lu."));
    }
}

int PlanWindow::indexOf(const FlaskLine* line) const {
    for (int i = 0; i < lineCount(); ++i) {
        if (m_lines[std::size_t(i)].get() == line) {
            return i;
        }
    }
    return -1;
}

void PlanWindow::flaskChosen(FlaskLine* line) {
    const int index = indexOf(line);
    const int ordinal = line->flask->currentData().toInt();
    std::optional<gypsomix::CatalogueChoice> flask;
    if (ordinal >= 0) {
        try {
            const auto record = gypsomix::fetch_record(gypsomix::CylindreRecord::path,
                                                       gypsomix::CylindreRecord::fields, ordinal);
            if (record) {
                flask = gypsomix::CatalogueChoice{line->flask->currentText().toStdString(),
                                                  gypsomix::invariant_values(*record)};
            }
        } catch (const gypsomix::RunTimeError& error) {
            showRunTimeError(this, error);
        }
    }
    m_editor.choose(tr("Choisir le cylindre"), [index, flask, ordinal](auto& plan) {
        auto& chosen = plan.lines.at(std::size_t(index));
        chosen.flask = flask;
        if (flask && flask->values.size() == 2) {
            // The catalogue's sizes are in millimetres.
            chosen.diameter = flask->values[0];
            chosen.height = flask->values[1];
            chosen.unit = gypsomix::LengthUnit::millimetre;
        } else if (ordinal >= 0) {
            // A flask that could not be read leaves no size that is not its own.
            chosen.diameter.clear();
            chosen.height.clear();
        }
    });
    line->shownFlask.reset();
    showLine(*line, m_editor.plan().lines.at(std::size_t(index)));
}

// A key in one of a line's fields. A size typed by hand is no longer the catalogue's flask.
void PlanWindow::typed(FlaskLine* line, QLineEdit* field) {
    const int index = indexOf(line);
    const std::string text = invariantOf(field);
    if (field == line->deduction) {
        m_editor.type(
            PlanEditor::Field::tree, index, tr("Saisir l'arbre et le socle"),
            [index, text](auto& plan) { plan.lines.at(std::size_t(index)).tree_cm3 = text; });
        return;
    }
    const bool diameter = field == line->diameter;
    m_editor.type(diameter ? PlanEditor::Field::diameter : PlanEditor::Field::height, index,
                  diameter ? tr("Saisir le diamètre") : tr("Saisir la hauteur"),
                  [index, text, diameter](auto& plan) {
                      auto& edited = plan.lines.at(std::size_t(index));
                      (diameter ? edited.diameter : edited.height) = text;
                      edited.flask.reset();
                  });
}

void PlanWindow::focusLine(int line) {
    if (line >= 0 && line < lineCount()) {
        m_currentLine = line;
        m_lines[std::size_t(line)]->flask->setFocus(Qt::OtherFocusReason);
    }
}

void PlanWindow::addFlaskLine() {
    m_editor.addLine();
    focusLine(lineCount() - 1);
}

void PlanWindow::duplicateFlaskLine() {
    const int source = std::clamp(m_currentLine, 0, lineCount() - 1);
    m_editor.duplicateLine(source);
    focusLine(source + 1);
}

void PlanWindow::removeFlaskLine() {
    const int index = std::clamp(m_currentLine, 0, lineCount() - 1);
    m_editor.removeLine(index);
    focusLine(std::min(index, lineCount() - 1));
}

// The window follows the plan: as many rows as it has lines, each showing its line.
void PlanWindow::showPlan() {
    const auto& plan = m_editor.plan();
    const int wanted = int(plan.lines.size());
    if (lineCount() != wanted) {
        while (lineCount() > wanted) {
            m_lines.pop_back();
        }
        while (lineCount() < wanted) {
            insertLine(lineCount());
        }
        placeLines();
        m_currentLine = std::min(m_currentLine, lineCount() - 1);
    }
    for (int i = 0; i < wanted; ++i) {
        showLine(*m_lines[std::size_t(i)], plan.lines[std::size_t(i)]);
    }
    showMaterial();
    const int margin = plan.margin;
    for (QRadioButton* option : {ui->marginBrut, ui->marginPlus5, ui->marginPlus10}) {
        const QSignalBlocker blocker(option);
        option->setChecked(margin == (option == ui->marginPlus10  ? 10
                                      : option == ui->marginPlus5 ? 5
                                                                  : 0));
    }
    {
        const QSignalBlocker blocker(ui->specialGroup);
        ui->specialGroup->setChecked(plan.special_liquid_percent.has_value());
    }
    if (plan.special_liquid_percent) {
        showInvariant(ui->concentration, *plan.special_liquid_percent);
    }
    recompute();
}

void PlanWindow::showLine(FlaskLine& line, const gypsomix::DocumentLine& plan) {
    const std::optional<std::string> name =
        plan.flask ? std::optional<std::string>(plan.flask->name) : std::nullopt;
    if (line.shownFlask != name || !name) {
        const QSignalBlocker blocker(line.flask);
        const int row = name ? m_flaskCatalogue->rowOf(*name) : -1;
        line.flask->setCurrentIndex(row + 1);  // "Autre" when the catalogue has no such flask
        line.shownFlask = name;
    }
    showInvariant(line.diameter, plan.diameter);
    showInvariant(line.height, plan.height);
    showInvariant(line.deduction, plan.tree_cm3);
    const QSignalBlocker unit(line.unit), count(line.count);
    line.unit->setCurrentIndex(plan.unit == gypsomix::LengthUnit::inch ? 1 : 0);
    line.count->setValue(plan.count);
}

void PlanWindow::showMaterial() {
    const auto& material = m_editor.plan().material;
    const std::optional<std::string> name =
        material ? std::optional<std::string>(material->name) : std::nullopt;
    if (m_shownMaterial != name || !name) {
        const QSignalBlocker blocker(ui->materialList);
        ui->materialList->setCurrentIndex(name ? m_materialCatalogue->rowOf(*name) : -1);
        m_shownMaterial = name;
    }
    // Water and density are the first and fifth of the material's values.
    const bool complete = material && material->values.size() == 7;
    setText(ui->catalogueWater,
            complete ? to_regional(material->values[0], regionalNumberFormat()) : std::string());
    setText(ui->density,
            complete ? to_regional(material->values[4], regionalNumberFormat()) : std::string());
    showInvariant(ui->mixWater, m_editor.plan().water_percent);
    ui->mixWater->setEnabled(material.has_value());
}

void PlanWindow::insertLine(int index) {
    auto line = std::make_unique<FlaskLine>();
    QWidget* parent = ui->linesWidget;
    line->number = new QLabel(parent);
    line->number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    line->flask = new QComboBox(parent);
    prepareCatalogueList(line->flask);
    line->flask->setModel(m_flasks);
    fitCatalogueList(line->flask, *m_flaskCatalogue);
    // Room for a flask's name as catalogues write it, "Ø 76,2 × 101,6 mm (3 × 4 po)".
    line->flask->setMinimumContentsLength(24);
    line->diameter = new QLineEdit(parent);
    line->height = new QLineEdit(parent);
    line->unit = new QComboBox(parent);
    line->unit->addItem(tr("mm", "millimetres"));
    line->unit->addItem(tr("po", "inches"));
    line->unit->setToolTip(tr("mm : millimètres ; po : pouces (2 1/2 ou 2½ acceptés)"));
    line->count = new QSpinBox(parent);
    // A burnout takes a few flasks; fewer than one is no flask at all.
    line->count->setRange(1, gypsomix::plan_max_count);
    line->deduction = new QLineEdit(parent);
    line->deduction->setPlaceholderText(tr("aucun"));
    line->volume = new QLineEdit(parent);
    line->volume->setReadOnly(true);
    line->volume->setFocusPolicy(Qt::ClickFocus);
    for (QLineEdit* field : {line->diameter, line->height, line->deduction, line->volume}) {
        field->setAlignment(Qt::AlignCenter);
    }
    // Each field answers to its column's heading, as a caster reads the table.
    const QList<QLabel*> headers = {ui->flaskHeader, ui->diameterHeader, ui->heightHeader,
                                    ui->unitHeader,  ui->countHeader,    ui->deductionHeader,
                                    ui->volumeHeader};
    const QList<QWidget*> fields = line->widgets().mid(1);
    for (int i = 0; i < fields.size(); ++i) {
        fields[i]->setAccessibleName(headers[i]->text());
    }

    FlaskLine* raw = line.get();
    connect(raw->flask, &QComboBox::activated, this, [this, raw] { flaskChosen(raw); });
    for (QLineEdit* field : {raw->diameter, raw->height, raw->deduction}) {
        connect(field, &QLineEdit::textEdited, this, [this, raw, field] { typed(raw, field); });
    }
    connect(raw->unit, &QComboBox::activated, this, [this, raw](int unit) {
        const int index = indexOf(raw);
        const auto chosen =
            unit == 1 ? gypsomix::LengthUnit::inch : gypsomix::LengthUnit::millimetre;
        m_editor.choose(tr("Choisir l'unité"), [index, chosen](auto& plan) {
            auto& edited = plan.lines.at(std::size_t(index));
            edited.unit = chosen;
            edited.flask.reset();
        });
        emit flaskUnitChosen(chosen);
    });
    connect(raw->count, &QSpinBox::valueChanged, this, [this, raw](int count) {
        const int index = indexOf(raw);
        m_editor.type(
            PlanEditor::Field::count, index, tr("Changer le nombre"),
            [index, count](auto& plan) { plan.lines.at(std::size_t(index)).count = count; });
    });

    for (QWidget* field :
         {static_cast<QWidget*>(raw->diameter), static_cast<QWidget*>(raw->height),
          static_cast<QWidget*>(raw->deduction), static_cast<QWidget*>(raw->count)}) {
        keepUndoForThePlan(field);
    }
    m_lines.insert(m_lines.begin() + index, std::move(line));
    for (QWidget* widget : raw->widgets()) {
        widget->show();
    }
}

// Rows, numbers and the keyboard's order follow the lines after every change.
void PlanWindow::placeLines() {
    for (int i = 0; i < lineCount(); ++i) {
        const FlaskLine& line = *m_lines[std::size_t(i)];
        line.number->setText(QString::number(i + 1));
        const QList<QWidget*> widgets = line.widgets();
        for (int column = 0; column < widgets.size(); ++column) {
            ui->linesLayout->addWidget(widgets[column], i + 1, column);
            // A combo box is announced by its current entry, not by its name: the description
            // says which column it is in too.
            QWidget* widget = widgets[column];
            widget->setAccessibleDescription(
                qobject_cast<QComboBox*>(widget)
                    ? tr("%1, ligne %2").arg(widget->accessibleName()).arg(i + 1)
                    : tr("Ligne %1").arg(i + 1));
        }
    }
    // Rows left over from removed lines take no room.
    for (int row = lineCount() + 1; row < ui->linesLayout->rowCount(); ++row) {
        ui->linesLayout->setRowStretch(row, 0);
    }
    ui->linesLayout->setRowStretch(ui->linesLayout->rowCount(), 1);

    QList<QWidget*> chain = {ui->materialList, ui->mixWater};
    for (const auto& line : m_lines) {
        chain << line->flask << line->diameter << line->height << line->unit << line->count
              << line->deduction;
    }
    chain << ui->addLine << ui->duplicateLine << ui->removeLine << ui->marginBrut << ui->marginPlus5
          << ui->marginPlus10 << ui->specialGroup << ui->concentration << ui->totalVolume
          << ui->powderMass << ui->waterMass << ui->specialMass << ui->splitWater;
    for (int i = 1; i < chain.size(); ++i) {
        setTabOrder(chain[i - 1], chain[i]);
    }
    ui->removeLine->setEnabled(lineCount() > 1);
    // Every column stays in view: the table scrolls down, never sideways.
    ui->linesArea->setMinimumWidth(ui->linesWidget->minimumSizeHint().width() +
                                   style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
}

void PlanWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        colourMasses();
    }
    QWidget::changeEvent(event);
}

MixingSheet PlanWindow::mixingSheet() const {
    return mixingSheetOf(m_editor.plan(), m_figures, QDate::currentDate());
}

void PlanWindow::printSheet() {
    printMixingSheet(this, mixingSheet());
}

void PlanWindow::saveSheet() {
    saveMixingSheet(this, mixingSheet());
}

bool PlanWindow::saveSheetTo(const QString& path) const {
    return writeMixingSheet(path, mixingSheet());
}
