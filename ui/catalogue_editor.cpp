#include "ui/catalogue_editor.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>
#include <functional>

#include "ui/catalogue_table_model.h"
#include "ui/pictures.h"
#include "ui/run_time_report.h"

namespace {

QString quoted(const QString& text) {
    return CatalogueEditor::tr("«\u00A0%1\u00A0»").arg(text);
}

QString encodingName(gypsomix::CatalogueEncoding encoding) {
    switch (encoding) {
        case gypsomix::CatalogueEncoding::utf8:
            return QStringLiteral("UTF-8");
        case gypsomix::CatalogueEncoding::utf8_bom:
            return CatalogueEditor::tr("UTF-8 avec BOM");
        case gypsomix::CatalogueEncoding::windows_1252:
            break;
    }
    return QStringLiteral("Windows-1252");
}

QString lineEndName(gypsomix::CatalogueLineEnd lineEnd) {
    switch (lineEnd) {
        case gypsomix::CatalogueLineEnd::lf:
            return QStringLiteral("LF");
        case gypsomix::CatalogueLineEnd::cr:
            return QStringLiteral("CR");
        case gypsomix::CatalogueLineEnd::crlf:
            break;
    }
    return QStringLiteral("CR LF");
}

// A question box with the caster's own words on its buttons.
QMessageBox* question(QWidget* parent, const QString& name, const QString& title,
                      const QString& text, const QString& details) {
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    box->setObjectName(name);
    box->setInformativeText(details);
    return box;
}

}  // namespace

CatalogueEditor::CatalogueEditor(CatalogueKind kind, QWidget* parent)
    : QMainWindow(parent), m_sheet(kind, catalogueKindInfo(kind).path) {
    setObjectName(QStringLiteral("catalogueEditor"));
    setWindowIcon(loadIcon(QStringLiteral("gypsomix"), {16, 32, 48, 64}));
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildTables());
    m_pages->addWidget(buildUnreadablePage());
    setCentralWidget(m_pages);
    createMenus();

    connect(&m_sheet, &CatalogueSheet::cellChanged, this, &CatalogueEditor::goTo);
    connect(&m_sheet, &CatalogueSheet::rowsChanged, this, &CatalogueEditor::goTo);
    connect(m_sheet.undoStack(), &QUndoStack::indexChanged, this, &CatalogueEditor::updateState);
    connect(m_sheet.undoStack(), &QUndoStack::cleanChanged, this, &CatalogueEditor::updateState);
    reload();
    fitColumns(m_entriesView);
    if (m_stepsView) {
        fitColumns(m_stepsView);
    }
    // Every column in sight where the screen allows it.
    QSize size = sizeHint().expandedTo(QSize(0, 420));
    if (const QScreen* screen = this->screen()) {
        size = size.boundedTo(screen->availableSize() * 0.9);
    }
    resize(size);
}

CatalogueEditor::~CatalogueEditor() {
    // The tables go while the sheet they show is still there, since a cell being typed in is
    // taken into it as its editor closes; the window no longer follows it.
    m_sheet.blockSignals(true);
    m_sheet.undoStack()->blockSignals(true);
    delete takeCentralWidget();
}

QWidget* CatalogueEditor::buildTables() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    const CatalogueKindInfo& info = m_sheet.info();
    m_entriesModel = new CatalogueTableModel(m_sheet, false, this);
    m_entriesView = newTable(
        m_entriesModel, info.programmes ? QStringLiteral("programmes") : QStringLiteral("records"));
    if (info.programmes) {
        m_stepsModel = new CatalogueTableModel(m_sheet, true, this);
        m_stepsView = newTable(m_stepsModel, QStringLiteral("steps"));
        auto* programmes = new QGroupBox(CatalogueEditor::tr("Programmes"), page);
        (new QVBoxLayout(programmes))->addWidget(tableWithButtons(m_entriesView, false));
        m_stepsGroup = new QGroupBox(page);
        (new QVBoxLayout(m_stepsGroup))->addWidget(tableWithButtons(m_stepsView, true));
        auto* row = new QHBoxLayout;
        row->addWidget(programmes, 2);
        row->addWidget(m_stepsGroup, 3);
        layout->addLayout(row, 1);
        connect(m_entriesView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) {
                    m_stepsModel->setEntry(current.isValid() ? current.row() : -1);
                    updateState();
                });
    } else {
        layout->addWidget(tableWithButtons(m_entriesView, false), 1);
    }

    auto* messageRow = new QHBoxLayout;
    m_messageIcon = new QLabel(page);
    m_message = new QLabel(page);
    m_message->setObjectName(QStringLiteral("message"));
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    messageRow->addWidget(m_messageIcon, 0, Qt::AlignTop);
    messageRow->addWidget(m_message, 1);
    layout->addLayout(messageRow);

    auto* bottom = new QHBoxLayout;
    m_fileForm = new QLabel(page);
    m_fileForm->setObjectName(QStringLiteral("fileForm"));
    m_fileForm->setToolTip(CatalogueEditor::tr(
        "L'encodage et les fins de ligne du fichier, que l'enregistrement garde"));
    bottom->addWidget(m_fileForm, 1);
    m_saveButton = new QPushButton(CatalogueEditor::tr("Enregistrer"), page);
    m_saveButton->setObjectName(QStringLiteral("save"));
    m_saveButton->setToolTip(
        tr("Enregistrer le catalogue ; le fichier précédent est gardé en .bak"));
    connect(m_saveButton, &QPushButton::clicked, this, &CatalogueEditor::save);
    auto* close = new QPushButton(CatalogueEditor::tr("Fermer"), page);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    bottom->addWidget(m_saveButton);
    bottom->addWidget(close);
    layout->addLayout(bottom);
    return page;
}

