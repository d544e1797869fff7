#include "ui/oven_panel.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "catalogue/catalogue.h"
#include "document/burnout_catalogue.h"
#include "document/invariant_text.h"
#include "ui/burnout_chart.h"
#include "ui/number_format.h"
#include "ui/plan_editor.h"
#include "ui/plan_fields.h"
#include "ui/run_time_report.h"

namespace {

const QString kFahrenheitKey = QStringLiteral("oven/fahrenheit");

const char* const kFaultStyle =
    "QLineEdit[fault=\"true\"], QComboBox[fault=\"true\"] { border: 2px solid #d0312d; "
    "border-radius: 3px; padding: 1px; }";

// "16:00", "16h30", "16 h", "9.05": a time of day as casters write it; invalid for anything else.
QTime typedTime(const QString& text) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,2})\\s*(?:[:hH.]\\s*(\\d{2})?)?\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    return match.hasMatch() ? QTime(match.captured(1).toInt(), match.captured(2).toInt()) : QTime();
}

void setFault(QWidget* field, bool fault) {
    if (field->property("fault").toBool() != fault) {
        field->setProperty("fault", fault);
        field->style()->unpolish(field);
        field->style()->polish(field);
    }
}

}  // namespace

OvenPanel::OvenPanel(PlanEditor& editor, QSettings& settings, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_settings(settings) {
    setObjectName(QStringLiteral("Cuisson"));
    setStyleSheet(QString::fromLatin1(kFaultStyle));

    m_programme = new QComboBox(this);
    m_programme->setObjectName(QStringLiteral("programme"));
    m_programme->setMinimumContentsLength(34);
    m_programme->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_catalogueProblem = new QLabel(this);
    m_catalogueProblem->setObjectName(QStringLiteral("catalogueProblem"));
    m_start = new QLineEdit(this);
    m_start->setObjectName(QStringLiteral("startTemperature"));
    m_rest = new QLineEdit(this);
    m_rest->setObjectName(QStringLiteral("benchRest"));
    m_castAt = new QLineEdit(this);
    m_castAt->setObjectName(QStringLiteral("castAt"));
    m_castAt->setPlaceholderText(QStringLiteral("hh:mm"));
    m_castAt->setToolTip(
        OvenPanel::tr("L'heure de coulée : la prochaine fois que l'horloge la "
                      "marquera (16:00, 16h30)."));
    const int figureWidth = fontMetrics().horizontalAdvance(QStringLiteral("00000,0")) + 16;
    for (QLineEdit* field : {m_start, m_rest, m_castAt}) {
        field->setAlignment(Qt::AlignCenter);
        field->setFixedWidth(figureWidth);
        keepUndoForThePlan(field);
    }
    m_unit = new QComboBox(this);
    m_unit->setObjectName(QStringLiteral("temperatureUnit"));
    m_unit->addItems({QStringLiteral("°C"), QStringLiteral("°F")});
    // °F where the regional settings measure in US units, unless the caster chose otherwise.
    const bool usUnits = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    m_unit->setCurrentIndex(m_settings.value(kFahrenheitKey, usUnits).toBool() ? 1 : 0);

    auto* inputs = new QGridLayout;
    const auto labelled = [&](int column, const QString& text, QWidget* field) {
        auto* label = new QLabel(text, this);
        label->setBuddy(field);
        field->setAccessibleName(text);
        inputs->addWidget(label, 0, column);
        inputs->addWidget(field, 1, column);
    };
    labelled(0, OvenPanel::tr("Programme de cuisson"), m_programme);
    labelled(1, OvenPanel::tr("Température de départ (°C)"), m_start);
    labelled(2, OvenPanel::tr("Repos avant cuisson (min)"), m_rest);
    labelled(3, OvenPanel::tr("Couler à"), m_castAt);
    labelled(4, OvenPanel::tr("Températures en"), m_unit);
    inputs->addWidget(m_catalogueProblem, 2, 0, 1, 5);
    inputs->setColumnStretch(0, 1);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("note"));
    for (QLabel* label : {m_catalogueProblem, m_problem, m_note}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    m_dayTitle = new QLabel(this);
    m_dayTitle->setObjectName(QStringLiteral("dayTitle"));
    QFont bold = m_dayTitle->font();
    bold.setBold(true);
    m_dayTitle->setFont(bold);
    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(QStringLiteral("day"));
    m_table->setAccessibleName(OvenPanel::tr("Journée de coulée"));
    m_table->setHorizontalHeaderLabels(
        {OvenPanel::tr("Étape"), OvenPanel::tr("Heure"), OvenPanel::tr("Jusqu'à")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setFocusPolicy(Qt::TabFocus);
    m_table->setAlternatingRowColors(true);
    m_table->setShowGrid(false);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column : {1, 2}) {
        m_table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    m_table->setMinimumWidth(
        fontMetrics().horizontalAdvance(OvenPanel::tr("Descente vers 1 350 °F (vitesse du four)")) +
        2 * fontMetrics().horizontalAdvance(OvenPanel::tr("00:00 (lendemain)")));
    m_chart = new BurnoutChart(this);
    m_timer = new OvenTimer(this);
    m_timer->setObjectName(QStringLiteral("ovenTimer"));

    auto* dayColumn = new QVBoxLayout;
    dayColumn->addWidget(m_dayTitle);
    dayColumn->addWidget(m_table, 1);
    auto* chartColumn = new QVBoxLayout;
    chartColumn->addWidget(m_chart, 1);
    chartColumn->addWidget(m_timer);
    auto* body = new QHBoxLayout;
    body->addLayout(dayColumn, 0);
    body->addLayout(chartColumn, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(m_problem);
    layout->addWidget(m_note);
    layout->addLayout(body, 1);

    // Only what the caster does becomes an edit; showing the plan sets the widgets quietly.
    connect(m_programme, &QComboBox::activated, this, &OvenPanel::programmeChosen);
    for (QLineEdit* field : {m_start, m_rest}) {
        connect(field, &QLineEdit::textEdited, this, [this, field] { typedNumber(field); });
    }
    connect(m_castAt, &QLineEdit::textEdited, this, &OvenPanel::typedCastAt);
    connect(m_unit, &QComboBox::activated, this, [this](int index) {
        m_settings.setValue(kFahrenheitKey, index == 1);
        showPlan();
    });
    connect(m_timer, &OvenTimer::startNowRequested, this, [this] {
        const QDateTime now = m_timer->now();
        startOven(now.addMSecs(-now.time().msec()), tr("Enfourner"));
    });
    connect(m_timer, &OvenTimer::startAtPlannedRequested, this,
            [this] { startOven(m_day.ovenStart, tr("Enfourner à l'heure prévue")); });
    connect(m_timer, &OvenTimer::stopRequested, this, [this] {
        m_editor.choose(tr("Arrêter le four"),
                        [](auto& plan) { ovenOf(plan).oven_started_at.reset(); });
    });
    connect(&m_editor, &PlanEditor::changed, this, &OvenPanel::showPlan);
    m_minute.setInterval(30 * 1000);
    connect(&m_minute, &QTimer::timeout, this, [this] { m_chart->setNow(m_timer->now()); });
    m_minute.start();
    showPlan();
}

OvenPanel::~OvenPanel() = default;

void OvenPanel::loadCatalogue() {
    QStringList names;
    QString problem;
    try {
        for (const gypsomix::ProgrammeEntry& entry : gypsomix::list_programmes()) {
            names << QString::fromStdString(entry.name);
        }
    } catch (const gypsomix::RunTimeError& error) {
        problem = OvenPanel::tr(
                      "Le catalogue %1 n'a pas pu être lu (erreur d'exécution %2 : "
                      "%3) : aucun programme n'est proposé.")
                      .arg(QString::fromLatin1(gypsomix::CuissonRecord::path))
                      .arg(error.number())
                      .arg(translatedText(error.message()));
    }
    {
        const QSignalBlocker blocker(m_programme);
        m_programme->clear();
        m_programme->addItems(names);
    }
    m_catalogueProblem->setText(problem);
    m_catalogueProblem->setVisible(!problem.isEmpty());
    showPlan();
}

void OvenPanel::setClock(OvenTimer::Clock clock) {
    m_timer->setClock(std::move(clock));
    m_chart->setNow(m_timer->now());
}

TemperatureUnit OvenPanel::unit() const {
    return m_unit->currentIndex() == 1 ? TemperatureUnit::fahrenheit : TemperatureUnit::celsius;
}

// The steps are read again from the catalogue at each choice: the plan keeps those the caster saw.
void OvenPanel::programmeChosen(int row) {
    const std::string name = m_programme->itemText(row).toStdString();
    std::optional<gypsomix::BurnoutProgramme> programme;
    try {
        programme = gypsomix::find_programme(name);
    } catch (const gypsomix::RunTimeError& error) {
        m_catalogueProblem->setText(
            OvenPanel::tr("Le catalogue %1 n'a pas pu être lu (erreur d'exécution %2 : %3).")
                .arg(QString::fromLatin1(gypsomix::CuissonRecord::path))
                .arg(error.number())
                .arg(translatedText(error.message())));
        m_catalogueProblem->show();
        showPlan();
        return;
    }
    m_catalogueProblem->setVisible(!programme);
    m_catalogueProblem->setText(programme ? QString()
                                          : OvenPanel::tr("Ce programme n'est plus dans le "
                                                          "catalogue : choisissez-en un autre."));
    m_editor.choose(tr("Choisir le programme de cuisson"),
                    [programme](auto& plan) { ovenOf(plan).programme = programme; });
    showPlan();
}

void OvenPanel::typedNumber(QLineEdit* field) {
    const std::string text = invariantOf(field);
    if (field == m_start) {
        m_editor.type(PlanEditor::Field::oven_start_temperature, 0,
                      tr("Saisir la température de départ"),
                      [text](auto& plan) { ovenOf(plan).start_temperature = text; });
    } else {
        m_editor.type(PlanEditor::Field::oven_bench_rest, 0, tr("Saisir le repos avant cuisson"),
                      [text](auto& plan) { ovenOf(plan).bench_rest_min = text; });
    }
}

// The plan keeps the full date and time: the next time the clock shows what was typed.
void OvenPanel::typedCastAt() {
    const QTime time = typedTime(m_castAt->text());
    const std::string at =
        time.isValid() ? toIso(nextOccurrence(time, m_timer->now())) : std::string();
    m_editor.type(PlanEditor::Field::oven_cast_at, 0, tr("Saisir l'heure de coulée"),
                  [at](auto& plan) { ovenOf(plan).cast_at = at; });
}

void OvenPanel::startOven(const QDateTime& at, const QString& what) {
    if (!at.isValid()) {
        return;
    }
    m_editor.choose(what, [iso = toIso(at)](auto& plan) { ovenOf(plan).oven_started_at = iso; });
}

// The panel follows the plan: each field shows what the plan holds, with the defaults of an
// oven never set; a field being typed in keeps its text when it says the same.
void OvenPanel::showPlan() {
    gypsomix::PlanDocument plan = m_editor.plan();
    const gypsomix::Burnout& oven = ovenOf(plan);
    {
        const QSignalBlocker blocker(m_programme);
        const QString name =
            oven.programme ? QString::fromStdString(oven.programme->name) : QString();
        m_programme->setCurrentIndex(oven.programme ? m_programme->findText(name) : -1);
        // A programme the list does not hold (the catalogue changed or is missing) is named.
        m_programme->setPlaceholderText(oven.programme ? name : tr("Choisissez un programme"));
    }
    for (const auto& [field, invariant] :
         {std::pair{m_start, &oven.start_temperature}, std::pair{m_rest, &oven.bench_rest_min}}) {
        if (invariantOf(field) != *invariant) {
            field->setText(
                QString::fromStdString(gypsomix::to_regional(*invariant, regionalNumberFormat())));
        }
    }
    const QDateTime castAt = fromIso(oven.cast_at);
    const QTime typed = typedTime(m_castAt->text());
    const bool sameTime = castAt.isValid()
                              ? typed == QTime(castAt.time().hour(), castAt.time().minute())
                              : !typed.isValid();
    if (!sameTime) {
        m_castAt->setText(castAt.isValid() ? castAt.toString(QStringLiteral("HH:mm")) : QString());
    }
    m_day = ovenDayOf(m_editor.plan(), unit());
    showDay();
}

void OvenPanel::showDay() {
    const gypsomix::PlanDocument& plan = m_editor.plan();
    const std::optional<std::string>& started =
        plan.burnout ? plan.burnout->oven_started_at : std::nullopt;
    const QDateTime startedAt = started ? fromIso(*started) : QDateTime();

    QString problem = m_day.problem;
    const bool unreadableTime =
        !m_castAt->text().trimmed().isEmpty() && !typedTime(m_castAt->text()).isValid();
    if (unreadableTime) {
        problem = OvenPanel::tr("« %1 » n'est pas une heure : écrivez-la hh:mm, par exemple 16:00.")
                      .arg(m_castAt->text().trimmed());
    }
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
    m_note->setText(m_day.note);
    m_note->setVisible(!m_day.note.isEmpty());
    setFault(m_castAt, unreadableTime);
    showMarks();

    m_dayTitle->setText(m_day.mixing.isValid()
                            ? OvenPanel::tr("Journée du %1").arg(longDate(m_day.mixing.date()))
                            : OvenPanel::tr("Journée de coulée"));
    m_table->setRowCount(int(m_day.rows.size()));
    for (int row = 0; row < m_day.rows.size(); ++row) {
        const OvenDayRow& step = m_day.rows.at(row);
        const QStringList cells = {
            step.what, clockText(step.from, m_day.mixing),
            step.to.isValid() ? clockText(step.to, m_day.mixing) : QString()};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells.at(column));
            QFont font = item->font();
            font.setBold(step.key);
            item->setFont(font);
            m_table->setItem(row, column, item);
        }
    }

    const bool runs = m_day.run.has_value();
    m_timer->setRun(startedAt, runs ? std::optional(m_day.run->phases) : std::nullopt,
                    runs ? m_day.run->phaseNames : QStringList(), m_day.ovenStart);
    // The chart follows the oven once it is started, else the plan.
    m_chart->setProgramme(m_day.run, startedAt.isValid() ? startedAt : m_day.ovenStart, unit(),
                          m_day.problem);
    m_chart->setNow(m_timer->now());
}

// The field a fault of the oven's texts comes from; a step's fault is the catalogue's.
void OvenPanel::showMarks() {
    const auto& error = m_day.error;
    const auto field = error ? std::optional(error->field()) : std::nullopt;
    setFault(m_start, field == gypsomix::BurnoutField::start_temperature);
    setFault(m_rest, field == gypsomix::BurnoutField::bench_rest);
    setFault(m_programme, field && field != gypsomix::BurnoutField::start_temperature &&
                              field != gypsomix::BurnoutField::bench_rest);
}
