#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "document/plan_figures.h"
#include "ui/plan_editor.h"

class CatalogueListModel;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QScrollArea;
class QSettings;

// The metal of a casting plan: the metal chosen from Data/Metal.txt, the pattern of each flask
// line, the metal for one flask of each line and the metal to melt, and the cost of the job from
// the prices of the powder and the metal. Like the plan window, it shows the editor's plan and
// turns each input into one edit of it; a fault is said in the panel, never in a dialog, and
// empties the metal's figures. The prices typed are remembered in `settings` for each material
// and each metal by name, and come back when that material or metal is chosen again.
class MetalPanel : public QWidget {
    Q_OBJECT

  public:
    MetalPanel(PlanEditor& editor, QSettings& settings, QWidget* parent = nullptr);
    ~MetalPanel() override;

    // Lists Data/Metal.txt. A missing or unreadable catalogue is said in the panel; the list
    // stays empty and the rest of the plan works.
    void loadCatalogue();

    // The figures the panel shows, worked out from the editor's plan.
    const gypsomix::PlanFigures& figures() const { return m_figures; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    struct Row;

    void showPlan();
    void showLines();
    void showFigures();
    void showFault(const gypsomix::PlanError& error);
    void showMessage(const QString& text, bool fault);
    void metalChosen(int row);
    void typed(PlanEditor::Field field, QLineEdit* edit, int line);
    void recallPowderPrice();
    void colourTotal();
    QLineEdit* fieldOf(const gypsomix::PlanError& error) const;

    PlanEditor& m_editor;
    QSettings& m_settings;
    gypsomix::PlanFigures m_figures;
    CatalogueListModel* m_catalogue = nullptr;
    QComboBox* m_metalList = nullptr;
    QLabel* m_catalogueProblem = nullptr;
    QLineEdit* m_metalDensity = nullptr;
    QLineEdit* m_patternDensity = nullptr;
    QLineEdit* m_extra = nullptr;
    QLineEdit* m_button = nullptr;
    QLineEdit* m_powderPrice = nullptr;
    QLineEdit* m_metalPrice = nullptr;
    QLineEdit* m_powderCost = nullptr;
    QLineEdit* m_metalCost = nullptr;
    QLineEdit* m_totalCost = nullptr;
    QLineEdit* m_total = nullptr;
    QLabel* m_messageIcon = nullptr;
    QLabel* m_message = nullptr;
    QScrollArea* m_linesArea = nullptr;
    QGridLayout* m_linesLayout = nullptr;
    std::vector<std::unique_ptr<Row>> m_rows;
    QList<QLineEdit*> m_marked;
    // The material whose remembered powder price the plan was last given, so that a price comes
    // back once per choice, never on opening a plan or walking the undo history.
    std::string m_pricedMaterial;
    bool m_replaced = false;
};