QTableView* CatalogueEditor::newTable(CatalogueTableModel* model, const QString& name) {
    auto* view = new QTableView(this);
    view->setObjectName(name);
    view->setModel(model);
    view->setItemDelegate(new CatalogueCellDelegate(view));
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setAlternatingRowColors(true);
    view->setWordWrap(false);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* header = view->horizontalHeader();
    header->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
    header->setStretchLastSection(true);
    // A bold header of the current column would no longer fit the width measured for it.
    header->setHighlightSections(false);
    return view;
}

QWidget* CatalogueEditor::tableWithButtons(QTableView* view, bool steps) {
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view, 1);
    auto* buttons = new QVBoxLayout;
    // The steps' buttons act on the programme chosen; with none chosen, on nothing.
    const int level = steps ? 0 : -1;
    const QString definite = m_sheet.rowNoun(level, true);
    using Edit = std::function<void(CatalogueSheet&, int entry, int row)>;
    const std::pair<QString, Edit> actions[] = {
        {CatalogueEditor::tr("Ajouter %1").arg(m_sheet.rowNoun(level, false)),
         [](CatalogueSheet& sheet, int entry, int row) { sheet.addRow(entry, row); }},
        {CatalogueEditor::tr("Dupliquer %1").arg(definite),
         [](CatalogueSheet& sheet, int entry, int row) { sheet.duplicateRow(entry, row); }},
        {CatalogueEditor::tr("Supprimer %1").arg(definite),
         [](CatalogueSheet& sheet, int entry, int row) { sheet.removeRow(entry, row); }},
        {CatalogueEditor::tr("Monter %1").arg(definite),
         [](CatalogueSheet& sheet, int entry, int row) { sheet.moveRow(entry, row, -1); }},
        {CatalogueEditor::tr("Descendre %1").arg(definite),
         [](CatalogueSheet& sheet, int entry, int row) { sheet.moveRow(entry, row, 1); }},
    };
    for (const auto& [text, edit] : actions) {
        auto* button = new QPushButton(text, box);
        button->setProperty("steps", steps);
        connect(button, &QPushButton::clicked, this, [this, steps, edit = edit] {
            const int entry = steps ? stepsEntry() : -1;
            if (!steps || entry >= 0) {
                edit(m_sheet, entry, currentRow(steps));
            }
        });
        buttons->addWidget(button);
        m_rowButtons << button;
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return box;
}

