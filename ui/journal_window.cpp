#include "ui/journal_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include "document/invariant_text.h"
#include "document/plan_file.h"
#include "ui/number_format.h"
#include "ui/run_time_report.h"

namespace {

enum Column { kDate, kMaterial, kFlasks, kPowder, kLiquid, kMetal, kResult, kColumns };

QString regional(const QString& invariant) {
    return QString::fromStdString(
        gypsomix::to_regional(invariant.toStdString(), regionalNumberFormat()));
}

// A stored time in the caster's own form, in the computer's time zone.
QString shownTime(const QString& iso, QLocale::FormatType form = QLocale::ShortFormat) {
    const QDateTime time = QDateTime::fromString(iso, Qt::ISODate);
    return time.isValid() ? QLocale::system().toString(time.toLocalTime(), form) : iso;
}

// The clock time alone: "08:42", "8:42 AM".
QString shownClock(const QString& iso) {
    const QDateTime time = QDateTime::fromString(iso, Qt::ISODate);
    return time.isValid()
               ? QLocale::system().toString(time.toLocalTime().time(), QLocale::ShortFormat)
               : iso;
}

QString resultText(const JournalCast& cast) {
    if (cast.defects.isEmpty()) {
        return castWordText(cast.result);
    }
    const QString defects = shownDefects(cast.defects);
    return cast.result.isEmpty()
               ? defects
               : JournalWindow::tr("%1 : %2").arg(castWordText(cast.result), defects);
}

QTableWidgetItem* cell(const QString& text, bool number = false) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (number) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else {
        item->setToolTip(text);  // a long material or result is cut short in its column
    }
    return item;
}

}  // namespace

