// The demo: a short DBP-like script run against the built DLL, its window saved as a picture.
#include <cstdio>

#include "dbphost.h"

int main(int argc, char** argv) {
  const std::string picture = argc > 1 ? argv[1] : dbp::BesideProgram("demo.png");
  dbp::Host host;
  auto call = [&host](const char* keyword, std::vector<dbp::Arg> args = {}) { return host.Call(keyword, args); };

  call("SETUP GUI", {dbp::kHostTitle, "", 0});
  call("CREATE GADGET PANEL", {1, 0});
  call("SET GADGET", {1, 20, 20, 280, 180});
  call("SET GADGET COLOR", {1, 0xB0C4DE});
  call("CREATE WITH PARENT", {1});
  call("CREATE GADGET LABEL", {2, "Player name"});
  call("POSITION GADGET", {2, 12, 16});
  call("SET GADGET COLOR", {2, 0xB0C4DE});
  call("CREATE GADGET EDIT", {3});
  call("SET GADGET", {3, 110, 12, 150, 21});
  call("SET GADGET TEXT", {3, "Ada"});
  call("CREATE GADGET COMBOBOX", {4});
  call("SET GADGET", {4, 110, 44, 150, 21});
  call("SET GADGET TEXT", {4, "Normal"});
  call("CREATE GADGET CHECKBOX", {5, "Fullscreen"});
  call("SET GADGET", {5, 110, 76, 150, 17});
  call("CHECK GADGET", {5, 1});
  call("SET GADGET COLOR", {5, 0xB0C4DE});
  call("CREATE GADGET BUTTON", {6, "Start"});
  call("POSITION GADGET", {6, 185, 140});
  call("CREATE WITHOUT PARENT");
  call("CREATE GADGET TEXTAREA", {7});
  call("SET GADGET", {7, 320, 20, 290, 180});
  call("SET GADGET TEXT", {7, "Gadgetry demo\r\n\r\nEvery gadget here was made by a DBP-like script "
                              "through the command table of Gadgetry.dll."});
  call("CREATE GADGET STATUS", {8});
  dbp::Pump(300);

  const bool saved = dbp::SaveWindowPng(host.window(), picture);
  std::printf("%d gadgets made; %s %s\n", call("FREE GADGET[") - 1, saved ? "picture saved to" : "could not save",
              picture.c_str());
  return saved ? 0 : 1;
}
