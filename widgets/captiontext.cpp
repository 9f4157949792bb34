#include "widgets/captiontext.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

namespace velmora::widgets {

namespace {

int TextFlags(TAlignment alignment)
{
    switch (alignment) {
    case taLeftJustify:
        return Qt::AlignTop | Qt::TextShowMnemonic | Qt::AlignLeft;
    case taRightJustify:
        return Qt::AlignTop | Qt::TextShowMnemonic | Qt::AlignRight;
    case taCenter:
        break;
    }
    return Qt::AlignTop | Qt::TextShowMnemonic | Qt::AlignHCenter;
}

// The caption as it is displayed, and the place of the character its first
// single "&" marks (-1 when none).
QString Displayed(const QString& caption, qsizetype& marked)
{
    QString shown;
    marked = -1;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != u'&' && marked < 0) {
                marked = shown.size();
            }
        }
        shown += caption[i] == u'\n' ? QChar(QChar::LineSeparator) : caption[i];
    }
    return shown;
}

// Displayed text marked up again, so that the toolkit shows it as it stands.
QString MarkedUp(const QString& shown, qsizetype marked)
{
    QString text;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i] == u'&' || i == marked) {
            text += u'&';
        }
        text += shown[i];
    }
    return text;
}

// Word wrap with an end ellipsis: the toolkit breaks the lines, and each line
// is drawn on its own so that the last can be shortened.
void DrawWrappedWithEllipsis(QPainter& canvas, const QRect& rect, const QString& text, int flags)
{
    qsizetype marked = -1;
    const QString shown = Displayed(text, marked);
    QTextLayout layout(shown, canvas.font());
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(rect.width());
    }
    layout.endLayout();

    const QFontMetrics metrics = canvas.fontMetrics();
    canvas.save();
    canvas.setClipRect(rect, Qt::IntersectClip);
    qreal top = rect.top();
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        QString part = shown.mid(line.textStart(), line.textLength());
        while (part.endsWith(u' ') || part.endsWith(QChar(QChar::LineSeparator))) {
            part.chop(1);
        }
        qsizetype partMarked = marked - line.textStart();
        if (i == layout.lineCount() - 1 && metrics.horizontalAdvance(part) > rect.width()) {
            part = metrics.elidedText(part, Qt::ElideRight, rect.width());
            if (partMarked >= part.size() - 1) {
                partMarked = -1; // the marked character went with the cut end
            }
        }
        const QRectF lineRect(rect.left(), top, rect.width(), line.height());
        canvas.drawText(lineRect, flags, MarkedUp(part, partMarked));
        top += line.height();
    }
    canvas.restore();
}

} // namespace

QSize MeasureCaption(const QFontMetrics& metrics, QString& text, int width, bool wordWrap)
{
    if (wordWrap) {
        text += u' ';
    }
    // The extent does not depend on the alignment; left-aligned, centring does not round it.
    const int flags = TextFlags(taLeftJustify) | (wordWrap ? Qt::TextWordWrap : 0);
    return metrics.boundingRect(QRect(0, 0, width, 0), flags, text).size();
}

void DrawCaption(QPainter& canvas, const QRect& rect, const QString& text, TAlignment alignment,
                 bool wordWrap, bool endEllipsis)
{
    const int flags = TextFlags(alignment);
    if (wordWrap && endEllipsis) {
        DrawWrappedWithEllipsis(canvas, rect, text, flags);
    } else if (wordWrap) {
        canvas.drawText(rect, flags | Qt::TextWordWrap, text);
    } else if (endEllipsis) {
        canvas.drawText(rect, flags,
                        canvas.fontMetrics().elidedText(text, Qt::ElideRight, rect.width(),
                                                        Qt::TextShowMnemonic));
    } else {
        canvas.drawText(rect, flags, text);
    }
}

} // namespace velmora::widgets
