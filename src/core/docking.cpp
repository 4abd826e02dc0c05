#include "core/docking.h"

#include <algorithm>
#include <vector>

#include "controls/control.h"
#include "core/registry.h"

namespace {

struct Docked {
  Control* control;
  RECT bounds;
};

// Where along its side a docked control sits, nearest the side first.
int DistanceFromSide(const Docked& docked) {
  const RECT& r = docked.bounds;
  switch (docked.control->DockSide()) {
    case Dock::Top:
      return r.top;
    case Dock::Bottom:
      return -r.bottom;
    case Dock::Left:
      return r.left;
    case Dock::Right:
      return -r.right;
    default:
      return 0;
  }
}

void Place(Docked& docked, RECT* free) {
  const int width = docked.bounds.right - docked.bounds.left;
  const int height = docked.bounds.bottom - docked.bounds.top;
  RECT r = *free;
  switch (docked.control->DockSide()) {
    case Dock::Top:
      r.bottom = std::min(free->bottom, free->top + height);
      free->top = r.bottom;
      break;
    case Dock::Bottom:
      r.top = std::max(free->top, free->bottom - height);
      free->bottom = r.top;
      break;
    case Dock::Left:
      r.right = std::min(free->right, free->left + width);
      free->left = r.right;
      break;
    case Dock::Right:
      r.left = std::max(free->left, free->right - width);
      free->right = r.left;
      break;
    default:
      break;
  }
  SetWindowPos(docked.control->hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void LayoutDockedChildren(HWND parent) {
  if (!parent) return;
  std::vector<Docked> docked;
  // Oldest child first: new gadgets go to the front of the z-order.
  for (HWND child = GetWindow(GetWindow(parent, GW_CHILD), GW_HWNDLAST); child; child = GetWindow(child, GW_HWNDPREV)) {
    Control* control = GadgetControl(GadgetFromHandle(child));
    if (control && control->DockSide() != Dock::None) docked.push_back({control, control->Bounds()});
  }
  if (docked.empty()) return;

  RECT free;
  GetClientRect(parent, &free);
  for (Dock side : {Dock::Top, Dock::Bottom, Dock::Left, Dock::Right, Dock::Client}) {
    std::vector<Docked*> onSide;
    for (Docked& d : docked) {
      if (d.control->DockSide() == side) onSide.push_back(&d);
    }
    std::stable_sort(onSide.begin(), onSide.end(),
                     [](const Docked* a, const Docked* b) { return DistanceFromSide(*a) < DistanceFromSide(*b); });
    for (Docked* d : onSide) Place(*d, &free);
  }
}
