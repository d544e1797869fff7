#pragma once

#include <QWidget>

#include <functional>
#include <initializer_list>
#include <memory>
#include "ui/catalogue_list_model.h"

class QComboBox;
class QLineEdit;

namespace Ui {
class Selection;
}

// The main window: a material, a flask, a margin, and the masses that follow. Every value
// lives in the text of a field; the handlers read and write only those texts.
class Selection : public QWidget {
    Q_OBJECT

  public:
    explicit Selection(QWidget* parent = nullptr);
    ~Selection() override;

    // Shows the card, then sets the controls up and fills both lists. A catalogue that cannot
    // be read throws gypsomix::RunTimeError: the program cannot start without it.
    void Form_Load();

    void Combo1_Click();
    void Combo2_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void quitter_Click();
    void Command3_Click();

  private:
    void CalculMasses();
    void marginChanged();
    // Runs a handler's body; a run-time error is reported, then the fields the handler was
    // filling and the masses are emptied, and the window carries on.
    void guarded(std::initializer_list<QLineEdit*> filling, const std::function<void()>& body);
    void selectPrompt();
    static void fillList(QComboBox* list, CatalogueListModel* entries,
                         CatalogueListModel::Listing listing, bool placeRows);

    std::unique_ptr<Ui::Selection> ui;
    CatalogueListModel* m_materials = nullptr;  // owned by their lists
    CatalogueListModel* m_flasks = nullptr;
};
