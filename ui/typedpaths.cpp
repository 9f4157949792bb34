#include "ui/typedpaths.h"

#include "platform/argument.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace velmora::ui {

QString DosFormOfTypedPath(const QString& typed)
{
    if (typed.trimmed().isEmpty()) {
        return typed;
    }
    return QString::fromStdString(platform::DosFormOfArgument(typed.toStdString()));
}

void TurnIntoDosForm(QLineEdit& field)
{
    const QString dos = DosFormOfTypedPath(field.text());
    if (dos != field.text()) {
        field.setText(dos);
    }
}

void TurnLinesIntoDosForm(QPlainTextEdit& memo)
{
    // Line by line in place, so that an unchanged line keeps its exact text
    // and the list stays one undo step away from what was typed.
    QTextCursor cursor(memo.document());
    bool editing = false;
    for (QTextBlock line = memo.document()->begin(); line.isValid(); line = line.next()) {
        const QString dos = DosFormOfTypedPath(line.text());
        if (dos == line.text()) {
            continue;
        }
        if (!editing) {
            cursor.beginEditBlock();
            editing = true;
        }
        cursor.setPosition(line.position());
        cursor.setPosition(line.position() + line.length() - 1, QTextCursor::KeepAnchor);
        cursor.insertText(dos);
    }
    if (editing) {
        cursor.endEditBlock();
    }
}

} // namespace velmora::ui
