#include "ui/metal_panel.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollArea>
#include <QSettings>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <tuple>

#include "catalogue/catalogue.h"
#include "document/invariant_text.h"
#include "document/plan_catalogue.h"
#include "ui/catalogue_list_model.h"
#include "ui/number_format.h"
#include "ui/plan_fields.h"
#include "ui/run_time_report.h"

// One line of the plan as the metal sees it.
struct MetalPanel::Row {
    QLabel* number = nullptr;
    QLabel* flask = nullptr;
    QLabel* count = nullptr;
    QLineEdit* pattern = nullptr;
    QLineEdit* metal = nullptr;

    QList<QWidget*> widgets() const { return {number, flask, count, pattern, metal}; }
    ~Row() { qDeleteAll(widgets()); }
};

namespace {

using gypsomix::to_invariant;
using gypsomix::to_regional;

const char* const kFaultStyle =
    "QLineEdit[fault=\"true\"] { border: 2px solid #d0312d; border-radius: 3px; padding: 1px; }";

// The columns of the lines, in the order of the table.
QStringList columnNames() {
    return {MetalPanel::tr("N°"), MetalPanel::tr("Cylindre"), MetalPanel::tr("Nombre"),
            MetalPanel::tr("Modèle (g)"), MetalPanel::tr("Métal par cylindre (g)")};
}

QString regional(const std::string& invariant) {
    return QString::fromStdString(to_regional(invariant, regionalNumberFormat()));
}

QLineEdit* resultField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return field;
}

// Where a price is remembered: under the material's or the metal's name, encoded, since a
// catalogue name may hold any character, the settings' "/" included.
QString priceKey(bool powder, const std::string& name) {
    return (powder ? QStringLiteral("powderPrices/") : QStringLiteral("metalPrices/")) +
           QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(name)));
}

// What the panel says of a metal catalogue it cannot read: the run-time report's text, or
// simply that there is no such file.
QString catalogueProblem(const gypsomix::RunTimeError& error) {
    const QString path = QString::fromLatin1(gypsomix::MetalRecord::path);
    if (!QFileInfo::exists(path)) {
        return MetalPanel::tr("%1 introuvable").arg(path);
    }
    return MetalPanel::tr("Erreur d'exécution %1 : %2")
        .arg(error.number())
        .arg(translatedText(error.message()));
}

bool isPrice(const std::string& invariant) {
    try {
        gypsomix::job_cost("0", regional(invariant).toStdString(), "", "", regionalNumberFormat());
        return true;
    } catch (const gypsomix::PlanError&) {
        return false;
    }
}

// The line's flask as the plan shows it: the catalogue's name, or « Autre » and its size.
QString flaskText(const gypsomix::DocumentLine& line) {
    if (line.flask) {
        return QString::fromStdString(line.flask->name);
    }
    if (line.diameter.empty() && line.height.empty()) {
        return MetalPanel::tr("Autre");
    }
    return MetalPanel::tr("Autre, %1 × %2 %3")
        .arg(regional(line.diameter), regional(line.height),
             line.unit == gypsomix::LengthUnit::inch ? MetalPanel::tr("po") : QStringLiteral("mm"));
}

// What the panel calls an input that is still empty.
QString missing(gypsomix::PlanField field) {
    switch (field) {
        case gypsomix::PlanField::metal_density:
            return MetalPanel::tr("la densité du métal");
        case gypsomix::PlanField::pattern_density:
            return MetalPanel::tr("la densité du modèle");
        case gypsomix::PlanField::metal_extra:
            return MetalPanel::tr("le surplus pour la masselotte");
        case gypsomix::PlanField::metal_button:
            return MetalPanel::tr("le bouton par cylindre");
        default:
            return MetalPanel::tr("une valeur");
    }
}

}  // namespace