QWidget* CatalogueEditor::buildUnreadablePage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("unreadable"));
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(page);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(size, size));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    m_errorTitle = new QLabel(page);
    m_errorTitle->setObjectName(QStringLiteral("errorTitle"));
    QFont bold = m_errorTitle->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_errorTitle->setFont(bold);
    m_errorText = new QLabel(page);
    m_errorText->setObjectName(QStringLiteral("errorText"));
    m_errorText->setWordWrap(true);
    m_errorText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(m_errorTitle);
    texts->addWidget(m_errorText);
    top->addLayout(texts, 1);
    layout->addLayout(top);

    auto* buttons = new QHBoxLayout;
    auto* open = new QPushButton(CatalogueEditor::tr("Ouvrir dans l'éditeur de texte"), page);
    connect(open, &QPushButton::clicked, this, [this] {
        const QUrl url = QUrl::fromLocalFile(QFileInfo(m_sheet.path()).absoluteFilePath());
        if (!QDesktopServices::openUrl(url)) {
            QMessageBox::warning(this, windowTitle(),
                                 CatalogueEditor::tr("Aucun éditeur de texte n'a pu être ouvert."));
        }
    });
    m_restoreButton =
        new QPushButton(CatalogueEditor::tr("Restaurer la copie de sauvegarde"), page);
    m_restoreButton->setObjectName(QStringLiteral("restore"));
    connect(m_restoreButton, &QPushButton::clicked, this, &CatalogueEditor::restoreBackup);
    auto* again = new QPushButton(CatalogueEditor::tr("Relire le fichier"), page);
    again->setObjectName(QStringLiteral("reload"));
    connect(again, &QPushButton::clicked, this, &CatalogueEditor::reload);
    auto* close = new QPushButton(CatalogueEditor::tr("Fermer"), page);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    for (QPushButton* button : {open, m_restoreButton, again}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addStretch(1);
    layout->addLayout(buttons);
    return page;
}

