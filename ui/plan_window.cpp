#include "ui/plan_window.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QConcatenateTablesProxyModel>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStyle>

#include "catalogue/catalogue.h"
#include "ui/catalogue_list_model.h"
#include "ui/number_format.h"
#include "ui/pictures.h"
#include "ui/run_time_report.h"
#include "ui/working_timer.h"
#include "ui_plan_window.h"

namespace {

std::string textOf(const QLineEdit* field) {
    return field->text().toStdString();
}

void setText(QLineEdit* field, const std::string& text) {
    field->setText(QString::fromStdString(text));
}

// What the window calls each input when it is missing.
QString fieldName(gypsomix::PlanField field) {
    switch (field) {
        case gypsomix::PlanField::density:
            return QStringLiteral("la densité du revêtement");
        case gypsomix::PlanField::water:
            return QStringLiteral("l’eau pour ce mélange");
        case gypsomix::PlanField::diameter:
            return QStringLiteral("le diamètre");
        case gypsomix::PlanField::height:
            return QStringLiteral("la hauteur");
        case gypsomix::PlanField::count:
            return QStringLiteral("le nombre");
        case gypsomix::PlanField::deduction:
            return QStringLiteral("l’arbre et le socle");
        case gypsomix::PlanField::concentration:
            return QStringLiteral("la concentration");
        default:
            return QStringLiteral("une valeur");
    }
}

const char* const kFaultStyle =
    "QLineEdit[fault=\"true\"], QSpinBox[fault=\"true\"] { border: 2px solid #d0312d; "
    "border-radius: 3px; padding: 1px; }";

}  // namespace

struct PlanWindow::FlaskLine {
    QLabel* number = nullptr;
    QComboBox* flask = nullptr;
    QLineEdit* diameter = nullptr;
    QLineEdit* height = nullptr;
    QComboBox* unit = nullptr;
    QSpinBox* count = nullptr;
    QLineEdit* deduction = nullptr;
    QLineEdit* volume = nullptr;

    // In the order of the columns, which is also the order of the keyboard.
    QList<QWidget*> widgets() const {
        return {number, flask, diameter, height, unit, count, deduction, volume};
    }
    ~FlaskLine() { qDeleteAll(widgets()); }
};

