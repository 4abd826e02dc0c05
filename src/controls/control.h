#pragma once
// The base of our control layer: what every windowed control has.
#include <windows.h>

#include <string>

#include "controls/brush.h"

// The control classes gadgets are made of. A class test passes for derived classes too:
// a bitmap button is a button, and everything is a windowed control.
enum class ControlClass : unsigned char {
  WinControl,
  Button,
  BitBtn,
  MaskEdit,
  Panel,
  StaticText,
  ListBox,
  Form,
  CheckBox,
  RadioButton,
  GroupBox,
  TabControl,
  ProgressBar,
  StatusBar,
  ToolBar,
  ListView,
  ComboBox,
  TreeView,
  Memo,
  RichEdit,
  ScrollBar,
};

// The side a control is docked to in its parent's client area; numbered as ALIGN GADGET takes them.
enum class Dock : unsigned char { None, Client, Top, Bottom, Left, Right };

// Text alignment, numbered as ALIGN GADGET TEXT takes it.
enum class TextAlign : unsigned char { Left, Center, Right };

bool ClassDerivesFrom(ControlClass actual, ControlClass tested);

class Control {
 public:
  static constexpr ControlClass kClass = ControlClass::WinControl;

  Control(ControlClass cls, HWND window);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlClass Class() const { return class_; }
  HWND hwnd() const { return window_; }

  // Placement: inside another gadget's control, or on a bare window (parent control null).
  Control* ParentControl() const { return parentControl_; }
  void SetParentControl(Control* parent);
  // Puts a control without a parent control onto another window. Only forms can be
  // top-level: for the others a null parent changes nothing.
  virtual void SetParentWindow(HWND parent);
  HWND ParentWindow() const;

  // Outer rectangle relative to the parent's client area (the screen for a top-level window).
  RECT Bounds() const;
  virtual void SetBounds(int left, int top, int width, int height);

  // After a change of frame styles: the system works out the window's frame anew, in place.
  void RefreshFrame();

  bool Visible() const;
  virtual void SetVisible(bool visible);
  void Repaint();

  Dock DockSide() const { return dock_; }
  void SetDock(Dock side);

  // The text a script sets (caption, title, whole text, edit part) and reads back. Labels,
  // panels, check marks and frames take a text but give none back; lists and bars neither.
  // Returns false where the class gives no text.
  virtual void SetScriptText(const char* text);
  virtual bool ScriptText(std::string* text) const;

  // A notification the parent window received from this control (command, notify, colour,
  // scroll, owner draw). Returns true when handled, with the parent's answer in *result.
  // The colour requests are answered here: overrides pass what they do not handle on to this.
  virtual bool OnParentNotify(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);

  // The background colour (0x00BBGGRR). Common controls take it through their own messages;
  // the others paint with a brush this control owns, through the colour requests they send
  // their parent or through painting of their own.
  void SetColor(COLORREF color);
  // The brush and colour the background is painted with: the script's, the button face for
  // classes that paint it themselves, or null where the window's own colours apply.
  HBRUSH BackgroundBrush() const;
  COLORREF BackgroundColor() const;

  // The window proper of this control gets back the procedure it was made with.
  void Unhook();

  // Makes the window anew with other styles, for the few changes a window class takes only at
  // creation. The new window, still hidden, gets the old one's place, size, text, font, enabled
  // state and the class's contents (CopyContentsTo); the old window gets back the procedure it
  // was made with and the control follows the new one. Returns the old window for the caller to
  // retire; null, with nothing changed, when the system refused the new window.
  HWND Remake(DWORD style, DWORD exStyle);

 protected:
  // Classes with behaviour of their own override this and call InstallBehaviour once their
  // window exists; it runs under the shared gadget procedure. Returns true when handled.
  virtual bool HandleMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }
  void InstallBehaviour();
  LRESULT CallBase(UINT message, WPARAM wparam, LPARAM lparam);

  // What Remake copies beyond the window's own state (items, selection...).
  virtual void CopyContentsTo(HWND) {}
  // The bounds a replacement window is created with.
  virtual RECT CreationBounds() const { return Bounds(); }
  // Classes whose background is the button face until a script colours it.
  virtual bool ButtonFaceBackground() const { return false; }

 private:
  static LRESULT CALLBACK BehaviourProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  ControlClass class_;
  HWND window_;
  WNDPROC baseProc_;             // the procedure the window was made with
  bool hasBehaviour_ = false;    // a behaviour subclass sits on the window
  Control* parentControl_ = nullptr;
  Dock dock_ = Dock::None;
  OwnedBrush background_;        // set by a script
};

// A control of one of our own window classes, which run the default window procedure: it keeps
// the font it is given itself, as the system's controls do.
class OwnWindowControl : public Control {
 public:
  HFONT Font() const { return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

 protected:
  OwnWindowControl(ControlClass cls, HWND window) : Control(cls, window) { InstallBehaviour(); }
  // Classes that add behaviour pass what they do not handle on to this.
  bool HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) override;

 private:
  HFONT font_ = nullptr;  // as given by WM_SETFONT
};

// The plain windowed control of our own class: the holder of a popup menu.
class PlainWindowControl : public OwnWindowControl {
 public:
  explicit PlainWindowControl(HWND window) : OwnWindowControl(ControlClass::WinControl, window) {}
};

// The class test: true when the control is of class cls or derives from it.
inline bool IsA(const Control* control, ControlClass cls) {
  return control && ClassDerivesFrom(control->Class(), cls);
}

// The control as class T, when it is one (or derives from one); null otherwise.
template <class T>
T* ControlAs(Control* control) {
  return IsA(control, T::kClass) ? static_cast<T*>(control) : nullptr;
}

// This library's module, which owns our own window classes.
HINSTANCE LibraryInstance();