MetalPanel::MetalPanel(PlanEditor& editor, QSettings& settings, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_settings(settings) {
    setObjectName(QStringLiteral("Métal"));
    setStyleSheet(QString::fromLatin1(kFaultStyle));
    const QString currency = QLocale().currencySymbol();
    const auto inCurrency = [&currency](const QString& label, const QString& per) {
        return currency.isEmpty() ? QStringLiteral("%1 (%2)").arg(label, per)
                                  : QStringLiteral("%1 (%2 %3)").arg(label, currency, per);
    };

    auto* metalGroup = new QGroupBox(MetalPanel::tr("Métal"), this);
    auto* metalForm = new QFormLayout(metalGroup);
    m_catalogue = new CatalogueListModel(this);
    m_metalList = new QComboBox(metalGroup);
    m_metalList->setObjectName(QStringLiteral("metalList"));
    prepareCatalogueList(m_metalList);
    m_metalList->setModel(m_catalogue);
    m_metalList->setMinimumContentsLength(24);
    m_metalList->setCurrentIndex(-1);
    metalForm->addRow(MetalPanel::tr("&Métal"), m_metalList);
    m_catalogueProblem = new QLabel(metalGroup);
    m_catalogueProblem->setObjectName(QStringLiteral("catalogueProblem"));
    m_catalogueProblem->setWordWrap(true);
    m_catalogueProblem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_catalogueProblem->hide();
    m_metalDensity = resultField(metalGroup);
    m_metalDensity->setObjectName(QStringLiteral("metalDensity"));
    metalForm->addRow(tr("Densité du métal (g/cm³)"), m_metalDensity);
    m_patternDensity = new QLineEdit(metalGroup);
    m_patternDensity->setObjectName(QStringLiteral("patternDensity"));
    m_patternDensity->setToolTip(
        MetalPanel::tr("Cire ≈ %1 ; résine imprimée ≈ %2").arg(regional("0.95"), regional("1.09")));
    metalForm->addRow(MetalPanel::tr("Densité du m&odèle"), m_patternDensity);
    m_extra = new QLineEdit(metalGroup);
    m_extra->setObjectName(QStringLiteral("extra"));
    metalForm->addRow(MetalPanel::tr("Surp&lus pour la masselotte (%)"), m_extra);
    m_button = new QLineEdit(metalGroup);
    m_button->setObjectName(QStringLiteral("button"));
    metalForm->addRow(MetalPanel::tr("&Bouton par cylindre (g)"), m_button);

    auto* priceGroup = new QGroupBox(MetalPanel::tr("Prix"), this);
    auto* priceForm = new QFormLayout(priceGroup);
    m_powderPrice = new QLineEdit(priceGroup);
    m_powderPrice->setObjectName(QStringLiteral("powderPrice"));
    m_powderPrice->setPlaceholderText(MetalPanel::tr("non indiqué"));
    priceForm->addRow(inCurrency(MetalPanel::tr("&Revêtement"), MetalPanel::tr("le kg")),
                      m_powderPrice);
    m_metalPrice = new QLineEdit(priceGroup);
    m_metalPrice->setObjectName(QStringLiteral("metalPrice"));
    m_metalPrice->setPlaceholderText(MetalPanel::tr("non indiqué"));
    priceForm->addRow(inCurrency(MetalPanel::tr("Mé&tal"), MetalPanel::tr("le g")), m_metalPrice);
    const auto costRow = [&](QLineEdit*& field, const char* name, const QString& label) {
        field = resultField(priceGroup);
        field->setObjectName(QLatin1String(name));
        priceForm->addRow(
            currency.isEmpty() ? label : QStringLiteral("%1 (%2)").arg(label, currency), field);
    };
    costRow(m_powderCost, "powderCost", MetalPanel::tr("Coût du revêtement"));
    costRow(m_metalCost, "metalCost", MetalPanel::tr("Coût du métal"));
    costRow(m_totalCost, "totalCost", MetalPanel::tr("Coût total"));
    QFont bold = m_totalCost->font();
    bold.setBold(true);
    m_totalCost->setFont(bold);

    auto* left = new QVBoxLayout;
    left->addWidget(metalGroup);
    left->addWidget(m_catalogueProblem);
    left->addWidget(priceGroup);
    left->addStretch(1);

    // The lines of the plan, in a table that scrolls down, never sideways.
    m_linesArea = new QScrollArea(this);
    m_linesArea->setWidgetResizable(true);
    m_linesArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* lines = new QWidget(m_linesArea);
    m_linesLayout = new QGridLayout(lines);
    const QStringList columns = columnNames();
    for (int column = 0; column < columns.size(); ++column) {
        auto* header = new QLabel(QStringLiteral("<b>%1</b>").arg(columns[column]), lines);
        header->setAlignment(column == 1 ? Qt::AlignLeft | Qt::AlignBottom : Qt::AlignCenter);
        m_linesLayout->addWidget(header, 0, column);
    }
    m_linesLayout->setColumnStretch(1, 1);
    m_linesArea->setWidget(lines);

    // The metal to melt is weighed from: as large and bold as the plan's masses.
    auto* totalLabel = new QLabel(MetalPanel::tr("Métal à fondre (g)"), this);
    m_total = resultField(this);
    m_total->setObjectName(QStringLiteral("metalTotal"));
    totalLabel->setBuddy(m_total);
    QFont big = m_total->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 2.0);
    m_total->setFont(big);
    m_total->setMinimumWidth(QFontMetrics(big).horizontalAdvance(QStringLiteral("-0,0000000")) +
                             16);
    colourTotal();
    auto* totalRow = new QHBoxLayout;
    totalRow->addStretch(1);
    totalRow->addWidget(totalLabel);
    totalRow->addWidget(m_total);

    m_messageIcon = new QLabel(this);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("metalMessage"));
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* messageRow = new QHBoxLayout;
    messageRow->addWidget(m_messageIcon, 0, Qt::AlignTop);
    messageRow->addWidget(m_message, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(m_linesArea, 1);
    right->addLayout(totalRow);
    right->addLayout(messageRow);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    // Only what the caster does becomes an edit; showing the plan sets the widgets quietly.
    connect(m_metalList, &QComboBox::activated, this, &MetalPanel::metalChosen);
    using Field = PlanEditor::Field;
    const std::tuple<QLineEdit*, Field> typedFields[] = {
        {m_patternDensity, Field::metal_pattern_density},
        {m_extra, Field::metal_extra},
        {m_button, Field::metal_button},
        {m_powderPrice, Field::powder_price},
        {m_metalPrice, Field::metal_price},
    };
    for (const auto& [edit, field] : typedFields) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, edit = edit, field = field] { typed(field, edit, 0); });
        keepUndoForThePlan(edit);
    }
    connect(&m_editor, &PlanEditor::changed, this, &MetalPanel::showPlan);
    connect(&m_editor, &PlanEditor::replaced, this, [this] { m_replaced = true; });
    m_pricedMaterial = m_editor.plan().material ? m_editor.plan().material->name : std::string();
    showPlan();
}

