#pragma once
// Qt widgets bound to the control models. A change of the model shows in the
// widget; the user's typing and clicks go through the model (its key-press
// handler first), so a key the window swallows never reaches the box. Each
// widget must not outlive its model; the model may outlive the widget.
//
// The owning window, when given, learns where the user put the focus.
//
// Only the user's own keys and clicks (and a pick from an open list) reach a
// model as a choice (see UserInput). What Qt does for its own bookkeeping (the
// current row a list takes with the focus, the entry a combo box matches when
// editing ends, a refill, a first show, the mouse wheel over a tab strip)
// never changes a model's index, text or tab, nor fires its handlers: the
// widget shows its model again at once.
#include "qt/qt_binding.h"
#include "qt/qt_buttons.h"
#include "qt/qt_grid.h"
#include "qt/qt_list_controls.h"
#include "qt/qt_panes.h"
#include "qt/qt_text_controls.h"
