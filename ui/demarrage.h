#pragma once

#include <QDialog>
#include <QHash>
#include <memory>

namespace Ui {
class Demarrage;
}

// The start-up card, also the About box: logo, version and author; any click on the frame
// or any character typed closes it.
class Demarrage : public QDialog {
    Q_OBJECT

  public:
    // The project's version (PROJECT_VERSION in CMakeLists.txt), major and minor only.
    static QString versionText();

    explicit Demarrage(QWidget* parent = nullptr);
    ~Demarrage() override;

    void Form_KeyPress();
    void Frame1_Click();
    void Image2_Click();
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
    void lblCompany_Click();
    void lblVersion_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void unload();

    std::unique_ptr<Ui::Demarrage> ui;
    QHash<QObject*, void (Demarrage::*)()> m_clickHandlers;
};