MetalPanel::~MetalPanel() = default;

void MetalPanel::loadCatalogue() {
    QString problem;
    try {
        m_catalogue->load(gypsomix::MetalRecord::path, gypsomix::MetalRecord::fields);
    } catch (const gypsomix::RunTimeError& error) {
        problem = catalogueProblem(error);
    }
    fitCatalogueList(m_metalList, *m_catalogue);
    m_catalogueProblem->setText(problem);
    m_catalogueProblem->setVisible(!problem.isEmpty());
    showPlan();
}

// The catalogue is read again at each choice: the plan keeps the density the caster saw, the
// pattern's density, the extra and the button stay, and the metal's remembered price comes.
void MetalPanel::metalChosen(int row) {
    std::optional<gypsomix::MetalChoice> metal;
    QString problem;
    try {
        const auto record =
            gypsomix::fetch_record(gypsomix::MetalRecord::path, gypsomix::MetalRecord::fields,
                                   m_metalList->itemData(row).toInt());
        if (record && record->size() == std::size_t(gypsomix::MetalRecord::fields)) {
            metal = gypsomix::MetalChoice{m_metalList->itemText(row).toStdString(),
                                          gypsomix::invariant_values(*record).front()};
        }
    } catch (const gypsomix::RunTimeError& error) {
        problem = catalogueProblem(error);
    }
    m_catalogueProblem->setText(problem);
    m_catalogueProblem->setVisible(!problem.isEmpty());
    const std::string price =
        metal ? m_settings.value(priceKey(false, metal->name)).toString().toStdString()
              : std::string();
    // A metal that could not be read is no choice.
    m_editor.choose(tr("Choisir le métal"), [metal, price](auto& plan) {
        std::optional<gypsomix::MetalChoice> chosen = metal;
        if (chosen && plan.metal) {
            chosen->pattern_density = plan.metal->pattern_density;
            chosen->extra_percent = plan.metal->extra_percent;
            chosen->button_g = plan.metal->button_g;
        }
        // The price goes with the metal: the one remembered for it, or none. The same metal
        // chosen again keeps the plan's.
        if (!(chosen && plan.metal && plan.metal->name == chosen->name)) {
            plan.prices.metal_per_g = price;
        }
        plan.metal = chosen;
    });
    showPlan();
}

