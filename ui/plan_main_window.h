#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "ui/journal.h"
#include "ui/plan_autosave.h"
#include "ui/plan_editor.h"

class CatalogueEditor;
class JournalWindow;
class MetalPanel;
class OvenPanel;
class PlanWindow;
class QLabel;
class QPushButton;
class QTabWidget;
class QMenu;
class QWidget;

// Where a plan window keeps what it keeps: the copy of the plan being edited and the list of
// recent plans. The program uses the user's folders; the tests give their own.
struct PlanPlaces {
    QString dataFolder;    // the autosaved copy
    QString settingsFile;  // recent plans
    static PlanPlaces user();
};

// The casting plan as a document: the plan window with a menu bar, files, undo and redo, the
// question before unsaved changes are lost, and the copy that survives a crash.
class PlanMainWindow : public QMainWindow {
    Q_OBJECT

  public:
    explicit PlanMainWindow(const PlanPlaces& places, QWidget* parent = nullptr);
    ~PlanMainWindow() override;

    PlanEditor& editor() { return m_editor; }
    Journal& journal() { return m_journal; }
    PlanWindow& planWindow() { return *m_view; }
    QString filePath() const { return m_filePath; }
    QStringList recentFiles() const;

    // Lists the catalogues, then takes back the plan of a run that did not close normally.
    void start();
    // Opens a plan without asking about the one shown; false, with a message, when it cannot.
    bool openFile(const QString& path);
    // Asks what to do with unsaved changes; false when the caster cancels or the save fails.
    bool maybeSave();
    bool save();
    bool saveAs();
    bool saveTo(const QString& path);
    void newPlan();
    void open();

    // The note above the plan: a plan taken back, or catalogue values changed since saving.
    QString notice() const;
    // « Consigner la coulée »: the plan and its figures into the journal, and the window says
    // what came of it.
    void recordCast();
    void showJournal();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createMenus();
    void editCatalogue(int kind);
    void updateTitle();
    void setFilePath(const QString& path);
    void addRecent(const QString& path);
    void fillRecentMenu();
    // A note; with `action`, a button in it that does the one thing the note offers.
    void showNotice(const QString& text, const QString& action = QString(),
                    std::function<void()> onAction = {});
    void takeOpened(gypsomix::PlanDocument plan, const QString& path, bool modified,
                    QStringList notes);

    PlanEditor m_editor;
    PlanAutosave m_autosave;
    QSettings m_settings;
    Journal m_journal;
    JournalWindow* m_journalWindow = nullptr;
    QList<QPointer<CatalogueEditor>> m_catalogueEditors;  // one per catalogue, while open
    QTabWidget* m_tabs = nullptr;
    PlanWindow* m_view = nullptr;
    MetalPanel* m_metal = nullptr;
    OvenPanel* m_oven = nullptr;
    QWidget* m_noticeBar = nullptr;
    QLabel* m_notice = nullptr;
    QPushButton* m_noticeAction = nullptr;
    std::function<void()> m_onNoticeAction;
    QMenu* m_recentMenu = nullptr;
    QString m_filePath;
};
