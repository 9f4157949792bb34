// Captions as the explorer button measures and draws them: "&" underlines the
// next character and "&&" shows one ampersand; the text starts at the top of
// its rectangle and is clipped to it; word wrap breaks lines at blanks.
#pragma once

#include "widgets/explbtntypes.h"

#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;

namespace velmora::widgets {

// The caption's extent when laid out within WIDTH. Word wrap takes a blank on
// TEXT, which is then drawn with it.
QSize MeasureCaption(const QFontMetrics& metrics, QString& text, int width, bool wordWrap);

// Draws TEXT in the painter's pen colour. With END_ELLIPSIS, text whose end
// does not fit the width ends in an ellipsis; with word wrap that is the last
// line, and an earlier line with a word too long for the width is only cut.
void DrawCaption(QPainter& canvas, const QRect& rect, const QString& text, TAlignment alignment,
                 bool wordWrap, bool endEllipsis);

} // namespace velmora::widgets
