#include "platform/win32/win32_shell_links.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/win32/wide.h"
#include "platform/win32/com_ptr.h"

namespace mogura::win32 {
namespace {

bool SaveLink(const ShellLink& link) {
  ComPtr<IShellLinkW> shellLink;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, shellLink.putVoid()))) {
    return false;
  }
  if (FAILED(shellLink->SetPath(ToWide(link.target).c_str()))) return false;
  if (!link.arguments.empty() && FAILED(shellLink->SetArguments(ToWide(link.arguments).c_str()))) return false;
  shellLink->SetDescription(ToWide(link.description).c_str());
  ComPtr<IPersistFile> file;
  if (FAILED(shellLink->QueryInterface(IID_IPersistFile, file.putVoid()))) return false;
  return SUCCEEDED(file->Save(ToWide(link.file).c_str(), TRUE));
}

}  // namespace

void Win32ShellLinks::save(const std::vector<ShellLink>& links) {
  ComSession session;
  for (const ShellLink& link : links) SaveLink(link);
}

bool ReadShellLink(const std::string& file, std::string* target, std::string* arguments) {
  ComSession session;
  ComPtr<IShellLinkW> shellLink;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, shellLink.putVoid()))) {
    return false;
  }
  ComPtr<IPersistFile> persist;
  if (FAILED(shellLink->QueryInterface(IID_IPersistFile, persist.putVoid())) ||
      FAILED(persist->Load(ToWide(file).c_str(), STGM_READ))) {
    return false;
  }
  wchar_t path[MAX_PATH] = {};
  wchar_t args[1024] = {};
  if (FAILED(shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)) ||
      FAILED(shellLink->GetArguments(args, 1024))) {
    return false;
  }
  *target = FromWide(path);
  *arguments = FromWide(args);
  return true;
}

}  // namespace mogura::win32
