#pragma once
// The fixture every test of the library starts from: a fresh DBP stand-in with the DLL loaded
// anew, so each test sees the library as DBP hands it over.
#include <gtest/gtest.h>

#include <memory>

#include "dbphost.h"

using dbp::ClassOf;
using dbp::ExStyleOf;
using dbp::ParentOf;
using dbp::PlaceOf;
using dbp::SizeOf;
using dbp::StyleOf;
using dbp::TextOf;

class GadgetTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  dbp::Host& host() { return *host_; }
  int Call(const char* keyword, std::vector<dbp::Arg> args = {}) { return host_->Call(keyword, std::move(args)); }
  std::string CallS(const char* keyword, std::vector<dbp::Arg> args = {}) {
    return host_->CallS(keyword, std::move(args));
  }

  // The exports that no row names, called as DBP's own code would.
  void CreateGadget(int n, int kind) {
    dbp::ProcAs<void(__cdecl*)(int, int)>(host_->Export("CreateGadget"))(n, kind);
  }
  void DeleteAllGadgets() { dbp::ProcAs<void(__cdecl*)()>(host_->Export("DeleteAllGadgets"))(); }

  // SETUP GUI on the stand-in's window in the given mode.
  void SetupGui(int mode = 0);
  // The gadget's window as GADGET HANDLE[ gives it.
  HWND Handle(int n);
  // Asserts that exactly these "GUI Error" boxes were shown, with no icon, owned by the host
  // window once SETUP GUI has run and by no window before.
  void ExpectGuiErrors(std::vector<std::string> texts);
  void ExpectMissing(int n) { ExpectGuiErrors({"Gadget " + std::to_string(n) + " does not exist."}); }
  void ExpectNoBoxes();

  std::unique_ptr<dbp::Host> host_;
  HWND boxOwner_ = nullptr;
};
