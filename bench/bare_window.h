#pragma once

// The floor for start-up and memory: the main window's widgets, places,
// colours, font and texts made of stock Qt widgets, with no handlers, no
// click rules and no output box bookkeeping behind them.

#include <QWidget>

class QApplication;

namespace ribi::bench {

class BareWindow final : public QWidget {
public:
    BareWindow();
};

// The same style as the program's window, set straight on Qt.
void UseWindowsStyle(QApplication& application);

} // namespace ribi::bench
