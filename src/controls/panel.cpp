#include "controls/panel.h"

#include <string>

#include "controls/text.h"

PanelControl::PanelControl(HWND window) : OwnWindowControl(kClass, window) {}

void PanelControl::SetInnerBevel(Bevel bevel) {
  if (inner_ == bevel) return;
  inner_ = bevel;
  Invalidate();
}

void PanelControl::SetOuterBevel(Bevel bevel) {
  if (outer_ == bevel) return;
  outer_ = bevel;
  Invalidate();
}

void PanelControl::SetCaptionAlignment(TextAlign alignment) {
  if (captionAlignment_ == alignment) return;
  captionAlignment_ = alignment;
  Invalidate();
}

void DrawBevel(HDC dc, RECT* rect, Bevel bevel) {
  if (bevel == Bevel::None) return;
  DrawEdge(dc, rect, bevel == Bevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
}

void PanelControl::Paint(HDC dc) {
  RECT client;
  GetClientRect(hwnd(), &client);
  FillRect(dc, &client, BackgroundBrush());
  DrawBevel(dc, &client, outer_);
  DrawBevel(dc, &client, inner_);

  const std::string caption = ControlText(hwnd());
  if (caption.empty()) return;
  const HGDIOBJ oldFont = SelectObject(dc, Font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  const UINT horizontal = captionAlignment_ == TextAlign::Left    ? DT_LEFT
                          : captionAlignment_ == TextAlign::Right ? DT_RIGHT
                                                                  : DT_CENTER;
  DrawTextA(dc, caption.c_str(), -1, &client, horizontal | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
  SelectObject(dc, oldFont);
}

bool PanelControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  switch (message) {
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      Paint(BeginPaint(hwnd(), &ps));
      EndPaint(hwnd(), &ps);
      return true;
    }
    case WM_SETTEXT:
      *result = CallBase(message, wparam, lparam);
      Invalidate();
      return true;
    default:
      return OwnWindowControl::HandleMessage(message, wparam, lparam, result);
  }
}
