#include "controls/lists.h"

bool ComboBoxControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  // The drop-down list is a window of the desktop that asks the combo box for its colours:
  // the combo box answers them itself instead of passing them to its parent.
  if (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC) return false;
  return OnParentNotify(message, wparam, lparam, result);
}
