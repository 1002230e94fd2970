#pragma once

// "Laid out", the same for the program's output box and for the floor:
// every block of the document broken into lines at the editor's width.
// Qt's plain text editor otherwise lays out only what it is about to
// paint, which would make the figure depend on the scroll position.

class QPlainTextEdit;

namespace ribi::bench {

void LayOutEveryBlock(QPlainTextEdit& editor);

// True when every block has its lines: LayOutEveryBlock did its work.
bool EveryBlockLaidOut(const QPlainTextEdit& editor);

} // namespace ribi::bench