// A key in one of the panel's fields: one edit, merged with the keys before it in that field.
void MetalPanel::typed(PlanEditor::Field field, QLineEdit* edit, int line) {
    using Field = PlanEditor::Field;
    const std::string text = invariantOf(edit);
    switch (field) {
        case Field::pattern:
            m_editor.type(field, line, tr("Saisir le modèle"), [line, text](auto& plan) {
                plan.lines.at(std::size_t(line)).pattern_g = text;
            });
            return;
        case Field::metal_pattern_density:
        case Field::metal_extra:
        case Field::metal_button: {
            auto member = field == Field::metal_extra    ? &gypsomix::MetalChoice::extra_percent
                          : field == Field::metal_button ? &gypsomix::MetalChoice::button_g
                                                         : &gypsomix::MetalChoice::pattern_density;
            m_editor.type(field, 0, tr("Saisir le métal"), [member, text](auto& plan) {
                if (plan.metal) {
                    (*plan.metal).*member = text;
                }
            });
            return;
        }
        case Field::powder_price:
        case Field::metal_price: {
            const bool powder = field == Field::powder_price;
            const auto& plan = m_editor.plan();
            const std::string name = powder ? (plan.material ? plan.material->name : "")
                                            : (plan.metal ? plan.metal->name : "");
            m_editor.type(field, 0, tr("Saisir le prix"), [powder, text](auto& edited) {
                (powder ? edited.prices.powder_per_kg : edited.prices.metal_per_g) = text;
            });
            // Remembered once it is a price, forgotten once it is cleared.
            if (!name.empty() && text.empty()) {
                m_settings.remove(priceKey(powder, name));
            } else if (!name.empty() && isPrice(text)) {
                m_settings.setValue(priceKey(powder, name), QString::fromStdString(text));
            }
            return;
        }
        default:
            return;
    }
}

// After a new choice of material, its remembered price; a material without one clears the
// price of the one before. Not on opening a plan, nor on undo or redo.
void MetalPanel::recallPowderPrice() {
    const auto& plan = m_editor.plan();
    const QUndoStack* stack = m_editor.undoStack();
    if (!plan.material || stack->index() != stack->count()) {
        return;
    }
    const std::string price =
        m_settings.value(priceKey(true, plan.material->name)).toString().toStdString();
    if (price != plan.prices.powder_per_kg) {
        m_editor.choose(tr("Reprendre le prix du revêtement"),
                        [price](auto& edited) { edited.prices.powder_per_kg = price; });
    }
}

