#include "ui/plan_main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "catalogue/catalogue.h"
#include "document/plan_catalogue.h"
#include "ui/catalogue_editor.h"
#include "ui/journal_window.h"
#include "ui/metal_panel.h"
#include "ui/number_format.h"
#include "ui/oven_panel.h"
#include "ui/pictures.h"
#include "ui/plan_files.h"
#include "ui/plan_window.h"
#include "ui/run_time_report.h"

namespace {

constexpr int kRecentKept = 8;
const QString kRecentKey = QStringLiteral("recentPlans");
const QString kFlaskUnitKey = QStringLiteral("flaskUnit");

// The unit the caster last picked for a flask; until then, inches where flasks are sold in
// inches (the United States), millimetres elsewhere.
gypsomix::LengthUnit startingFlaskUnit(const QSettings& settings) {
    const QString picked = settings.value(kFlaskUnitKey).toString();
    if (picked == QLatin1String("in") || picked == QLatin1String("mm")) {
        return picked == QLatin1String("in") ? gypsomix::LengthUnit::inch
                                             : gypsomix::LengthUnit::millimetre;
    }
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem
               ? gypsomix::LengthUnit::inch
               : gypsomix::LengthUnit::millimetre;
}

// The catalogues are read from the folder the program was started in.
QString catalogueFolder() {
    return QDir::current().absoluteFilePath(QStringLiteral("Data"));
}

QString programTitle() {
    return PlanMainWindow::tr("Gypsomix – Plan de coulée");
}

}  // namespace

PlanPlaces PlanPlaces::user() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return {QDir(data).filePath(QStringLiteral("gypsomix")),
            QDir(config).filePath(QStringLiteral("gypsomix/gypsomix-plan.conf"))};
}

PlanMainWindow::PlanMainWindow(const PlanPlaces& places, QWidget* parent)
    : QMainWindow(parent),
      m_autosave(m_editor, places.dataFolder),
      m_settings(places.settingsFile, QSettings::IniFormat),
      m_journal(QDir(places.dataFolder).filePath(QStringLiteral("journal.sqlite"))) {
    setObjectName(QStringLiteral("Plan de coulée"));
    setWindowIcon(loadIcon(QStringLiteral("gypsomix"), {16, 32, 48, 64}));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_noticeBar = new QWidget(central);
    auto* bar = new QHBoxLayout(m_noticeBar);
    auto* icon = new QLabel(m_noticeBar);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));
    m_notice = new QLabel(m_noticeBar);
    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setWordWrap(true);
    m_notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_noticeAction = new QPushButton(m_noticeBar);
    m_noticeAction->setObjectName(QStringLiteral("noticeAction"));
    m_noticeAction->hide();
    connect(m_noticeAction, &QPushButton::clicked, this, [this] {
        if (auto act = std::exchange(m_onNoticeAction, {})) {
            act();
        }
    });
    auto* dismiss = new QToolButton(m_noticeBar);
    dismiss->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    dismiss->setAutoRaise(true);
    dismiss->setToolTip(tr("Fermer ce message"));
    dismiss->setAccessibleName(tr("Fermer ce message"));
    connect(dismiss, &QToolButton::clicked, this, [this] { showNotice(QString()); });
    bar->addWidget(icon, 0, Qt::AlignTop);
    bar->addWidget(m_notice, 1);
    bar->addWidget(m_noticeAction, 0, Qt::AlignTop);
    bar->addWidget(dismiss, 0, Qt::AlignTop);
    m_noticeBar->setAutoFillBackground(true);
    m_noticeBar->setBackgroundRole(QPalette::AlternateBase);
    m_noticeBar->hide();
    // The plan, then what follows from its flasks: the metal to melt and the oven's day.
    m_tabs = new QTabWidget(central);
    m_tabs->setDocumentMode(true);
    // Each page is made where the tabs keep it: a page with a style sheet that is moved after
    // it is made has all its fields styled again.
    QWidget* pages = m_tabs->findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly);
    if (pages == nullptr) {
        pages = m_tabs;
    }
    m_view = new PlanWindow(m_editor, pages);
    m_tabs->addTab(m_view, tr("Plan"));
    m_metal = new MetalPanel(m_editor, m_settings, pages);
    m_tabs->addTab(m_metal, tr("Métal"));
    m_oven = new OvenPanel(m_editor, m_settings, pages);
    m_tabs->addTab(m_oven, tr("Cuisson"));
    layout->addWidget(m_noticeBar);
    layout->addWidget(m_tabs, 1);
    setCentralWidget(central);

    createMenus();
    m_editor.setNewLineUnit(startingFlaskUnit(m_settings));
    if (m_editor.newLineUnit() != gypsomix::LengthUnit::millimetre) {
        m_editor.replace(m_editor.newPlan());
    }
    connect(m_view, &PlanWindow::flaskUnitChosen, this, [this](gypsomix::LengthUnit unit) {
        m_editor.setNewLineUnit(unit);
        m_settings.setValue(kFlaskUnitKey, unit == gypsomix::LengthUnit::inch
                                               ? QStringLiteral("in")
                                               : QStringLiteral("mm"));
    });
    connect(&m_editor, &PlanEditor::modifiedChanged, this, &PlanMainWindow::updateTitle);
    updateTitle();
    resize(sizeHint().expandedTo(minimumSizeHint()));
}

