// The style's focus frame, drawn by a widget that paints its own keyboard
// focus (a colour box, the word panel's rows).
#pragma once

class QRect;
class QWidget;

// Draws the frame around rect, in widget's coordinates, when widget has the
// keyboard focus; call it at the end of the widget's paintEvent.
void DrawFocusFrame(QWidget *widget, const QRect &rect);