void MetalPanel::showPlan() {
    const auto& plan = m_editor.plan();
    const std::string material = plan.material ? plan.material->name : std::string();
    if (material != m_pricedMaterial) {
        m_pricedMaterial = material;
        // Later, so that the price is a step of its own after the choice, not inside it.
        if (!m_replaced) {
            QTimer::singleShot(0, this, &MetalPanel::recallPowderPrice);
        }
    }
    m_replaced = false;

    const auto& metal = plan.metal;
    {
        const QSignalBlocker blocker(m_metalList);
        const int row = metal ? m_catalogue->rowOf(metal->name) : -1;
        m_metalList->setCurrentIndex(row);
        // A metal the list does not hold (a plan opened on another catalogue) is still named.
        m_metalList->setPlaceholderText(metal && row < 0 ? QString::fromStdString(metal->name)
                                                         : QString());
    }
    const gypsomix::MetalChoice shown = metal.value_or(gypsomix::MetalChoice{});
    m_metalDensity->setText(regional(shown.density));
    showInvariant(m_patternDensity, shown.pattern_density);
    showInvariant(m_extra, shown.extra_percent);
    showInvariant(m_button, shown.button_g);
    showInvariant(m_powderPrice, plan.prices.powder_per_kg);
    showInvariant(m_metalPrice, plan.prices.metal_per_g);
    for (QLineEdit* field : {m_patternDensity, m_extra, m_button, m_metalPrice}) {
        field->setEnabled(metal.has_value());
    }
    m_powderPrice->setEnabled(plan.material.has_value());
    showLines();
    showFigures();
}