JournalWindow::JournalWindow(Journal& journal, QWidget* parent)
    : QWidget(parent, Qt::Window), m_journal(journal) {
    setObjectName(QStringLiteral("Journal des coulées"));
    setWindowTitle(JournalWindow::tr("Journal des coulées"));

    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setWordWrap(true);
    m_notice->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setPlaceholderText(JournalWindow::tr("Revêtement, métal ou mot des notes"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(JournalWindow::tr("Rechercher"));
    auto* searchLabel = new QLabel(JournalWindow::tr("&Rechercher :"), this);
    searchLabel->setBuddy(m_search);

    m_table = new QTableWidget(0, kColumns, this);
    m_table->setObjectName(QStringLiteral("casts"));
    m_table->setAccessibleName(JournalWindow::tr("Coulées"));
    m_table->setHorizontalHeaderLabels(
        {JournalWindow::tr("Date"), JournalWindow::tr("Revêtement"), JournalWindow::tr("Cylindres"),
         JournalWindow::tr("Poudre (g)"), JournalWindow::tr("Liquide (g)"),
         JournalWindow::tr("Métal"), JournalWindow::tr("Résultat")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(kMaterial, QHeaderView::Stretch);
    header->setSectionResizeMode(kResult, QHeaderView::Stretch);

    // What was recorded, then what the caster tells of it.
    m_detail = new QGroupBox(JournalWindow::tr("Coulée"), this);
    m_summary = new QLabel(m_detail);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_result = new QComboBox(m_detail);
    m_result->setObjectName(QStringLiteral("result"));
    m_result->addItem(JournalWindow::tr("pas encore dit"), QString());
    for (const QString& result : kCastResults) {
        m_result->addItem(castWordText(result), result);
    }
    auto* defects = new QWidget(m_detail);
    auto* defectGrid = new QGridLayout(defects);
    defectGrid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < kCastDefects.size(); ++i) {
        auto* box = new QCheckBox(castWordText(kCastDefects[i]), defects);
        box->setObjectName(kCastDefects[i]);
        defectGrid->addWidget(box, i / 2, i % 2);
        m_defects << box;
        connect(box, &QCheckBox::clicked, this, &JournalWindow::saveOutcome);
    }
    m_temperature = new QLineEdit(m_detail);
    m_temperature->setObjectName(QStringLiteral("waterTemperature"));
    m_temperature->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    m_notes = new QPlainTextEdit(m_detail);
    m_notes->setObjectName(QStringLiteral("notes"));
    m_notes->setTabChangesFocus(true);
    m_notes->setAccessibleName(JournalWindow::tr("Notes"));
    auto* form = new QFormLayout(m_detail);
    form->addRow(m_summary);
    form->addRow(JournalWindow::tr("Ré&sultat :"), m_result);
    form->addRow(JournalWindow::tr("Défauts :"), defects);
    form->addRow(JournalWindow::tr("&Température de l'eau (°C) :"), m_temperature);
    form->addRow(JournalWindow::tr("N&otes :"), m_notes);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_table);
    splitter->addWidget(m_detail);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({760, 460});

    m_open = new QPushButton(JournalWindow::tr("&Ouvrir comme plan"), this);
    m_open->setObjectName(QStringLiteral("openAsPlan"));
    m_remove = new QPushButton(JournalWindow::tr("S&upprimer"), this);
    m_remove->setObjectName(QStringLiteral("remove"));
    m_export = new QPushButton(JournalWindow::tr("&Exporter en CSV…"), this);
    m_export->setObjectName(QStringLiteral("export"));
    m_messageIcon = new QLabel(this);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_open);
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    buttons->addWidget(m_export);
    auto* messageRow = new QHBoxLayout;
    messageRow->addWidget(m_messageIcon, 0, Qt::AlignTop);
    messageRow->addWidget(m_message, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_notice);
    layout->addLayout(searchRow);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    layout->addLayout(messageRow);

    m_notesTimer.setSingleShot(true);
    m_notesTimer.setInterval(800);
    connect(&m_notesTimer, &QTimer::timeout, this, &JournalWindow::saveOutcome);
    // Notes are written once the caster pauses, and at once when the cast or the window changes.
    connect(m_notes, &QPlainTextEdit::textChanged, &m_notesTimer, qOverload<>(&QTimer::start));
    connect(m_result, &QComboBox::activated, this, &JournalWindow::saveOutcome);
    connect(m_temperature, &QLineEdit::editingFinished, this, &JournalWindow::saveOutcome);
    connect(m_search, &QLineEdit::textChanged, this, &JournalWindow::refresh);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &JournalWindow::selectionChanged);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &JournalWindow::openShownAsPlan);
    connect(m_open, &QPushButton::clicked, this, &JournalWindow::openShownAsPlan);
    connect(m_remove, &QPushButton::clicked, this, &JournalWindow::removeShown);
    connect(m_export, &QPushButton::clicked, this, &JournalWindow::exportCsv);
    connect(&m_journal, &Journal::castsChanged, this, &JournalWindow::refresh);

    m_notice->setText(m_journal.notice());
    m_notice->setVisible(!m_journal.notice().isEmpty());
    showMessage(QString(), false);
    refresh();
    resize(QSize(1240, 560).expandedTo(minimumSizeHint()));
}

JournalWindow::~JournalWindow() = default;

void JournalWindow::refresh() {
    flushNotes();
    m_casts = m_journal.casts(m_search->text());
    fillTable();
}

void JournalWindow::fillTable() {
    const QSignalBlocker blocker(m_table);
    m_table->clearContents();
    m_table->setRowCount(int(m_casts.size()));
    int shownRow = -1;
    for (int row = 0; row < m_casts.size(); ++row) {
        const JournalCast& cast = m_casts[row];
        m_table->setItem(row, kDate, cell(shownTime(cast.recordedAt)));
        m_table->setItem(row, kMaterial, cell(cast.material));
        m_table->setItem(row, kFlasks, cell(QString::number(cast.flasks), true));
        m_table->setItem(row, kPowder, cell(QString::number(cast.powderG), true));
        m_table->setItem(row, kLiquid, cell(QString::number(cast.liquidG), true));
        m_table->setItem(row, kMetal, cell(cast.metal));
        m_table->setItem(row, kResult, cell(resultText(cast)));
        if (cast.id == m_shown) {
            shownRow = row;
        }
    }
    // The cast shown stays shown while the search keeps it; else the newest one is.
    if (shownRow < 0 && !m_casts.isEmpty()) {
        shownRow = 0;
    }
    if (shownRow >= 0) {
        m_table->selectRow(shownRow);
    }
    const qint64 id = shownRow >= 0 ? m_casts[shownRow].id : 0;
    // The same cast stays as it is in the pane, where the caster may be typing.
    if (id != m_shown || id == 0) {
        m_shown = id;
        showDetail();
    }
    const bool writable = m_journal.state() == Journal::State::writable;
    m_open->setEnabled(m_shown != 0);
    m_remove->setEnabled(m_shown != 0 && writable);
    m_export->setEnabled(m_journal.state() != Journal::State::unavailable);
}

