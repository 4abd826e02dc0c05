#include "host/lifecycle.h"

#include "core/host_window.h"
#include "core/registry.h"

namespace {

// DBP's core data block; only its first field, the string allocator, is ours to read.
struct CoreData {
  HostAllocator allocate;
};

CoreData* g_coreData = nullptr;

}  // namespace

HostAllocator CurrentHostAllocator() { return g_coreData ? g_coreData->allocate : nullptr; }

// DllMain stays the default: DBP's compiler loads the library inside its own process, where
// nothing but a loader's work may happen.

extern "C" {

void __cdecl Constructor() {}

void __cdecl ReceiveCoreDataPtr(void* coreData) { g_coreData = static_cast<CoreData*>(coreData); }

// DBP unloads the library after this call, with the windows still alive: every window we hooked
// gets back a procedure that lives outside the library.
void __cdecl Destructor() {
  UnhookAllGadgetWindows();
  UnhookHostWindow();
}

}  // extern "C"
