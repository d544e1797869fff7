#pragma once

#include <string>

class QLineEdit;
class QWidget;

// What the plan's panels share about their typed fields.

// What the caster typed in a field, as the plan keeps it (the invariant form).
std::string invariantOf(const QLineEdit* field);

// Shows a stored number unless the field already says it: the field being typed in keeps its
// text, and its cursor, when a key only changes how the number is written.
void showInvariant(QLineEdit* field, const std::string& invariant);

// A field would take Ctrl+Z for its own text; the plan's undo walks back every edit, typing and
// choices alike, so the keys go to the window's actions.
void keepUndoForThePlan(QWidget* field);
