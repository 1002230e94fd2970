#include "bench/layout.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace ribi::bench {

// The plain text layout breaks a block into lines when its rectangle is
// first asked for.
void LayOutEveryBlock(QPlainTextEdit& editor)
{
    QTextDocument* document = editor.document();
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        (void)layout->blockBoundingRect(block);
}

bool EveryBlockLaidOut(const QPlainTextEdit& editor)
{
    const QTextDocument* document = editor.document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        if (block.layout()->lineCount() == 0) return false;
    return true;
}

} // namespace ribi::bench
