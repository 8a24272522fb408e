// Dragging words from the panel or the grid onto the grid.
#include "window/gridly.h"

void gridly::PanelGeometry() {}

void gridly::w_inp_MouseMove(int, Qt::MouseButtons, Qt::KeyboardModifiers, double, double) {}

void gridly::w_inp_MouseUp(int, Qt::MouseButton, Qt::KeyboardModifiers, double, double) {}

void gridly::pb_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {}

void gridly::pb_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint) {}

void gridly::pb_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {}