// As many rows as the plan has lines, each showing its line.
void MetalPanel::showLines() {
    const auto& lines = m_editor.plan().lines;
    const int wanted = int(lines.size());
    const bool resized = int(m_rows.size()) != wanted;
    while (int(m_rows.size()) > wanted) {
        m_rows.pop_back();
    }
    QWidget* parent = m_linesArea->widget();
    const QStringList columns = columnNames();
    while (int(m_rows.size()) < wanted) {
        const int index = int(m_rows.size());
        auto row = std::make_unique<Row>();
        row->number = new QLabel(QString::number(index + 1), parent);
        row->flask = new QLabel(parent);
        row->count = new QLabel(parent);
        row->pattern = new QLineEdit(parent);
        row->pattern->setPlaceholderText(tr("aucun"));
        row->metal = resultField(parent);
        for (QLabel* label : {row->number, row->count}) {
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        for (QLineEdit* field : {row->pattern, row->metal}) {
            field->setAlignment(Qt::AlignCenter);
            field->setMaximumWidth(fontMetrics().horizontalAdvance(columns[4]) + 16);
        }
        const QList<QWidget*> widgets = row->widgets();
        for (int column = 0; column < widgets.size(); ++column) {
            widgets[column]->setAccessibleName(columns[column]);
            widgets[column]->setAccessibleDescription(MetalPanel::tr("Ligne %1").arg(index + 1));
            m_linesLayout->addWidget(widgets[column], index + 1, column);
            widgets[column]->show();
        }
        QLineEdit* pattern = row->pattern;
        connect(pattern, &QLineEdit::textEdited, this,
                [this, pattern, index] { typed(PlanEditor::Field::pattern, pattern, index); });
        keepUndoForThePlan(pattern);
        m_rows.push_back(std::move(row));
    }
    if (resized) {
        // Rows left over from removed lines take no room; the keyboard follows the table.
        for (int row = 1; row < m_linesLayout->rowCount(); ++row) {
            m_linesLayout->setRowStretch(row, 0);
        }
        m_linesLayout->setRowStretch(wanted + 1, 1);
        QList<QWidget*> chain = {m_metalList, m_patternDensity, m_extra, m_button};
        for (const auto& row : m_rows) {
            chain << row->pattern;
        }
        chain << m_powderPrice << m_metalPrice;
        for (int i = 1; i < chain.size(); ++i) {
            setTabOrder(chain[i - 1], chain[i]);
        }
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        Row& row = *m_rows[i];
        row.flask->setText(flaskText(lines[i]));
        row.count->setText(QLocale().toString(lines[i].count));
        showInvariant(row.pattern, lines[i].pattern_g);
    }
    // Every column stays in view, the longest flask name too: the table scrolls down, never
    // sideways.
    m_linesArea->setMinimumWidth(parent->minimumSizeHint().width() +
                                 style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
}

void MetalPanel::showFigures() {
    m_figures = gypsomix::plan_figures(m_editor.plan(), regionalNumberFormat());
    for (QLineEdit* field : std::as_const(m_marked)) {
        field->setProperty("fault", false);
        field->style()->unpolish(field);
        field->style()->polish(field);
    }
    m_marked.clear();
    const auto& metal = m_figures.metal;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const bool known = metal && i < metal->per_flask.size();
        m_rows[i]->metal->setText(known ? QString::fromStdString(metal->per_flask[i]) : QString());
    }
    m_total->setText(metal ? QString::fromStdString(metal->total) : QString());
    m_powderCost->setText(QString::fromStdString(m_figures.cost.powder));
    m_metalCost->setText(QString::fromStdString(m_figures.cost.metal));
    m_totalCost->setText(QString::fromStdString(m_figures.cost.total));

    if (m_figures.metal_error) {
        showFault(*m_figures.metal_error);
    } else if (!m_editor.plan().metal) {
        showMessage(MetalPanel::tr("Choisissez un métal : le métal à fondre suivra."), false);
    } else if (metal && metal->total.empty()) {
        showMessage(MetalPanel::tr("Indiquez le poids du modèle d'un cylindre, sans son socle, "
                                   "dans la colonne « Modèle (g) »."),
                    false);
    } else {
        showMessage(QString(), false);
    }
}

void MetalPanel::showFault(const gypsomix::PlanError& error) {
    QLineEdit* field = fieldOf(error);
    if (field && field->text().trimmed().isEmpty()) {
        // An empty field is a plan not finished yet, not a fault.
        showMessage(MetalPanel::tr("Indiquez %1.").arg(missing(error.field())), false);
        return;
    }
    if (field) {
        field->setProperty("fault", true);
        field->style()->unpolish(field);
        field->style()->polish(field);
        m_marked << field;
    }
    showMessage(translatedText(error.message()), true);
}

QLineEdit* MetalPanel::fieldOf(const gypsomix::PlanError& error) const {
    const std::size_t line = std::size_t(error.line() - 1);
    switch (error.field()) {
        case gypsomix::PlanField::metal_density:
            return m_metalDensity;
        case gypsomix::PlanField::pattern_density:
            return m_patternDensity;
        case gypsomix::PlanField::metal_extra:
            return m_extra;
        case gypsomix::PlanField::metal_button:
            return m_button;
        case gypsomix::PlanField::pattern:
            return error.line() > 0 && line < m_rows.size() ? m_rows[line]->pattern : nullptr;
        case gypsomix::PlanField::powder_price:
            return m_powderPrice;
        case gypsomix::PlanField::metal_price:
            return m_metalPrice;
        default:
            // A count is the plan's to mark; a result beyond range is no single input's fault.
            return nullptr;
    }
}

void MetalPanel::showMessage(const QString& text, bool fault) {
    m_message->setText(text);
    const QStyle::StandardPixmap icon =
        fault ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation;
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    m_messageIcon->setPixmap(text.isEmpty() ? QPixmap()
                                            : style()->standardIcon(icon).pixmap(
                                                  QSize(size, size), devicePixelRatioF()));
    m_message->setAccessibleName(fault ? MetalPanel::tr("Erreur") : MetalPanel::tr("Message"));
}

void MetalPanel::colourTotal() {
    // The plan's blue for what is weighed; a light blue on a dark background.
    const bool dark = palette().color(QPalette::Base).lightness() < 128;
    QPalette colours = m_total->palette();
    colours.setColor(QPalette::Text, dark ? QColor(140, 180, 255) : QColor(0, 0, 192));
    m_total->setPalette(colours);
}

void MetalPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        colourTotal();
    }
    QWidget::changeEvent(event);
}
