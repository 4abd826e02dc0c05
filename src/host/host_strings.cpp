#include "host/host_strings.h"

#include <cstring>

#include "host/lifecycle.h"

namespace {

void CallAllocator(DWORD_PTR* variable, DWORD size) {
  if (HostAllocator allocate = CurrentHostAllocator()) allocate(variable, size);
}

void ReleaseHostString(HostString previous) {
  DWORD_PTR variable = reinterpret_cast<DWORD_PTR>(previous);
  CallAllocator(&variable, 0);
}

HostString AllocHostString(DWORD size) {
  DWORD_PTR variable = 0;
  CallAllocator(&variable, size);
  return reinterpret_cast<HostString>(variable);
}

}  // namespace

HostString StringResult(HostString previous, std::string text) {
  ReleaseHostString(previous);
  HostString buffer = AllocHostString(static_cast<DWORD>(text.size() + 1));
  if (buffer) std::memcpy(buffer, text.c_str(), text.size() + 1);
  return buffer;
}
