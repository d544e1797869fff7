#pragma once

#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

#include "calc/plan.h"
#include "calc/schedule.h"
#include "ui/mixing_sheet.h"

class CatalogueListModel;
class QAbstractItemModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace Ui {
class PlanWindow;
}

// The casting plan: one material, several kinds of flask filled from one bowl, the tree of each
// flask deducted, and the masses to weigh for the whole bowl. Every input change recomputes at
// once; a fault is shown in the window, never in a dialog, and empties the results.
class PlanWindow : public QWidget {
    Q_OBJECT

  public:
    explicit PlanWindow(QWidget* parent = nullptr);
    ~PlanWindow() override;

    // Lists both catalogues. One that cannot be read is reported; its list stays empty and the
    // window stays usable.
    void loadCatalogues();

    void addFlaskLine();
    void duplicateFlaskLine();
    void removeFlaskLine();
    int lineCount() const { return int(m_lines.size()); }

    // The sheet of the plan as shown; complete once the masses are.
    MixingSheet mixingSheet() const;
    void printSheet();
    void saveSheet();
    // Writes the sheet as a one-page PDF; false when the file cannot be written.
    bool saveSheetTo(const QString& path) const;
    // The line that the line buttons act on: the one the keyboard focus was last in.
    int currentLine() const { return m_currentLine; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    struct FlaskLine;

    void materialChosen();
    // A material's record was read at its choice.
    bool hasMaterial() const { return !m_materialValues.isEmpty(); }
    void startTimer();
    void flaskChosen(FlaskLine* line);
    void flaskSizeEdited(FlaskLine* line);
    void insertLine(int index, const FlaskLine* copyOf);
    void placeLines();
    void recompute();
    void clearResults();
    void showError(const gypsomix::RunTimeError& error);
    void showMessage(const QString& text, bool fault);
    QWidget* fieldOf(const gypsomix::PlanError& error) const;
    void setMarked(QWidget* field, bool marked);
    void colourMasses();
    gypsomix::Margin margin() const;
    std::vector<gypsomix::PlanLine> planLines() const;

    std::unique_ptr<Ui::PlanWindow> ui;
    std::vector<std::unique_ptr<FlaskLine>> m_lines;
    int m_currentLine = 0;
    QAbstractItemModel* withOther(CatalogueListModel* catalogue);

    CatalogueListModel* m_materialCatalogue = nullptr;
    CatalogueListModel* m_flaskCatalogue = nullptr;
    QAbstractItemModel* m_flasks = nullptr;  // "Autre", then the flask catalogue
    QList<QWidget*> m_marked;
    QString m_materialName;
    QStringList m_materialValues;  // fields 2 to 8 of the record, as the catalogue gives them
};
