// Image operations of the explorer button: the grey image, drawing with a
// transparent key colour, and the embossed look of a disabled image.
#pragma once

#include "widgets/explbtntypes.h"
#include "widgets/tbitmap.h"

class QPainter;

namespace velmora::widgets {

// The key colour of an image: its top-left pixel as RGB.
TColor KeyColor(const TBitmap& image);

// Makes TARGET the grey image of SOURCE: key-coloured pixels are copied as
// they are, every other pixel becomes white, button highlight, button shadow
// or black by its brightness R + G + B and the threshold set of SHADING
// (values other than stLight and stMedium use the stDark set).
void MakeGreyImage(TBitmap& target, TBitmap& source, int shading);

// Draws IMAGE with its top-left corner at (X, Y), leaving the canvas as it is
// wherever the image has the colour KEY.
void DrawTransparent(QPainter& canvas, const TBitmap& image, int x, int y, TColor key);

// Draws the disabled look of IMAGE at (X, Y): its pure-black pixels as a
// button-shadow shape over a button-highlight copy one pixel right and down.
// No other pixel of the image is drawn.
void DrawEmbossed(QPainter& canvas, int x, int y, const TBitmap& image);

} // namespace velmora::widgets
