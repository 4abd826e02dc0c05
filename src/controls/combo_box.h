#pragma once
// Combo boxes: a drop-down with an edit part, or a drop-down list that only offers its items.
#include "controls/control.h"

class ComboBoxControl : public Control {
 public:
  static constexpr ControlClass kClass = ControlClass::ComboBox;
  explicit ComboBoxControl(HWND window) : Control(kClass, window) {}

  bool ListOnly() const;
  // The window styles that make the other kind of drop-down, everything else kept. The window
  // class takes this only at creation, so the caller re-makes the window with them.
  DWORD StyleFor(bool listOnly) const;

 protected:
  void CopyContentsTo(HWND fresh) override;
  RECT CreationBounds() const override;

 private:
  void KeepDroppedHeight(HWND fresh);
};
