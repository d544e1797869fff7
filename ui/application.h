#pragma once

class QApplication;

// Style, font and the toolkit's French texts, the same on every desktop: the windows are laid
// out in fixed pixels, so their look must not depend on the desktop's theme.
void setUpApplication(QApplication& app);

// Creates the main window, runs its load handler (the card, then the lists) and the event
// loop. A catalogue unreadable at start-up is reported and gives a non-zero status.
int runProgram(QApplication& app);
