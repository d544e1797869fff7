#pragma once

#include <QMainWindow>
#include <QString>

#include "ui/catalogue_sheet.h"

class CatalogueTableModel;
class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableView;

// A catalogue edited as a table, one row per record and one column per field, for a caster who
// should never have to mind quotes, commas or encodings: a cell that could not be saved is
// marked as it is typed, and « Enregistrer » waits until every cell is sound. Burnout
// programmes are edited as programmes: their names, and the steps of the one chosen. A file the
// reader cannot read opens on the reader's report, with a way to mend it.
class CatalogueEditor : public QMainWindow {
    Q_OBJECT

  public:
    // Reads `kind`'s catalogue from the folder the program was started in, as the programs do.
    explicit CatalogueEditor(CatalogueKind kind, QWidget* parent = nullptr);
    ~CatalogueEditor() override;

    CatalogueSheet& sheet() { return m_sheet; }
    // Every cell is sound and the file was read: saving is offered.
    bool canSave() const;
    // Writes the file, offering UTF-8 when a name needs it; false when it is not written.
    bool save();
    // Asks what to do with unsaved changes; false when the caster cancels or the save fails.
    bool maybeSave();
    // Reads the file again, as it now is.
    void reload();
    // Puts the .bak back in place of a file that cannot be read, which is kept beside it.
    bool restoreBackup();
    // The line under the table: what keeps the catalogue from being saved, or what happened.
    QString message() const;

  signals:
    // The file now holds the catalogue shown; lists read from it before are out of date.
    void catalogueSaved(const QString& path);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildTables();
    QWidget* buildUnreadablePage();
    QWidget* tableWithButtons(QTableView* view, bool steps);
    QTableView* newTable(CatalogueTableModel* model, const QString& name);
    void createMenus();
    int currentRow(bool steps) const;
    int stepsEntry() const;
    void goTo(const SheetPlace& place);
    void showLoaded();
    void updateState();
    void showMessage(const QString& text, bool fault);
    bool askForUtf8(const gypsomix::RunTimeError& error);
    void fitColumns(QTableView* view);

    CatalogueSheet m_sheet;
    CatalogueTableModel* m_entriesModel = nullptr;
    CatalogueTableModel* m_stepsModel = nullptr;
    QTableView* m_entriesView = nullptr;
    QTableView* m_stepsView = nullptr;
    QGroupBox* m_stepsGroup = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_messageIcon = nullptr;
    QLabel* m_message = nullptr;
    QLabel* m_fileForm = nullptr;
    QPushButton* m_saveButton = nullptr;
    QAction* m_saveAction = nullptr;
    QLabel* m_errorTitle = nullptr;
    QLabel* m_errorText = nullptr;
    QPushButton* m_restoreButton = nullptr;
    QList<QPushButton*> m_rowButtons;
};
