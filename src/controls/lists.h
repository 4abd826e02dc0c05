#pragma once
// Combo boxes: the system's combo box, whose inner windows take the control's colours.
#include "controls/control.h"

class ComboBoxControl : public Control {
 public:
  static constexpr ControlClass kClass = ControlClass::ComboBox;
  explicit ComboBoxControl(HWND window) : Control(kClass, window) { InstallBehaviour(); }

 protected:
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
};
