#pragma once
// Combo boxes: the system's combo box, whose inner windows take the control's colours; a
// drop-down with an edit part, or a drop-down list that only offers its items.
#include "controls/control.h"

class ComboBoxControl : public Control {
 public:
  static constexpr ControlClass kClass = ControlClass::ComboBox;
  explicit ComboBoxControl(HWND window);

  // The height is the closed part's: the window is made taller by the list hanging below it.
  void SetBounds(int left, int top, int width, int height) override;

  bool ListOnly() const;
  // The window styles that make the other kind of drop-down, everything else kept. The window
  // class takes this only at creation, so the caller re-makes the window with them.
  DWORD StyleFor(bool listOnly) const;

 protected:
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;
  void CopyContentsTo(HWND fresh) override;
  RECT CreationBounds() const override;

 private:
  void KeepDroppedHeight(HWND fresh);
};
