#include "core/message_log.h"

#include "core/registry.h"
#include "host/handles.h"

bool g_recordingMessages = false;

namespace {

struct LoggedMessage {
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};

LoggedMessage g_current{};  // taken out by the latest GET MESSAGE

bool HasLog(int n) { return n >= 0 && n <= MaxGadgets; }

LoggedMessage PopMessage(int n) {
  if (!HasLog(n)) return {};
  MessageLog& log = g_gadgets[n].log;
  if (log.count == 0) return {};
  --log.count;
  return {log.messages[log.count], log.wparams[log.count], log.lparams[log.count]};
}

}  // namespace

void LogMessage(int n, UINT message, WPARAM wparam, LPARAM lparam) {
  MessageLog& log = g_gadgets[n].log;
  if (log.count >= MessageLogCapacity) return;
  log.messages[log.count] = message;
  log.wparams[log.count] = wparam;
  log.lparams[log.count] = lparam;
  ++log.count;
}

extern "C" {

void __cdecl RecordMessagesOn() { g_recordingMessages = true; }

void __cdecl RecordMessagesOff() { g_recordingMessages = false; }

// Exported as GET MESSAGE's entry point; the system headers claim the plain name.
void __cdecl GetMessageCommand(int n) { g_current = PopMessage(n); }

DWORD __cdecl MessageMsg() { return g_current.message; }

int __cdecl MessageWp() { return static_cast<int>(g_current.wparam); }

int __cdecl MessageLp() { return static_cast<int>(g_current.lparam); }

int __cdecl MessageCount(int n) { return HasLog(n) ? g_gadgets[n].log.count : 0; }

void __cdecl APISendMsg(int window, int message, LPARAM wparam, LPARAM lparam) {
  SendMessageA(ScriptWindow(window), static_cast<UINT>(message),
               static_cast<WPARAM>(wparam), lparam);
}

int __cdecl APISendMsgR(int window, int message, LPARAM wparam, LPARAM lparam) {
  return static_cast<int>(SendMessageA(ScriptWindow(window),
                                       static_cast<UINT>(message), static_cast<WPARAM>(wparam), lparam));
}

}  // extern "C"
