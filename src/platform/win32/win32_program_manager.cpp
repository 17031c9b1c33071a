// The conversation is held as an ANSI client: the Program Manager of the systems that need it
// reads its commands in the system's code page, and our commands are CP932 bytes already.
// (A Unicode client's commands reach Wine's shell cut after their first character.)
#include "platform/win32/win32_program_manager.h"

#include <windows.h>
#include <ddeml.h>

namespace mogura::win32 {
namespace {

constexpr DWORD kTimeoutMs = 10000;

HDDEDATA CALLBACK NoCallbacks(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

class DdeInstance {
 public:
  DdeInstance() : ok_(DdeInitializeA(&id_, &NoCallbacks, APPCMD_CLIENTONLY, 0) == DMLERR_NO_ERROR) {}
  ~DdeInstance() {
    if (ok_) DdeUninitialize(id_);
  }
  DdeInstance(const DdeInstance&) = delete;
  DdeInstance& operator=(const DdeInstance&) = delete;
  bool ok() const { return ok_; }
  DWORD id() const { return id_; }

 private:
  DWORD id_ = 0;
  bool ok_;
};

class DdeName {
 public:
  DdeName(const DdeInstance& instance, const char* name)
      : instance_(instance), handle_(DdeCreateStringHandleA(instance.id(), name, CP_WINANSI)) {}
  ~DdeName() {
    if (handle_) DdeFreeStringHandle(instance_.id(), handle_);
  }
  DdeName(const DdeName&) = delete;
  DdeName& operator=(const DdeName&) = delete;
  HSZ get() const { return handle_; }

 private:
  const DdeInstance& instance_;
  HSZ handle_;
};

class DdeConversation {
 public:
  DdeConversation(const DdeInstance& instance, const DdeName& service, const DdeName& topic)
      : handle_(service.get() && topic.get() ? DdeConnect(instance.id(), service.get(), topic.get(), nullptr) : nullptr) {}
  ~DdeConversation() {
    if (handle_) DdeDisconnect(handle_);
  }
  DdeConversation(const DdeConversation&) = delete;
  DdeConversation& operator=(const DdeConversation&) = delete;
  HCONV get() const { return handle_; }

 private:
  HCONV handle_;
};

}  // namespace

void Win32ProgramManager::execute(const std::vector<std::string>& commands) {
  DdeInstance instance;
  if (!instance.ok()) return;
  const DdeName progman(instance, "PROGMAN");
  const DdeConversation conversation(instance, progman, progman);
  if (!conversation.get()) return;
  for (const std::string& command : commands) {
    // The text with its terminator, as the conversation's execute data.
    std::string data = command;
    data.push_back('\0');
    // A synchronous execute answers TRUE or FALSE, never data of its own; the results are ignored.
    DWORD result = 0;
    DdeClientTransaction(reinterpret_cast<BYTE*>(data.data()), static_cast<DWORD>(data.size()), conversation.get(),
                         nullptr, 0, XTYP_EXECUTE, kTimeoutMs, &result);
  }
}

}  // namespace mogura::win32