void JournalWindow::selectionChanged() {
    const QList<QTableWidgetSelectionRange> ranges = m_table->selectedRanges();
    const int row = ranges.isEmpty() ? -1 : ranges.first().topRow();
    const qint64 id = row >= 0 && row < m_casts.size() ? m_casts[row].id : 0;
    if (id == m_shown) {
        return;
    }
    flushNotes();
    m_shown = id;
    showDetail();
    m_open->setEnabled(m_shown != 0);
    m_remove->setEnabled(m_shown != 0 && m_journal.state() == Journal::State::writable);
}

bool JournalWindow::showCast(qint64 id) {
    for (int row = 0; row < m_casts.size(); ++row) {
        if (m_casts[row].id == id) {
            m_table->selectRow(row);
            return m_shown == id;
        }
    }
    return false;
}

void JournalWindow::showDetail() {
    const auto found = std::find_if(m_casts.cbegin(), m_casts.cend(),
                                    [this](const JournalCast& cast) { return cast.id == m_shown; });
    const bool shown = found != m_casts.cend();
    m_detail->setEnabled(shown && m_journal.state() == Journal::State::writable);
    const JournalCast cast = shown ? *found : JournalCast();
    QStringList lines;
    if (shown) {
        QString when = JournalWindow::tr("Consignée le %1").arg(shownTime(cast.recordedAt));
        if (!cast.mixedAt.isEmpty()) {
            when += JournalWindow::tr(", mélange à %1").arg(shownClock(cast.mixedAt));
        }
        lines << when
              << JournalWindow::tr("%1, eau %2 %").arg(cast.material, regional(cast.waterPercent))
              << JournalWindow::tr("%1 cylindre%2, %3 dm³ : poudre %4 g, liquide %5 g")
                     .arg(cast.flasks)
                     .arg(cast.flasks > 1 ? QStringLiteral("s") : QString(),
                          regional(cast.volumeDm3))
                     .arg(cast.powderG)
                     .arg(cast.liquidG);
        if (!cast.metal.isEmpty()) {
            lines << (cast.metalG
                          ? JournalWindow::tr("Métal : %1, %2 g").arg(cast.metal).arg(*cast.metalG)
                          : JournalWindow::tr("Métal : %1").arg(cast.metal));
        }
    }
    m_summary->setText(shown ? lines.join(QLatin1Char('\n'))
                             : JournalWindow::tr("Aucune coulée n'est choisie."));
    m_result->setCurrentIndex(std::max(0, m_result->findData(cast.result)));
    for (QCheckBox* box : m_defects) {
        box->setChecked(cast.defects.contains(box->objectName()));
    }
    m_temperature->setText(regional(cast.waterTemperature));
    const QSignalBlocker blocker(m_notes);
    m_notes->setPlainText(cast.notes);
}

