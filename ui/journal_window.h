#pragma once

#include <QTimer>
#include <QWidget>

#include "document/plan_document.h"
#include "ui/journal.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// « Journal des coulées »: the casts recorded, newest first, found by their material, metal or
// notes; what came of each is told in the pane beside the table and written at once. A cast can
// be opened again as a plan, deleted, and the whole journal exported for a spreadsheet.
class JournalWindow : public QWidget {
    Q_OBJECT

  public:
    explicit JournalWindow(Journal& journal, QWidget* parent = nullptr);
    ~JournalWindow() override;

    // The cast shown in the pane; 0 when none is.
    qint64 shownCast() const { return m_shown; }
    // Selects the cast in the table, when the search shows it.
    bool showCast(qint64 id);
    // Writes the CSV there and says in the window how it went.
    bool exportTo(const QString& path);

  public slots:
    // Reads the journal again, keeping the cast shown.
    void refresh();
    void exportCsv();
    void openShownAsPlan();
    void removeShown();

  signals:
    // « Ouvrir comme plan »: the cast's plan, to be opened as a new plan not saved yet.
    void openAsPlan(const gypsomix::PlanDocument& plan);

  protected:
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void fillTable();
    void selectionChanged();
    void showDetail();
    void saveOutcome();
    void flushNotes();
    void showMessage(const QString& text, bool fault);

    Journal& m_journal;
    QList<JournalCast> m_casts;  // as the table shows them
    qint64 m_shown = 0;

    QLabel* m_notice = nullptr;
    QLineEdit* m_search = nullptr;
    QTableWidget* m_table = nullptr;
    QWidget* m_detail = nullptr;
    QLabel* m_summary = nullptr;
    QComboBox* m_result = nullptr;
    QList<QCheckBox*> m_defects;
    QLineEdit* m_temperature = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_export = nullptr;
    QLabel* m_messageIcon = nullptr;
    QLabel* m_message = nullptr;
    QTimer m_notesTimer;
};
