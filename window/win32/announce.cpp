#include "window/win32/announce.h"

#include <initguid.h>

#include <oleacc.h>

namespace {

// Windows 8 and later read a live region's news; older Windows pass it by.
constexpr DWORD live_region_changed = 0x8019; // EVENT_OBJECT_LIVEREGIONCHANGED

// The result's name and role as screen readers read them: its name where the
// caption leaves out the zero before the separator.
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

void name(HWND result, const std::wstring &text) {
  if (IAccPropServices *services = property_services()) {
    services->SetHwndPropStr(result, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             PROPID_ACC_NAME, text.c_str());
  }
}

} // namespace

void present_as_label(HWND result, const std::wstring &caption) {
  if (IAccPropServices *services = property_services()) {
    VARIANT role{};
    role.vt = VT_I4;
    role.lVal = ROLE_SYSTEM_STATICTEXT;
    services->SetHwndProp(result, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_ROLE,
                          role);
  }
  name(result, caption);
}

void announce_result(HWND result, const std::wstring &spoken) {
  name(result, spoken);
  NotifyWinEvent(live_region_changed, result, OBJID_CLIENT, CHILDID_SELF);
}