void CatalogueEditor::createMenus() {
    QMenu* file = menuBar()->addMenu(CatalogueEditor::tr("&Catalogue"));
    m_saveAction = file->addAction(CatalogueEditor::tr("&Enregistrer"), QKeySequence::Save, this,
                                   &CatalogueEditor::save);
    file->addSeparator();
    file->addAction(CatalogueEditor::tr("&Fermer"), QKeySequence::Close, this, &QWidget::close);
    QMenu* edit = menuBar()->addMenu(CatalogueEditor::tr("Éditio&n"));
    QAction* undo = m_sheet.undoStack()->createUndoAction(this, CatalogueEditor::tr("Annuler"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = m_sheet.undoStack()->createRedoAction(this, CatalogueEditor::tr("Rétablir"));
    redo->setShortcuts(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);
}

void CatalogueEditor::fitColumns(QTableView* view) {
    // A header wraps onto two lines, so that eight columns fit a window; a column is as wide as
    // the longer half of its header or its widest cell, whichever is wider. The first rows stand
    // for a long catalogue.
    const QAbstractItemModel* model = view->model();
    const QFontMetrics cells(view->font());
    const QFontMetrics headers(view->horizontalHeader()->font());
    const int padding = cells.averageCharWidth() * 2 + 8;
    const int rows = std::min(model->rowCount(), 500);
    // Room for a vertical scroll bar, so that a long catalogue scrolls down, not sideways.
    int width = view->verticalHeader()->sizeHint().width() + 2 * view->frameWidth() +
                view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view);
    for (int c = 0; c < model->columnCount(); ++c) {
        const QStringList words = model->headerData(c, Qt::Horizontal).toString().split(' ');
        int column = headers.horizontalAdvance(words.join(' '));
        for (int split = 1; split < words.size(); ++split) {
            column =
                std::min(column, std::max(headers.horizontalAdvance(words.mid(0, split).join(' ')),
                                          headers.horizontalAdvance(words.mid(split).join(' '))));
        }
        for (int r = 0; r < rows; ++r) {
            column =
                std::max(column, cells.horizontalAdvance(model->index(r, c).data().toString()));
        }
        view->setColumnWidth(c, column + padding);
        width += column + padding;
    }
    view->horizontalHeader()->setFixedHeight(headers.lineSpacing() * 2 + 10);
    view->setMinimumWidth(std::min(width, 1100));
}

void CatalogueEditor::reload() {
    m_sheet.load();
    showLoaded();
}

void CatalogueEditor::showLoaded() {
    const QString file = QFileInfo(m_sheet.path()).fileName();
    setWindowTitle(QStringLiteral("%1[*] – %2").arg(file, m_sheet.info().title));
    if (const auto& error = m_sheet.readError()) {
        m_errorTitle->setText(CatalogueEditor::tr("Erreur d'exécution %1").arg(error->number()));
        QString text = QString::fromStdString(error->what());
        if (m_sheet.stoppedAt() > 0) {
            text += CatalogueEditor::tr("\n\nLa lecture s'est arrêtée à l'enregistrement %1.")
                        .arg(m_sheet.stoppedAt());
        }
        text += CatalogueEditor::tr(
            "\n\nLe catalogue ne peut être modifié ici que lorsqu'il se lit en entier : "
            "corrigez-le dans un éditeur de texte puis relisez-le, ou reprenez la copie de "
            "sauvegarde faite au dernier enregistrement.");
        m_errorText->setText(text);
        m_restoreButton->setEnabled(QFileInfo::exists(m_sheet.path() + QStringLiteral(".bak")));
        m_pages->setCurrentIndex(1);
    } else {
        m_pages->setCurrentIndex(0);
        goTo({0, -1, 0});
    }
    updateState();
}

int CatalogueEditor::stepsEntry() const {
    return m_stepsModel ? m_stepsModel->entry() : -1;
}

int CatalogueEditor::currentRow(bool steps) const {
    const QModelIndex current = (steps ? m_stepsView : m_entriesView)->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CatalogueEditor::goTo(const SheetPlace& place) {
    const auto select = [](QTableView* view, const QModelIndex& index) {
        if (index.isValid()) {
            view->setCurrentIndex(index);
            view->scrollTo(index);
        }
    };
    const int entries = int(m_sheet.entries().size());
    const int entry = std::min(place.entry, entries - 1);
    if (entry < 0) {
        return;
    }
    select(m_entriesView, m_entriesModel->indexOf({entry, -1, place.step < 0 ? place.column : 0}));
    if (m_stepsModel && place.step >= 0) {
        const int steps = int(m_sheet.entries().at(entry).steps.size());
        select(m_stepsView,
               m_stepsModel->indexOf({entry, std::min(place.step, steps - 1), place.column}));
    }
}

bool CatalogueEditor::canSave() const {
    return !m_sheet.readError() && m_sheet.faults().isEmpty();
}

void CatalogueEditor::updateState() {
    setWindowModified(m_sheet.isModified());
    const bool readable = !m_sheet.readError();
    const QList<SheetFault> faults = readable ? m_sheet.faults() : QList<SheetFault>();
    m_saveButton->setEnabled(readable && faults.isEmpty());
    m_saveAction->setEnabled(m_saveButton->isEnabled());
    for (QPushButton* button : std::as_const(m_rowButtons)) {
        button->setEnabled(readable && (!button->property("steps").toBool() || stepsEntry() >= 0));
    }
    if (m_stepsGroup) {
        const int entry = stepsEntry();
        m_stepsGroup->setTitle(
            entry < 0 ? CatalogueEditor::tr("Étapes")
                      : CatalogueEditor::tr("Étapes du programme %1")
                            .arg(quoted(m_sheet.entries().at(entry).cells.front().trimmed())));
    }
    m_fileForm->setText(CatalogueEditor::tr("Encodage : %1 · fins de ligne %2")
                            .arg(encodingName(m_sheet.encoding()), lineEndName(m_sheet.lineEnd())));
    if (!faults.isEmpty()) {
        const SheetFault& first = faults.front();
        const QString count =
            faults.size() == 1 ? CatalogueEditor::tr("Une cellule à corriger")
                               : CatalogueEditor::tr("%1 cellules à corriger").arg(faults.size());
        QString where = first.where;
        where[0] = where[0].toUpper();
        showMessage(
            CatalogueEditor::tr("%1 avant d'enregistrer. %2 : %3.").arg(count, where, first.reason),
            true);
    } else if (readable && !m_sheet.fileExists()) {
        showMessage(CatalogueEditor::tr("Le fichier %1 n'existe pas encore : il sera créé à "
                                        "l'enregistrement.")
                        .arg(quoted(m_sheet.path())),
                    false);
    } else {
        showMessage(QString(), false);
    }
}

void CatalogueEditor::showMessage(const QString& text, bool fault) {
    m_message->setText(text);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    const QIcon icon = style()->standardIcon(fault ? QStyle::SP_MessageBoxWarning
                                                   : QStyle::SP_MessageBoxInformation);
    m_messageIcon->setPixmap(text.isEmpty() ? QPixmap() : icon.pixmap(size, size));
    m_message->setAccessibleName(fault ? CatalogueEditor::tr("Erreur")
                                       : CatalogueEditor::tr("Message"));
}

QString CatalogueEditor::message() const {
    return m_message->text();
}

bool CatalogueEditor::askForUtf8(const gypsomix::RunTimeError& error) {
    std::unique_ptr<QMessageBox> box(question(
        this, QStringLiteral("encodingQuestion"), windowTitle().remove(QStringLiteral("[*]")),
        CatalogueEditor::tr("Le fichier %1 est en Windows-1252, qui ne peut pas contenir ce texte. "
                            "Passer le fichier en UTF-8 ?")
            .arg(quoted(QFileInfo(m_sheet.path()).fileName())),
        translatedText(error.message()) +
            CatalogueEditor::tr("\n\nEn UTF-8, Gypsomix et les éditeurs de texte d'aujourd'hui le "
                                "lisent toujours.")));
    QPushButton* utf8 =
        box->addButton(CatalogueEditor::tr("Passer en UTF-8"), QMessageBox::AcceptRole);
    box->addButton(CatalogueEditor::tr("Annuler"), QMessageBox::RejectRole);
    box->setDefaultButton(utf8);
    box->exec();
    return box->clickedButton() == utf8;
}

bool CatalogueEditor::save() {
    if (!canSave()) {
        return false;
    }
    try {
        m_sheet.save();
    } catch (const gypsomix::CatalogueTextError& error) {
        goTo(m_sheet.placeOfRecord(error.record(), error.field()));
        if (error.encoding_cannot_hold() &&
            m_sheet.encoding() == gypsomix::CatalogueEncoding::windows_1252 && askForUtf8(error)) {
            m_sheet.setEncoding(gypsomix::CatalogueEncoding::utf8);
            return save();
        }
        showMessage(CatalogueEditor::tr("Le catalogue n'a pas été enregistré."), true);
        if (!error.encoding_cannot_hold()) {
            showRunTimeError(this, error);
        }
        return false;
    } catch (const gypsomix::RunTimeError& error) {
        showMessage(
            CatalogueEditor::tr("Le catalogue n'a pas été enregistré : le fichier est resté "
                                "tel qu'il était."),
            true);
        showRunTimeError(this, error);
        return false;
    }
    updateState();
    showMessage(CatalogueEditor::tr("Enregistré ; la version précédente est gardée dans %1.")
                    .arg(quoted(QFileInfo(m_sheet.path()).fileName() + QStringLiteral(".bak"))),
                false);
    emit catalogueSaved(m_sheet.path());
    return true;
}

bool CatalogueEditor::maybeSave() {
    if (!m_sheet.isModified()) {
        return true;
    }
    std::unique_ptr<QMessageBox> box(question(
        this, QStringLiteral("saveQuestion"), m_sheet.info().title,
        CatalogueEditor::tr("Enregistrer les modifications du catalogue %1\u00A0?")
            .arg(quoted(QFileInfo(m_sheet.path()).fileName())),
        canSave() ? CatalogueEditor::tr("Sinon, elles seront perdues.")
                  : CatalogueEditor::tr("Des cellules sont encore à corriger : « Enregistrer » "
                                        "ramène au catalogue.")));
    QPushButton* saveButton =
        box->addButton(CatalogueEditor::tr("Enregistrer"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box->addButton(CatalogueEditor::tr("Ne pas enregistrer"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box->addButton(CatalogueEditor::tr("Annuler"), QMessageBox::RejectRole);
    box->setDefaultButton(saveButton);
    box->setEscapeButton(cancel);
    box->exec();
    if (box->clickedButton() == discard) {
        return true;
    }
    return box->clickedButton() == saveButton && save();
}

bool CatalogueEditor::restoreBackup() {
    const QString path = m_sheet.path();
    const QString backup = path + QStringLiteral(".bak");
    const QString kept = path + QStringLiteral(".illisible");
    const QString file = QFileInfo(path).fileName();
    std::unique_ptr<QMessageBox> box(
        question(this, QStringLiteral("restoreQuestion"), m_sheet.info().title,
                 CatalogueEditor::tr("Remplacer %1 par sa copie de sauvegarde %2\u00A0?")
                     .arg(quoted(file), quoted(file + QStringLiteral(".bak"))),
                 CatalogueEditor::tr("Le fichier illisible est gardé sous le nom %1.")
                     .arg(quoted(file + QStringLiteral(".illisible")))));
    QPushButton* restore =
        box->addButton(CatalogueEditor::tr("Restaurer"), QMessageBox::AcceptRole);
    box->addButton(CatalogueEditor::tr("Annuler"), QMessageBox::RejectRole);
    box->exec();
    if (box->clickedButton() != restore) {
        return false;
    }
    QFile source(backup);
    QSaveFile target(path);
    QFile::remove(kept);
    const bool done = source.open(QIODevice::ReadOnly) && QFile::copy(path, kept) &&
                      target.open(QIODevice::WriteOnly) &&
                      target.write(source.readAll()) == source.size() && target.commit();
    if (!done) {
        QMessageBox::warning(this, m_sheet.info().title,
                             CatalogueEditor::tr("La copie de sauvegarde n'a pas pu être remise en "
                                                 "place ; le fichier est resté tel qu'il était."));
        return false;
    }
    reload();
    return true;
}

void CatalogueEditor::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    event->accept();
}
