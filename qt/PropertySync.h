#pragma once
// Model → widgets: the binding sets each widget from its control and the top-level widget from
// its window (QtBinding's ControlChanged, Sync…, ShowSelection, Restack, RefreshShown,
// ApplyTabOrder, FocusModelControl, MarkDefaultButton), and the conversions it uses.

#include <QFont>
#include <QString>

#include "platform/Control.h"

namespace kord {

// The Qt font for a model font, in the face that draws its name (FontFace); the Greek letters of
// the symbol font are Unicode in the texts already.
QFont QtFontFor(const Font& f);

// 15 twips are one pixel at 96 dpi.
int TwipsToPx(int twips);

// The caption of a push button of the given width: on two lines when one is too narrow.
QString ButtonCaption(const QString& text, const QFont& font, int widthPx);

}  // namespace kord