PlanWindow::PlanWindow(QWidget* parent) : QWidget(parent), ui(new Ui::PlanWindow) {
    ui->setupUi(this);
    setObjectName(QStringLiteral("Plan de coulée"));
    setWindowIcon(loadIcon(QStringLiteral("gypsomix"), {16, 32, 48, 64}));
    setStyleSheet(QString::fromLatin1(kFaultStyle));

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

    connect(ui->materialList, &QComboBox::activated, this, &PlanWindow::materialChosen);
    connect(ui->mixWater, &QLineEdit::textChanged, this, &PlanWindow::recompute);
    connect(ui->concentration, &QLineEdit::textChanged, this, &PlanWindow::recompute);
    connect(ui->specialGroup, &QGroupBox::toggled, this, &PlanWindow::recompute);
    for (QRadioButton* option : {ui->marginBrut, ui->marginPlus5, ui->marginPlus10}) {
        connect(option, &QRadioButton::toggled, this, [this](bool selected) {
            if (selected) {
                recompute();
            }
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

    ui->mixWater->setEnabled(false);
    ui->linesArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    insertLine(0, nullptr);
    recompute();
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
    ui->materialList->setCurrentIndex(-1);
    try {
        m_flaskCatalogue->load(gypsomix::CylindreRecord::path, gypsomix::CylindreRecord::fields);
    } catch (const gypsomix::RunTimeError& error) {
        showRunTimeError(this, error);
    }
    for (const auto& line : m_lines) {
        const QSignalBlocker blocker(line->flask);
        fitCatalogueList(line->flask, *m_flaskCatalogue);
        line->flask->setCurrentIndex(0);
    }
    recompute();
}

// Every line offers "Autre" first, for a flask typed by hand, then the catalogue's flasks.
QAbstractItemModel* PlanWindow::withOther(CatalogueListModel* catalogue) {
    auto* other = new QStandardItemModel(this);
    auto* item = new QStandardItem(QStringLiteral("Autre"));
    item->setData(-1, Qt::UserRole);
    other->appendRow(item);
    auto* both = new QConcatenateTablesProxyModel(this);
    both->addSourceModel(other);
    both->addSourceModel(catalogue);
    return both;
}

void PlanWindow::materialChosen() {
    m_materialName.clear();
    m_materialValues.clear();
    for (QLineEdit* field : {ui->catalogueWater, ui->density}) {
        field->clear();
    }
    {
        const QSignalBlocker blocker(ui->mixWater);
        ui->mixWater->clear();
    }
    try {
        const auto record =
            gypsomix::fetch_record(gypsomix::MatRecord::path, gypsomix::MatRecord::fields,
                                   ui->materialList->currentData().toInt());
        if (record) {
            const auto format = regionalNumberFormat();
            for (std::size_t i = 1; i < record->size(); ++i) {
                m_materialValues << QString::fromStdString(
                    gypsomix::value_to_text((*record)[i], format));
            }
            m_materialName = ui->materialList->currentText();
            ui->catalogueWater->setText(m_materialValues.at(0));
            ui->density->setText(m_materialValues.at(4));
            const QSignalBlocker blocker(ui->mixWater);
            ui->mixWater->setText(ui->catalogueWater->text());
        }
    } catch (const gypsomix::RunTimeError& error) {
        showRunTimeError(this, error);
    }
    ui->mixWater->setEnabled(hasMaterial());
    recompute();
}

// Water meets powder: the material's times are read again from the catalogue, as at any
// choice, so the timer runs on what the catalogue says now.
void PlanWindow::startTimer() {
    if (!hasMaterial()) {
        ui->timer->showProblem(QStringLiteral("Choisissez d'abord un revêtement."));
        return;
    }
    try {
        const auto record =
            gypsomix::fetch_record(gypsomix::MatRecord::path, gypsomix::MatRecord::fields,
                                   ui->materialList->currentData().toInt());
        if (!record) {
            ui->timer->showProblem(
                QStringLiteral("Ce revêtement n'est plus dans le catalogue : choisissez-le de "
                               "nouveau."));
            return;
        }
        // Mixing, gel and pourable times are fields 3, 4 and 5 of the record.
        const auto format = regionalNumberFormat();
        const auto text = [&](std::size_t field) {
            return gypsomix::value_to_text((*record)[field - 1], format);
        };
        ui->timer->start(gypsomix::working_schedule(text(3), text(5), text(4), format));
    } catch (const gypsomix::ScheduleError& error) {
        ui->timer->showProblem(QStringLiteral("Les temps de ce revêtement ne conviennent pas : ") +
                               QString::fromStdString(error.what()));
    } catch (const gypsomix::RunTimeError& error) {
        showRunTimeError(this, error);
        ui->timer->showProblem(QStringLiteral("Le catalogue des revêtements n'a pas pu être lu."));
    }
}

void PlanWindow::flaskChosen(FlaskLine* line) {
    const int ordinal = line->flask->currentData().toInt();
    if (ordinal >= 0) {
        {
            const QSignalBlocker diameter(line->diameter), height(line->height), unit(line->unit);
            line->diameter->clear();
            line->height->clear();
            line->unit->setCurrentIndex(0);  // the catalogue's sizes are in millimetres
        }
        try {
            const auto record = gypsomix::fetch_record(gypsomix::CylindreRecord::path,
                                                       gypsomix::CylindreRecord::fields, ordinal);
            if (record) {
                const auto format = regionalNumberFormat();
                const QSignalBlocker diameter(line->diameter), height(line->height);
                setText(line->diameter, gypsomix::value_to_text((*record)[1], format));
                setText(line->height, gypsomix::value_to_text((*record)[2], format));
            }
        } catch (const gypsomix::RunTimeError& error) {
            showRunTimeError(this, error);
        }
    }
    recompute();
}

// A size typed by hand is no longer the catalogue's flask.
void PlanWindow::flaskSizeEdited(FlaskLine* line) {
    if (line->flask->currentIndex() != 0) {
        const QSignalBlocker blocker(line->flask);
        line->flask->setCurrentIndex(0);
    }
}

void PlanWindow::addFlaskLine() {
    insertLine(lineCount(), nullptr);
    m_currentLine = lineCount() - 1;
    m_lines.back()->flask->setFocus(Qt::OtherFocusReason);
    recompute();
}

void PlanWindow::duplicateFlaskLine() {
    const int source = std::clamp(m_currentLine, 0, lineCount() - 1);
    insertLine(source + 1, m_lines[std::size_t(source)].get());
    m_currentLine = source + 1;
    m_lines[std::size_t(m_currentLine)]->flask->setFocus(Qt::OtherFocusReason);
    recompute();
}

void PlanWindow::removeFlaskLine() {
    if (lineCount() <= 1) {
        return;
    }
    const int index = std::clamp(m_currentLine, 0, lineCount() - 1);
    m_lines.erase(m_lines.begin() + index);
    placeLines();
    m_currentLine = std::min(index, lineCount() - 1);
    m_lines[std::size_t(m_currentLine)]->flask->setFocus(Qt::OtherFocusReason);
    recompute();
}

void PlanWindow::insertLine(int index, const FlaskLine* copyOf) {
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
    line->unit->addItem(QStringLiteral("mm"));
    line->unit->addItem(QStringLiteral("po"));
    line->unit->setToolTip(QStringLiteral("mm : millimètres ; po : pouces (2 1/2 ou 2½ acceptés)"));
    line->count = new QSpinBox(parent);
    // A burnout takes a few flasks; fewer than one is no flask at all.
    line->count->setRange(1, 999);
    line->deduction = new QLineEdit(parent);
    line->deduction->setPlaceholderText(QStringLiteral("aucun"));
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

    if (copyOf) {
        line->flask->setCurrentIndex(copyOf->flask->currentIndex());
        line->diameter->setText(copyOf->diameter->text());
        line->height->setText(copyOf->height->text());
        line->unit->setCurrentIndex(copyOf->unit->currentIndex());
        line->count->setValue(copyOf->count->value());
        line->deduction->setText(copyOf->deduction->text());
    } else {
        line->flask->setCurrentIndex(0);
    }

    FlaskLine* raw = line.get();
    connect(raw->flask, &QComboBox::activated, this, [this, raw] { flaskChosen(raw); });
    for (QLineEdit* size : {raw->diameter, raw->height}) {
        connect(size, &QLineEdit::textEdited, this, [this, raw] { flaskSizeEdited(raw); });
    }
    connect(raw->unit, &QComboBox::activated, this, [this, raw] { flaskSizeEdited(raw); });
    for (QLineEdit* field : {raw->diameter, raw->height, raw->deduction}) {
        connect(field, &QLineEdit::textChanged, this, &PlanWindow::recompute);
    }
    connect(raw->unit, &QComboBox::currentIndexChanged, this, &PlanWindow::recompute);
    connect(raw->count, &QSpinBox::valueChanged, this, &PlanWindow::recompute);

    m_lines.insert(m_lines.begin() + index, std::move(line));
    placeLines();
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
                    ? QStringLiteral("%1, ligne %2").arg(widget->accessibleName()).arg(i + 1)
                    : QStringLiteral("Ligne %1").arg(i + 1));
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

std::vector<gypsomix::PlanLine> PlanWindow::planLines() const {
    std::vector<gypsomix::PlanLine> lines;
    lines.reserve(m_lines.size());
    for (const auto& line : m_lines) {
        gypsomix::PlanLine plan;
        plan.diameter = textOf(line->diameter);
        plan.height = textOf(line->height);
        plan.unit = line->unit->currentIndex() == 1 ? gypsomix::LengthUnit::inch
                                                    : gypsomix::LengthUnit::millimetre;
        plan.count = line->count->value();
        plan.deduction = textOf(line->deduction);
        lines.push_back(std::move(plan));
    }
    return lines;
}

gypsomix::Margin PlanWindow::margin() const {
    if (ui->marginPlus5->isChecked()) {
        return gypsomix::Margin::Plus5;
    }
    if (ui->marginPlus10->isChecked()) {
        return gypsomix::Margin::Plus10;
    }
    return gypsomix::Margin::Brut;
}

void PlanWindow::recompute() {
    clearResults();
    const bool special = ui->specialGroup->isChecked();
    ui->waterMassLabel->setText(special ? QStringLiteral("Liquide total (g)")
                                        : QStringLiteral("Masse d'eau (g)"));
    for (QWidget* widget :
         {static_cast<QWidget*>(ui->specialMassLabel), static_cast<QWidget*>(ui->specialMass),
          static_cast<QWidget*>(ui->splitWaterLabel), static_cast<QWidget*>(ui->splitWater)}) {
        widget->setVisible(special);
    }

    const auto format = regionalNumberFormat();
    try {
        gypsomix::PlanResult result;
        if (hasMaterial()) {
            result = gypsomix::plan_masses(textOf(ui->density), textOf(ui->mixWater), planLines(),
                                           margin(), format);
        } else {
            result = gypsomix::plan_volume(planLines(), format);
        }
        for (int i = 0; i < lineCount(); ++i) {
            setText(m_lines[std::size_t(i)]->volume, result.flask_volumes[std::size_t(i)]);
        }
        setText(ui->totalVolume, result.volume);
        if (!hasMaterial()) {
            showMessage(QStringLiteral("Choisissez un revêtement : les masses suivront."), false);
            return;
        }
        gypsomix::LiquidSplit split;
        if (special) {
            split = gypsomix::split_liquid(result.masses.water, textOf(ui->concentration), format);
        }
        setText(ui->powderMass, result.masses.powder);
        setText(ui->waterMass, result.masses.water);
        setText(ui->specialMass, split.special);
        setText(ui->splitWater, split.water);
        for (QPushButton* button : {ui->printSheet, ui->saveSheet}) {
            button->setEnabled(true);
        }
    } catch (const gypsomix::RunTimeError& error) {
        // No figure may stand that does not follow from every input.
        clearResults();
        showError(error);
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

void PlanWindow::showError(const gypsomix::RunTimeError& error) {
    const auto* planError = dynamic_cast<const gypsomix::PlanError*>(&error);
    QWidget* field = planError ? fieldOf(*planError) : nullptr;
    const auto* edit = qobject_cast<QLineEdit*>(field);
    if (planError && edit && edit->text().trimmed().isEmpty()) {
        // An empty field is a plan not finished yet, not a fault.
        const QString what = fieldName(planError->field());
        showMessage(planError->line() > 0
                        ? QStringLiteral("Ligne %1 : indiquez %2.").arg(planError->line()).arg(what)
                        : QStringLiteral("Indiquez %1.").arg(what),
                    false);
        return;
    }
    if (field) {
        setMarked(field, true);
    }
    showMessage(QString::fromStdString(error.what()), true);
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
    ui->message->setAccessibleName(fault ? QStringLiteral("Erreur") : QStringLiteral("Message"));
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

void PlanWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        colourMasses();
    }
    QWidget::changeEvent(event);
}

MixingSheet PlanWindow::mixingSheet() const {
    static const char* const kLabels[] = {
        "Eau utilisée (%)",
        "Temps de malaxage (min)",
        "Temps de gel (min)",
        "Temps utile de coulabilité (min)",
        "Densité du revêtement liquide",
        "Expansion de prise à 1 heure",
        "Expansion de prise à 2 heures",
    };
    MixingSheet sheet;
    sheet.date = QDate::currentDate();
    sheet.material = m_materialName;
    for (int i = 0; i < m_materialValues.size() && i < int(std::size(kLabels)); ++i) {
        sheet.materialValues.push_back({QString::fromUtf8(kLabels[i]), m_materialValues.at(i)});
    }
    sheet.mixWater = ui->mixWater->text();
    for (const auto& line : m_lines) {
        sheet.lines.push_back({line->flask->currentText(), line->count->value(),
                               line->diameter->text(), line->height->text(),
                               line->unit->currentText(), line->deduction->text(),
                               line->volume->text()});
    }
    sheet.volume = ui->totalVolume->text();
    for (QRadioButton* option : {ui->marginBrut, ui->marginPlus5, ui->marginPlus10}) {
        if (option->isChecked()) {
            sheet.margin = option->text();
        }
    }
    sheet.powder = ui->powderMass->text();
    sheet.water = ui->waterMass->text();
    sheet.special = ui->specialGroup->isChecked();
    if (sheet.special) {
        sheet.concentration = ui->concentration->text();
        sheet.specialLiquid = ui->specialMass->text();
        sheet.splitWater = ui->splitWater->text();
    }
    // Mixing, pourable and gel times: fields 3, 5 and 4 of the material record.
    if (m_materialValues.size() >= 4) {
        try {
            const auto times = gypsomix::working_schedule(
                m_materialValues.at(1).toStdString(), m_materialValues.at(3).toStdString(),
                m_materialValues.at(2).toStdString(), regionalNumberFormat());
            sheet.schedule = MixingSheet::Schedule{times, m_materialValues.at(1),
                                                   m_materialValues.at(3), m_materialValues.at(2)};
        } catch (const gypsomix::RunTimeError&) {
            // The sheet says the times are missing instead of drawing a wrong bar.
        }
    }
    return sheet;
}

void PlanWindow::printSheet() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Fiche de mélange"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Imprimer la fiche de mélange"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!renderMixingSheet(printer, mixingSheet())) {
        QMessageBox::warning(this, QStringLiteral("Gypsomix"),
                             QStringLiteral("La fiche de mélange n'a pas pu être imprimée."));
    }
}

void PlanWindow::saveSheet() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(
        QStringLiteral("Fiche de mélange %1.pdf").arg(QDate::currentDate().toString(Qt::ISODate)));
    QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Enregistrer la fiche de mélange"),
                                     suggested, QStringLiteral("Document PDF (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
    }
    if (!saveSheetTo(path)) {
        QMessageBox::warning(
            this, QStringLiteral("Gypsomix"),
            QStringLiteral("La fiche de mélange n'a pas pu être écrite dans « %1 ».")
                .arg(QDir::toNativeSeparators(path)));
    }
}

bool PlanWindow::saveSheetTo(const QString& path) const {
    QPdfWriter writer(path);
    writer.setTitle(QStringLiteral("Fiche de mélange"));
    writer.setCreator(QStringLiteral("Gypsomix – Plan de coulée"));
    return renderMixingSheet(writer, mixingSheet());
}