void JournalWindow::saveOutcome() {
    m_notesTimer.stop();
    if (m_shown == 0 || m_journal.state() != Journal::State::writable) {
        return;
    }
    const auto stored = m_journal.cast(m_shown);
    if (!stored) {
        return;
    }
    CastOutcome outcome;
    outcome.result = m_result->currentData().toString();
    for (QCheckBox* box : m_defects) {
        if (box->isChecked()) {
            outcome.defects << box->objectName();
        }
    }
    // A temperature that is not a number is said, and the one stored stays.
    const auto format = regionalNumberFormat();
    const QString typed = m_temperature->text().trimmed();
    const bool number =
        typed.isEmpty() ||
        gypsomix::scan_number(typed.toStdString(), gypsomix::strict_number_syntax(format)).stop ==
            gypsomix::NumberStop::complete;
    outcome.waterTemperature =
        number ? QString::fromStdString(gypsomix::to_invariant(typed.toStdString(), format))
               : stored->waterTemperature;
    outcome.notes = m_notes->toPlainText();
    QString fault = m_journal.setOutcome(m_shown, outcome);
    if (fault.isEmpty() && !number) {
        fault = JournalWindow::tr(
                    "La température de l'eau est un nombre de degrés : « %1 » n'en "
                    "est pas un.")
                    .arg(typed);
    }
    showMessage(fault, !fault.isEmpty());
}

void JournalWindow::flushNotes() {
    if (m_notesTimer.isActive()) {
        saveOutcome();
    }
}

void JournalWindow::openShownAsPlan() {
    const std::string bytes = m_journal.planOf(m_shown);
    if (bytes.empty()) {
        return;
    }
    try {
        const gypsomix::PlanDocument plan = gypsomix::read_plan_file(bytes);
        showMessage(QString(), false);
        emit openAsPlan(plan);
    } catch (const gypsomix::PlanFileError& error) {
        showMessage(JournalWindow::tr("Le plan de cette coulée ne peut pas être ouvert : %1")
                        .arg(translatedText(error.message())),
                    true);
    }
}

void JournalWindow::removeShown() {
    const auto cast = m_journal.cast(m_shown);
    if (!cast) {
        return;
    }
    QMessageBox box(QMessageBox::Question, JournalWindow::tr("Supprimer la coulée"),
                    JournalWindow::tr("Supprimer du journal la coulée du %1 (%2) ?")
                        .arg(shownTime(cast->recordedAt), cast->material),
                    QMessageBox::Yes | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("removeQuestion"));
    box.setInformativeText(JournalWindow::tr("Elle ne pourra pas être rétablie."));
    box.button(QMessageBox::Yes)->setText(JournalWindow::tr("Supprimer"));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Yes) {
        return;
    }
    m_notesTimer.stop();
    const QString fault = m_journal.remove(cast->id);
    showMessage(fault, !fault.isEmpty());
}

void JournalWindow::exportCsv() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, JournalWindow::tr("Exporter le journal en CSV"),
        QDir(folder).filePath(JournalWindow::tr("Journal des coulées %1.csv")
                                  .arg(QDate::currentDate().toString(Qt::ISODate))),
        JournalWindow::tr("Tableau CSV (*.csv)"));
    if (!path.isEmpty()) {
        exportTo(path);
    }
}

bool JournalWindow::exportTo(const QString& path) {
    flushNotes();
    const QString fault = exportJournalCsv(m_journal, path);
    showMessage(
        fault.isEmpty()
            ? JournalWindow::tr("Journal exporté dans « %1 ».").arg(QDir::toNativeSeparators(path))
            : fault,
        !fault.isEmpty());
    return fault.isEmpty();
}

void JournalWindow::hideEvent(QHideEvent* event) {
    flushNotes();
    QWidget::hideEvent(event);
}

void JournalWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange) {
        showMessage(m_message->text(), m_message->accessibleName() == JournalWindow::tr("Erreur"));
    }
    QWidget::changeEvent(event);
}

void JournalWindow::showMessage(const QString& text, bool fault) {
    m_message->setText(text);
    const QStyle::StandardPixmap icon =
        fault ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxInformation;
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    m_messageIcon->setPixmap(text.isEmpty() ? QPixmap()
                                            : style()->standardIcon(icon).pixmap(
                                                  QSize(size, size), devicePixelRatioF()));
    m_message->setAccessibleName(fault ? JournalWindow::tr("Erreur")
                                       : JournalWindow::tr("Message"));
}
