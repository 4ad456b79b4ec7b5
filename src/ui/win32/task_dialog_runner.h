#pragma once
#include <windows.h>

#include "ui/task_dialog.h"

namespace zt::ui::win32 {

// Runs the task dialog with TaskDialogIndirect, looked up in comctl32 at run
// time (version 6 only), and delivers its notifications to the model's user
// operations. False when the platform has no task dialogs or showing failed.
bool RunTaskDialog(ui::TaskDialog& dialog, HWND owner);

}  // namespace zt::ui::win32