PlanMainWindow::~PlanMainWindow() = default;

void PlanMainWindow::createMenus() {
    QMenu* file = menuBar()->addMenu(tr("&Fichier"));
    file->addAction(tr("&Nouveau"), QKeySequence::New, this, &PlanMainWindow::newPlan);
    file->addAction(tr("&Ouvrir…"), QKeySequence::Open, this, &PlanMainWindow::open);
    m_recentMenu = file->addMenu(tr("Plans &récents"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &PlanMainWindow::fillRecentMenu);
    file->addSeparator();
    file->addAction(tr("&Enregistrer"), QKeySequence::Save, this, &PlanMainWindow::save);
    file->addAction(tr("Enregistrer &sous…"), QKeySequence::SaveAs, this, &PlanMainWindow::saveAs);
    file->addSeparator();
    QAction* print = file->addAction(tr("&Imprimer la fiche…"), QKeySequence::Print, m_view,
                                     &PlanWindow::printSheet);
    QAction* pdf =
        file->addAction(tr("Enregistrer la fiche en &PDF…"), m_view, &PlanWindow::saveSheet);
    file->addSeparator();
    file->addAction(tr("&Quitter"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("Éditio&n"));
    QAction* undo = m_editor.undoStack()->createUndoAction(this, tr("Annuler"));
    undo->setShortcuts(QKeySequence::Undo);
    QAction* redo = m_editor.undoStack()->createRedoAction(this, tr("Rétablir"));
    redo->setShortcuts(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    edit->addAction(tr("Ajouter une ligne"), m_view, &PlanWindow::addFlaskLine);
    edit->addAction(tr("Dupliquer la ligne"), m_view, &PlanWindow::duplicateFlaskLine);
    QAction* remove =
        edit->addAction(tr("Supprimer la ligne"), m_view, &PlanWindow::removeFlaskLine);

    QMenu* catalogues = menuBar()->addMenu(tr("&Catalogues"));
    const QString kinds[] = {tr("&Revêtements…"), tr("C&ylindres…"), tr("&Métaux…"),
                             tr("&Programmes de cuisson…")};
    for (int kind = 0; kind < int(std::size(kinds)); ++kind) {
        catalogues->addAction(kinds[kind], this, [this, kind] { editCatalogue(kind); });
    }

    QMenu* journal = menuBar()->addMenu(tr("&Journal"));
    QAction* record =
        journal->addAction(tr("&Consigner la coulée"), this, &PlanMainWindow::recordCast);
    journal->addAction(tr("&Journal des coulées"), this, &PlanMainWindow::showJournal);
    connect(m_view, &PlanWindow::recordRequested, this, &PlanMainWindow::recordCast);
    // Water has met powder: the cast is offered to the journal, one click away, no dialog.
    connect(m_view, &PlanWindow::timerStarted, this, [this] {
        if (m_journal.state() == Journal::State::writable) {
            showNotice(tr("Minuterie démarrée : consigner cette coulée dans le journal ?"),
                       tr("Consigner la coulée"), [this] { recordCast(); });
        }
    });

    QMenu* help = menuBar()->addMenu(tr("Ai&de"));
    help->addAction(tr("&Dossier des catalogues"), this,
                    [] { QDesktopServices::openUrl(QUrl::fromLocalFile(catalogueFolder())); });
    help->addAction(tr("À &propos de Gypsomix – Plan de coulée"), this, [this] {
        QMessageBox::about(
            this, tr("À propos de Gypsomix – Plan de coulée"),
            tr("<b>%1</b><p>Version %2</p><p>Les masses de revêtement et d'eau de plusieurs "
               "cylindres coulés d'un même bol.</p><p>Logiciel libre sous licence MIT.</p>"
               "<p>Catalogues lus dans le dossier %3</p>")
                .arg(programTitle(), QApplication::applicationVersion(),
                     QDir::toNativeSeparators(catalogueFolder()).toHtmlEscaped()));
    });
    help->addAction(tr("À propos de &Qt"), qApp, &QApplication::aboutQt);

    // What needs the masses, or a second line, is offered only when there is one.
    const auto follow = [this, print, pdf, remove, record] {
        const auto& figures = m_view->figures();
        const bool sheet = figures.has_material && !figures.error;
        print->setEnabled(sheet);
        pdf->setEnabled(sheet);
        record->setEnabled(m_journal.state() == Journal::State::writable);
        remove->setEnabled(m_editor.plan().lines.size() > 1);
    };
    connect(&m_editor, &PlanEditor::changed, this, follow);
    follow();
}

void PlanMainWindow::start() {
    m_view->loadCatalogues();
    m_metal->loadCatalogue();
    m_oven->loadCatalogue();
    if (!m_journal.notice().isEmpty()) {
        showNotice(m_journal.notice());
    }
    if (!m_autosave.claim()) {
        return;
    }
    if (auto recovered = m_autosave.takeRecovered()) {
        auto match = gypsomix::match_catalogues(recovered->plan, regionalNumberFormat());
        const QStringList notes = QStringList{tr("Plan rétabli après une fermeture inattendue.")} +
                                  translatedTexts(match.messages);
        takeOpened(std::move(recovered->plan), recovered->filePath,
                   recovered->modified || match.changed, notes);
    }
}

void PlanMainWindow::takeOpened(gypsomix::PlanDocument plan, const QString& path, bool modified,
                                QStringList notes) {
    m_editor.replace(std::move(plan), modified);
    setFilePath(path);
    showNotice(notes.join(QLatin1Char('\n')));
}

bool PlanMainWindow::openFile(const QString& path) {
    auto read = readPlanFile(path);
    if (const auto* why = std::get_if<QString>(&read)) {
        QMessageBox::warning(this, programTitle(), *why);
        return false;
    }
    auto plan = std::get<gypsomix::PlanDocument>(std::move(read));
    const auto match = gypsomix::match_catalogues(plan, regionalNumberFormat());
    const QStringList notes = translatedTexts(match.messages);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    takeOpened(std::move(plan), absolute, match.changed, notes);
    addRecent(absolute);
    return true;
}

bool PlanMainWindow::maybeSave() {
    if (!m_editor.isModified()) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, programTitle(),
                    tr("Enregistrer les modifications du plan «\u00A0%1\u00A0»\u00A0?")
                        .arg(planDisplayName(m_filePath)),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setObjectName(QStringLiteral("saveQuestion"));
    box.setInformativeText(tr("Sinon, elles seront perdues."));
    box.button(QMessageBox::Save)->setText(tr("Enregistrer"));
    box.button(QMessageBox::Discard)->setText(tr("Ne pas enregistrer"));
    box.button(QMessageBox::Cancel)->setText(tr("Annuler"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return save();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

bool PlanMainWindow::save() {
    return m_filePath.isEmpty() ? saveAs() : saveTo(m_filePath);
}

bool PlanMainWindow::saveAs() {
    const QString folder = m_filePath.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QFileInfo(m_filePath).absolutePath();
    const QString suggested =
        QDir(folder).filePath(QFileInfo(planDisplayName(m_filePath)).completeBaseName() +
                              QLatin1Char('.') + QLatin1String(kPlanSuffix));
    QString path =
        QFileDialog::getSaveFileName(this, tr("Enregistrer le plan"), suggested, planFileFilter());
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().compare(QLatin1String(kPlanSuffix), Qt::CaseInsensitive) != 0) {
        path += QLatin1Char('.') + QLatin1String(kPlanSuffix);
    }
    return saveTo(path);
}

bool PlanMainWindow::saveTo(const QString& path) {
    const QString failure = writePlanFile(path, m_editor.plan());
    if (!failure.isEmpty()) {
        QMessageBox::warning(this, programTitle(), failure);
        return false;
    }
    m_editor.markSaved();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    setFilePath(absolute);
    addRecent(absolute);
    return true;
}

void PlanMainWindow::newPlan() {
    if (maybeSave()) {
        takeOpened(m_editor.newPlan(), QString(), false, {});
    }
}

void PlanMainWindow::open() {
    if (!maybeSave()) {
        return;
    }
    const QString folder = m_filePath.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QFileInfo(m_filePath).absolutePath();
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Ouvrir un plan"), folder, planFileFilter());
    if (!path.isEmpty()) {
        openFile(path);
    }
}

void PlanMainWindow::setFilePath(const QString& path) {
    m_filePath = path;
    m_autosave.setFilePath(path);
    updateTitle();
}

void PlanMainWindow::updateTitle() {
    setWindowTitle(
        tr("%1[*] – %2", "file name, program").arg(planDisplayName(m_filePath), programTitle()));
    setWindowModified(m_editor.isModified());
}

QStringList PlanMainWindow::recentFiles() const {
    return m_settings.value(kRecentKey).toStringList();
}

void PlanMainWindow::addRecent(const QString& path) {
    QStringList recent = recentFiles();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentKept) {
        recent.removeLast();
    }
    m_settings.setValue(kRecentKey, recent);
    m_settings.sync();
}

void PlanMainWindow::fillRecentMenu() {
    m_recentMenu->clear();
    const QStringList recent = recentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent.at(i);
        QAction* action = m_recentMenu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), this,
            [this, path] {
                if (maybeSave() && !openFile(path) && !QFileInfo::exists(path)) {
                    // A plan moved or deleted since: it is no longer offered.
                    QStringList kept = recentFiles();
                    kept.removeAll(path);
                    m_settings.setValue(kRecentKey, kept);
                }
            });
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(QDir::toNativeSeparators(path));
    }
    if (recent.isEmpty()) {
        m_recentMenu->addAction(tr("Aucun plan récent"))->setEnabled(false);
        return;
    }
    m_recentMenu->addSeparator();
    m_recentMenu->addAction(tr("&Effacer la liste"), this,
                            [this] { m_settings.remove(kRecentKey); });
}

QString PlanMainWindow::notice() const {
    return m_noticeBar->isHidden() ? QString() : m_notice->text();
}

void PlanMainWindow::showNotice(const QString& text, const QString& action,
                                std::function<void()> onAction) {
    m_notice->setText(text);
    m_noticeBar->setVisible(!text.isEmpty());
    m_noticeAction->setText(action);
    m_noticeAction->setVisible(!action.isEmpty());
    m_onNoticeAction = std::move(onAction);
}

void PlanMainWindow::recordCast() {
    showNotice(::recordCast(m_journal, m_editor.plan(), m_view->figures(), m_view->mixedAt()));
}

// One editor per catalogue; a catalogue saved is listed again in the windows that list it.
void PlanMainWindow::editCatalogue(int kind) {
    while (m_catalogueEditors.size() <= kind) {
        m_catalogueEditors.append(nullptr);
    }
    QPointer<CatalogueEditor>& editor = m_catalogueEditors[kind];
    if (!editor) {
        editor = new CatalogueEditor(CatalogueKind(kind), this);
        editor->setAttribute(Qt::WA_DeleteOnClose);
        connect(editor, &CatalogueEditor::catalogueSaved, this, [this] {
            m_view->loadCatalogues();
            m_metal->loadCatalogue();
            m_oven->loadCatalogue();
        });
    }
    editor->show();
    editor->raise();
    editor->activateWindow();
}

void PlanMainWindow::showJournal() {
    if (!m_journalWindow) {
        m_journalWindow = new JournalWindow(m_journal, this);
        // A cast opened again is a new plan, not saved yet, in today's catalogues.
        connect(m_journalWindow, &JournalWindow::openAsPlan, this,
                [this](const gypsomix::PlanDocument& opened) {
                    if (!maybeSave()) {
                        return;
                    }
                    auto plan = opened;
                    const QStringList notes = translatedTexts(
                        gypsomix::match_catalogues(plan, regionalNumberFormat()).messages);
                    takeOpened(std::move(plan), QString(), true, notes);
                    raise();
                    activateWindow();
                });
    }
    m_journalWindow->show();
    m_journalWindow->raise();
    m_journalWindow->activateWindow();
}

void PlanMainWindow::closeEvent(QCloseEvent* event) {
    // A catalogue being edited asks about its own changes first.
    for (const QPointer<CatalogueEditor>& editor : std::as_const(m_catalogueEditors)) {
        if (editor && !editor->close()) {
            event->ignore();
            return;
        }
    }
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    m_autosave.discard();
    event->accept();
}
