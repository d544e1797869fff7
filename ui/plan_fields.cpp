#include "ui/plan_fields.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "document/invariant_text.h"
#include "ui/number_format.h"

namespace {

class UndoKeysToThePlan : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
                return true;  // not taken by the field: the shortcut reaches the actions
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

std::string invariantOf(const QLineEdit* field) {
    return gypsomix::to_invariant(field->text().toStdString(), regionalNumberFormat());
}

void showInvariant(QLineEdit* field, const std::string& invariant) {
    if (invariantOf(field) != invariant) {
        field->setText(
            QString::fromStdString(gypsomix::to_regional(invariant, regionalNumberFormat())));
    }
}

void keepUndoForThePlan(QWidget* field) {
    field->installEventFilter(new UndoKeysToThePlan(field));
}
