#pragma once

class QApplication;

// Style, font and the toolkit's French texts, the same on every desktop: the windows are laid
// out in fixed pixels, so their look must not depend on the desktop's theme.
void setUpApplication(QApplication& app);

// Creates the main window, runs its load handler (the card, then the lists) and the event
// loop. A catalogue unreadable at start-up is reported and gives a non-zero status.
int runProgram(QApplication& app);

// The casting plan's set-up: the same style as the main window, the desktop's language (French
// or English) and the desktop's own font, since its window is laid out to fit whatever the font
// and the language need.
void setUpPlanApplication(QApplication& app);

// The casting plan's command line: opens the plan window (on a plan file when one is named) and
// runs the event loop, or writes a plan's mixing sheet with --pdf and shows no window. A
// catalogue that cannot be read is reported and the window stays usable.
int runPlan(QApplication& app);

// Whether the command line asks for a sheet, the help or the version: no window, so no display
// is needed.
bool planShowsNoWindow(int argc, char* argv[]);
