// A taskbar object that writes down every call the program makes to it. The
// end-to-end tests register it in the test prefix in place of Wine's own
// (CLSID_TaskbarList), whose trace shows only a process's first state. It
// answers every call with S_OK, as Wine's does. Each call is one line of
// "<this DLL's path>.log": "HrInit", "SetProgressState <window> <flags>",
// "SetProgressValue <window> <done> <total>", "SetThumbnailTooltip <window>
// <text>" (its CR, LF and backslash written as \r, \n and \\, so that a test
// tells a CR LF from a bare LF), "Other <method>"; windows as decimal numbers.
#include <windows.h>
// After <windows.h>.
#include <shobjidl.h>

#include <cstdio>
#include <string>

#include "call_log.h"

namespace {

using call_log::Log;

std::string Escaped(const char* text) {
  std::string escaped;
  for (; *text != '\0'; ++text) {
    if (*text == '\r')
      escaped += "\\r";
    else if (*text == '\n')
      escaped += "\\n";
    else if (*text == '\\')
      escaped += "\\\\";
    else
      escaped += *text;
  }
  return escaped;
}

unsigned long Number(HWND window) {
  return static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window));
}

// Calls the tests do not expect: logged by name only.
#define OTHER(method, ...)                                 \
  HRESULT STDMETHODCALLTYPE method(__VA_ARGS__) override { \
    Log("Other " #method);                                 \
    return S_OK;                                           \
  }

class LoggingTaskbar final : public ITaskbarList3 {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    const bool known = iid == IID_IUnknown || iid == IID_ITaskbarList || iid == IID_ITaskbarList2 ||
                       iid == IID_ITaskbarList3;
    *out = known ? static_cast<ITaskbarList3*>(this) : nullptr;
    if (!known) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE HrInit() override {
    Log("HrInit");
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetProgressState(HWND window, TBPFLAG flags) override {
    Log("SetProgressState %lu %d", Number(window), static_cast<int>(flags));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetThumbnailTooltip(HWND window, LPCWSTR tip) override {
    char text[512] = {};
    if (tip != nullptr)
      WideCharToMultiByte(CP_ACP, 0, tip, -1, text, sizeof text - 1, nullptr, nullptr);
    Log("SetThumbnailTooltip %lu %s", Number(window), Escaped(text).c_str());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetProgressValue(HWND window, ULONGLONG done,
                                             ULONGLONG total) override {
    Log("SetProgressValue %lu %lu %lu", Number(window), static_cast<unsigned long>(done),
        static_cast<unsigned long>(total));
    return S_OK;
  }
  OTHER(AddTab, HWND)
  OTHER(DeleteTab, HWND)
  OTHER(ActivateTab, HWND)
  OTHER(SetActiveAlt, HWND)
  OTHER(MarkFullscreenWindow, HWND, BOOL)
  OTHER(RegisterTab, HWND, HWND)
  OTHER(UnregisterTab, HWND)
  OTHER(SetTabOrder, HWND, HWND)
  OTHER(SetTabActive, HWND, HWND, DWORD)
  OTHER(ThumbBarAddButtons, HWND, UINT, LPTHUMBBUTTON)
  OTHER(ThumbBarUpdateButtons, HWND, UINT, LPTHUMBBUTTON)
  OTHER(ThumbBarSetImageList, HWND, HIMAGELIST)
  OTHER(SetOverlayIcon, HWND, HICON, LPCWSTR)
  OTHER(SetThumbnailClip, HWND, RECT*)

 private:
  LONG references_ = 1;
};

class Factory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    const bool known = iid == IID_IUnknown || iid == IID_IClassFactory;
    *out = known ? static_cast<IClassFactory*>(this) : nullptr;
    return known ? S_OK : E_NOINTERFACE;
  }
  // One static factory for the life of the process.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    auto* taskbar = new LoggingTaskbar;
    const HRESULT result = taskbar->QueryInterface(iid, out);
    taskbar->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

Factory gFactory;

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    GetModuleFileNameA(instance, call_log::gPath, MAX_PATH);
    lstrcatA(call_log::gPath, ".log");
  }
  return TRUE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID, REFIID iid, void** out) {
  return gFactory.QueryInterface(iid, out);
}

// Objects handed out may outlive any count kept here: never unloaded.
extern "C" HRESULT WINAPI DllCanUnloadNow() { return S_FALSE; }
