#pragma once
// The start-up measurement behind "marlowe --report-start": how long after the process began the
// main window was first painted, and how much memory the program then held. It prints both and
// ends the run, so a script can time the start without a person watching.

class QWidget;

namespace marlowe {

// Prints "first paint: N ms, resident: M KiB" after the window's first paint, then quits.
void ReportFirstPaintAndQuit(QWidget& window);

}  // namespace marlowe
