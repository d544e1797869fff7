#pragma once

#include <QDateTime>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/plan_figures.h"
#include "ui/mixing_sheet.h"

class CatalogueListModel;
class PlanEditor;
class QAbstractItemModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace Ui {
class PlanWindow;
}

// The casting plan: one material, several kinds of flask filled from one bowl, the tree of each
// flask deducted, and the masses to weigh for the whole bowl. The window shows the editor's
// plan and turns each input into one edit of it; the figures follow every change at once. A
// fault is shown in the window, never in a dialog, and empties the results.
class PlanWindow : public QWidget {
    Q_OBJECT

  public:
    explicit PlanWindow(PlanEditor& editor, QWidget* parent = nullptr);
    ~PlanWindow() override;

    // Lists both catalogues. One that cannot be read is reported; its list stays empty and the
    // window stays usable.
    void loadCatalogues();

    void addFlaskLine();
    void duplicateFlaskLine();
    void removeFlaskLine();
    int lineCount() const { return int(m_lines.size()); }

    // The figures of the plan as shown, and its sheet; the sheet is complete once the masses are.
    const gypsomix::PlanFigures& figures() const { return m_figures; }
    MixingSheet mixingSheet() const;
    void printSheet();
    void saveSheet();
    // Writes the sheet as a one-page PDF; false when the file cannot be written.
    bool saveSheetTo(const QString& path) const;
    // The line that the line buttons act on: the one the keyboard focus was last in.
    int currentLine() const { return m_currentLine; }
    // When water met powder, while the timer runs for this plan.
    const std::optional<QDateTime>& mixedAt() const { return m_mixedAt; }

  signals:
    // « Consigner la coulée » beside the timer.
    void recordRequested();
    // The timer started on the material's times: water has met powder.
    void timerStarted();
    // The caster picked a line's unit: new lines start in it from now on.
    void flaskUnitChosen(gypsomix::LengthUnit unit);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    struct FlaskLine;

    void showPlan();
    void showLine(FlaskLine& line, const gypsomix::DocumentLine& plan);
    void showMaterial();
    void materialChosen();
    void startTimer();
    void flaskChosen(FlaskLine* line);
    int indexOf(const FlaskLine* line) const;
    void typed(FlaskLine* line, QLineEdit* field);
    void focusLine(int line);
    void insertLine(int index);
    void placeLines();
    void recompute();
    void clearResults();
    void showError(const gypsomix::PlanError& error);
    void showMessage(const QString& text, bool fault);
    QWidget* fieldOf(const gypsomix::PlanError& error) const;
    void setMarked(QWidget* field, bool marked);
    void colourMasses();
    QAbstractItemModel* withOther(CatalogueListModel* catalogue);

    PlanEditor& m_editor;
    std::unique_ptr<Ui::PlanWindow> ui;
    std::vector<std::unique_ptr<FlaskLine>> m_lines;
    int m_currentLine = 0;
    gypsomix::PlanFigures m_figures;
    std::optional<QDateTime> m_mixedAt;

    CatalogueListModel* m_materialCatalogue = nullptr;
    CatalogueListModel* m_flaskCatalogue = nullptr;
    QAbstractItemModel* m_flasks = nullptr;  // "Autre", then the flask catalogue
    QList<QWidget*> m_marked;
    // The material the list shows, so that the list is searched only when the plan's changes.
    std::optional<std::string> m_shownMaterial;
};
