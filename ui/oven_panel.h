#pragma once

#include <QTimer>
#include <QWidget>

#include "ui/oven_day.h"
#include "ui/oven_timer.h"

class BurnoutChart;
class PlanEditor;
class QComboBox;
class QLabel;
class QLineEdit;
class QSettings;
class QTableWidget;

// « Cuisson »: the burnout programme, the casting day planned backwards from the time of casting
// (when to mix, when to start the oven, each ramp and hold), the programme as a chart, and the
// oven's timer. Like the plan window, it shows the editor's plan and turns each input into one
// edit of it; a fault is said in the panel, never in a dialog. The °C/°F choice is the caster's
// own and is kept in `settings` (until made, °F where the regional settings measure in US
// units); the catalogue and the plan are always in °C.
class OvenPanel : public QWidget {
    Q_OBJECT

  public:
    OvenPanel(PlanEditor& editor, QSettings& settings, QWidget* parent = nullptr);
    ~OvenPanel() override;

    // Lists the programmes of Data/Cuisson.txt; a catalogue that cannot be read is said in the
    // panel, whose list then stays empty.
    void loadCatalogue();

    // Replaces the wall clock of the timer, the day and the chart (the tests move it by hand).
    void setClock(OvenTimer::Clock clock);
    OvenTimer* timer() const { return m_timer; }

  private:
    void showPlan();
    void showDay();
    void showMarks();
    void programmeChosen(int row);
    void typedNumber(QLineEdit* field);
    void typedCastAt();
    void startOven(const QDateTime& at, const QString& what);
    TemperatureUnit unit() const;

    PlanEditor& m_editor;
    QSettings& m_settings;
    QComboBox* m_programme = nullptr;
    QLabel* m_catalogueProblem = nullptr;
    QLineEdit* m_start = nullptr;
    QLineEdit* m_rest = nullptr;
    QLineEdit* m_castAt = nullptr;
    QComboBox* m_unit = nullptr;
    QLabel* m_problem = nullptr;
    QLabel* m_note = nullptr;
    QLabel* m_dayTitle = nullptr;
    QTableWidget* m_table = nullptr;
    BurnoutChart* m_chart = nullptr;
    OvenTimer* m_timer = nullptr;
    QTimer m_minute{this};  // moves the chart's mark of the present
    OvenDay m_day;
};
