#include "ui/plan_editor.h"

#include <QUndoCommand>

// Every edit keeps the plan before and after it; the two are shared with the steps next to it,
// so a step costs one plan, not two.
class PlanCommand : public QUndoCommand {
  public:
    using Plan = PlanEditor::Plan;

    PlanCommand(PlanEditor* editor, const QString& text, std::shared_ptr<const Plan> after)
        : QUndoCommand(text),
          m_editor(editor),
          m_before(editor->m_plan),
          m_after(std::move(after)) {}

    void undo() override { m_editor->show(m_before); }
    void redo() override { m_editor->show(m_after); }
    bool changesNothing() const { return *m_before == *m_after; }

  protected:
    PlanEditor* m_editor;
    std::shared_ptr<const Plan> m_before;
    std::shared_ptr<const Plan> m_after;
};

namespace {

// Keys typed in one field, one after the other, are one step.
class TypeCommand : public PlanCommand {
  public:
    TypeCommand(PlanEditor* editor, const QString& text, std::shared_ptr<const Plan> after,
                PlanEditor::Field field, int line)
        : PlanCommand(editor, text, std::move(after)), m_field(field), m_line(line) {}

    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* typed = static_cast<const TypeCommand*>(other);
        if (typed->m_field != m_field || typed->m_line != m_line) {
            return false;
        }
        m_after = typed->m_after;
        // Typed back to where it began: nothing is left to undo.
        setObsolete(changesNothing());
        return true;
    }

  private:
    PlanEditor::Field m_field;
    int m_line;
};

class ChooseCommand : public PlanCommand {
    using PlanCommand::PlanCommand;
};

class AddLineCommand : public PlanCommand {
    using PlanCommand::PlanCommand;
};

class DuplicateLineCommand : public PlanCommand {
    using PlanCommand::PlanCommand;
};

class RemoveLineCommand : public PlanCommand {
    using PlanCommand::PlanCommand;
};

std::shared_ptr<PlanEditor::Plan> edited(const PlanEditor::Plan& plan,
                                         const PlanEditor::Edit& edit) {
    auto after = std::make_shared<PlanEditor::Plan>(plan);
    edit(*after);
    return after;
}

}  // namespace

PlanEditor::PlanEditor(QObject* parent) : QObject(parent), m_plan(std::make_shared<Plan>()) {
    connect(&m_stack, &QUndoStack::cleanChanged, this, &PlanEditor::updateModified);
}

PlanEditor::~PlanEditor() {
    // The steps call back into the editor; they go first.
    m_stack.clear();
}

void PlanEditor::replace(Plan plan, bool modified) {
    m_stack.clear();
    m_plan = std::make_shared<const Plan>(std::move(plan));
    m_unsavedOnOpen = modified;
    updateModified();
    emit replaced();
    emit changed();
}

void PlanEditor::markSaved() {
    m_unsavedOnOpen = false;
    m_stack.setClean();
    updateModified();
}

void PlanEditor::updateModified() {
    if (isModified() != m_modified) {
        m_modified = isModified();
        emit modifiedChanged(m_modified);
    }
}

void PlanEditor::push(PlanCommand* command) {
    if (command->changesNothing()) {
        delete command;
        return;
    }
    m_stack.push(command);
}

void PlanEditor::show(std::shared_ptr<const Plan> plan) {
    m_plan = std::move(plan);
    emit changed();
}

void PlanEditor::type(Field field, int line, const QString& text, const Edit& edit) {
    push(new TypeCommand(this, text, edited(plan(), edit), field, line));
}

void PlanEditor::choose(const QString& text, const Edit& edit) {
    push(new ChooseCommand(this, text, edited(plan(), edit)));
}

void PlanEditor::addLine() {
    if (plan().lines.size() >= std::size_t(gypsomix::plan_max_lines)) {
        return;
    }
    gypsomix::DocumentLine line;
    line.unit = m_newLineUnit;
    push(new AddLineCommand(this, tr("Ajouter une ligne"),
                            edited(plan(), [&line](Plan& p) { p.lines.push_back(line); })));
}

PlanEditor::Plan PlanEditor::newPlan() const {
    Plan plan;
    for (auto& line : plan.lines) {
        line.unit = m_newLineUnit;
    }
    return plan;
}

void PlanEditor::duplicateLine(int line) {
    if (line < 0 || line >= int(plan().lines.size()) ||
        plan().lines.size() >= std::size_t(gypsomix::plan_max_lines)) {
        return;
    }
    push(new DuplicateLineCommand(this, tr("Dupliquer la ligne"), edited(plan(), [line](Plan& p) {
                                      p.lines.insert(p.lines.begin() + line + 1,
                                                     p.lines[std::size_t(line)]);
                                  })));
}

void PlanEditor::removeLine(int line) {
    // A plan keeps at least one line.
    if (line < 0 || line >= int(plan().lines.size()) || plan().lines.size() <= 1) {
        return;
    }
    push(new RemoveLineCommand(this, tr("Supprimer la ligne"), edited(plan(), [line](Plan& p) {
                                   p.lines.erase(p.lines.begin() + line);
                               })));
}
