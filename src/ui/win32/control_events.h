// What a control's notification means to a presenter: the kind of control a window is, and
// the event of a WM_COMMAND or WM_NOTIFY code from it.
#pragma once

#include <windows.h>

#include "presenters/dialog_presenter.h"

namespace mogura::win32 {

// The kinds of control a presenter tells apart.
enum class ControlClass { Button, ComboBox, ListBox, Edit, Static, Other };
ControlClass ClassOf(HWND control);

// The event of a WM_COMMAND notification `code` from `control`; false for one presenters
// do not take.
bool EventOf(HWND control, int code, ControlEvent* event);

// A click on a link control (NM_CLICK, or Enter on it) goes to the presenter as Clicked.
bool ForwardLinkClick(DialogPresenter& presenter, int id, const NMHDR* header);

}  // namespace mogura::win32
