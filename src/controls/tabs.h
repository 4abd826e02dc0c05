#pragma once
// Tab strips: the system's tab control, its background painted with the control's own brush.
#include "controls/control.h"

class TabStripControl : public Control {
 public:
  static constexpr ControlClass kClass = ControlClass::TabControl;
  explicit TabStripControl(HWND window) : Control(kClass, window) { InstallBehaviour(); }

 protected:
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
};
