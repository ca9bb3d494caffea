#include "window/win32/announce.h"

#include <initguid.h>

#include <oleacc.h>

namespace {

// The label's name as screen readers read it, where the caption leaves out
// the zero before the separator.
IAccPropServices *property_services() {
  static IAccPropServices *services = [] {
    IAccPropServices *created = nullptr;
    if (SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
      CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                       reinterpret_cast<void **>(&created));
    }
    return created;
  }();
  return services;
}

} // namespace

void announce_result(HWND label, const std::wstring &spoken) {
  if (IAccPropServices *services = property_services()) {
    services->SetHwndPropStr(label, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                             spoken.c_str());
  }
  NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, label, OBJID_CLIENT, CHILDID_SELF);
}
