#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <optional>
#include <string>

#include "ui/plan_window.h"

// One row of the plan window's table of flasks.
struct PlanWindow::FlaskLine {
    QLabel* number = nullptr;
    QComboBox* flask = nullptr;
    QLineEdit* diameter = nullptr;
    QLineEdit* height = nullptr;
    QComboBox* unit = nullptr;
    QSpinBox* count = nullptr;
    QLineEdit* deduction = nullptr;
    QLineEdit* volume = nullptr;
    // The flask the list shows, so that the list is searched only when the plan's changes.
    std::optional<std::string> shownFlask;

    // In the order of the columns, which is also the order of the keyboard.
    QList<QWidget*> widgets() const {
        return {number, flask, diameter, height, unit, count, deduction, volume};
    }
    ~FlaskLine() { qDeleteAll(widgets()); }
};
