#pragma once

// The main window on Qt Widgets with its handlers, run until it closes.
// The Linux program's entry point calls it; so does the start-up
// benchmark, so that both measure the same work.

class QApplication;

namespace ribi::window {

int RunQtMainWindow(QApplication& application);

} // namespace ribi::window
