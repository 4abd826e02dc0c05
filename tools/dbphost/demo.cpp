// The demo: a short DBP-like script run against the built DLL, its window saved as a picture.
#include <cstdio>

#include "dbphost.h"

int main(int argc, char** argv) {
  const std::string picture = argc > 1 ? argv[1] : dbp::BesideProgram("demo.png");
  dbp::Host host;
  host.Call("SETUP GUI", {dbp::kHostTitle, "", 0});
  host.Call("CREATE GADGET PANEL", {1, 0});
  host.Call("CREATE WITH PARENT", {1});
  host.Call("CREATE GADGET COMBOBOX", {2});
  host.Call("CREATE WITHOUT PARENT");
  host.Call("CREATE GADGET BUTTON", {3, "OK"});
  host.Call("CREATE GADGET CHECKBOX", {4, "Fullscreen"});
  host.Call("CREATE GADGET STATUS", {5});
  host.Call("CREATE GADGET TEXTAREA", {6});
  dbp::Pump(300);
  const bool saved = dbp::SaveWindowPng(host.window(), picture);
  std::printf("%d gadgets made; %s %s\n", host.Call("FREE GADGET[") - 1, saved ? "picture saved to" : "could not save",
              picture.c_str());
  return saved ? 0 : 1;
}
