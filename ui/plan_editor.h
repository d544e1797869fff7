#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "document/plan_document.h"

// The casting plan being edited: the document, and the undo stack through which every edit
// goes. The window shows what this holds and follows its signals; saving, the sheet and the
// autosave read the plan from here, never from the window.
class PlanEditor : public QObject {
    Q_OBJECT

  public:
    using Plan = gypsomix::PlanDocument;
    using Edit = std::function<void(Plan&)>;

    // Fields typed key by key; the keystrokes of one field merge into one step.
    enum class Field {
        water,
        concentration,
        diameter,
        height,
        count,
        tree,
        pattern,
        notes,
        metal_pattern_density,
        metal_extra,
        metal_button,
        powder_price,
        metal_price,
        oven_start_temperature,
        oven_bench_rest,
        oven_cast_at,
    };

    explicit PlanEditor(QObject* parent = nullptr);
    ~PlanEditor() override;

    const Plan& plan() const { return *m_plan; }
    QUndoStack* undoStack() { return &m_stack; }

    // A new or opened plan: not a step to undo, so the stack starts again from it. `modified`
    // says the plan already differs from its file (a recovered plan, or one whose catalogue
    // values were taken anew).
    void replace(Plan plan, bool modified = false);

    // The plan matches its file now.
    void markSaved();
    bool isModified() const { return m_unsavedOnOpen || !m_stack.isClean(); }

    // The edits. Each is one step of the undo stack, named by `text` (« Choisir le revêtement »);
    // an edit that changes nothing is no step at all.
    void type(Field field, int line, const QString& text, const Edit& edit);
    void choose(const QString& text, const Edit& edit);
    void addLine();
    // The unit a new line starts in, and a new plan's first line.
    void setNewLineUnit(gypsomix::LengthUnit unit) { m_newLineUnit = unit; }
    gypsomix::LengthUnit newLineUnit() const { return m_newLineUnit; }
    Plan newPlan() const;
    void duplicateLine(int line);
    void removeLine(int line);

  signals:
    // After every change of the plan, undo and redo included.
    void changed();
    // After replace(): a different plan, not an edit of the one shown.
    void replaced();
    void modifiedChanged(bool modified);

  private:
    friend class PlanCommand;
    void push(class PlanCommand* command);
    void show(std::shared_ptr<const Plan> plan);

    std::shared_ptr<const Plan> m_plan;
    QUndoStack m_stack;
    bool m_unsavedOnOpen = false;
    gypsomix::LengthUnit m_newLineUnit = gypsomix::LengthUnit::millimetre;
    bool m_modified = false;
    void updateModified();
};
