// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include "Text.h"

// The annotation API's GUIDs are defined here, so that nothing imports oleacc.dll.
#include <initguid.h>
#include <oleacc.h>

namespace Win32Face {

namespace {

using CoInitializeExFunction = HRESULT(WINAPI*)(void*, DWORD);
using CoCreateInstanceFunction = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);

// The annotation service, loaded on first use; none where the machine has none.
IAccPropServices* Services()
{
    static IAccPropServices* services = [] {
        IAccPropServices* made = nullptr;
        const HMODULE com = LoadLibraryW(L"ole32.dll");
        if (!com || !LoadLibraryW(L"oleacc.dll")) return made;
        const auto initialize =
            reinterpret_cast<CoInitializeExFunction>(reinterpret_cast<void*>(GetProcAddress(com, "CoInitializeEx")));
        const auto create = reinterpret_cast<CoCreateInstanceFunction>(
            reinterpret_cast<void*>(GetProcAddress(com, "CoCreateInstance")));
        if (!initialize || !create) return made;
        initialize(nullptr, COINIT_APARTMENTTHREADED);
        if (FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                          reinterpret_cast<void**>(&made))))
            made = nullptr;
        return made;
    }();
    return services;
}

bool loaded = false;  // the annotations are being handed over as they come

// A window is read as its window object when it opens, a control as its client.
LONG ObjectOf(HWND handle) { return (GetWindowLongPtrW(handle, GWL_STYLE) & WS_CHILD) ? OBJID_CLIENT : OBJID_WINDOW; }

void Hand(HWND handle, const Annotation& annotation)
{
    IAccPropServices* services = Services();
    if (!services) return;
    const LONG object = ObjectOf(handle);
    if (!annotation.name.empty())
        services->SetHwndPropStr(handle, DWORD(object), CHILDID_SELF, PROPID_ACC_NAME, annotation.name.c_str());
    if (!annotation.description.empty())
        services->SetHwndPropStr(handle, DWORD(object), CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                 annotation.description.c_str());
    if (annotation.role != 0) {
        VARIANT role{};
        role.vt = VT_I4;
        role.lVal = annotation.role;
        services->SetHwndProp(handle, DWORD(object), CHILDID_SELF, PROPID_ACC_ROLE, role);
    }
}

}  // namespace

HeardRecord& Heard()
{
    static HeardRecord record;
    return record;
}

void Annotate(HWND handle, Annotation annotation)
{
    if (loaded) Hand(handle, annotation);
    Heard().annotations[handle] = std::move(annotation);
}

void Forget(HWND handle) { Heard().annotations.erase(handle); }

void ScreenReaderAsks()
{
    if (loaded) return;
    loaded = true;
    for (const auto& [handle, annotation] : Heard().annotations) Hand(handle, annotation);
}

void Announce(HWND source, DWORD event, const std::string& text)
{
    if (text.empty()) return;
    Heard().announced.push_back(text);
    BOOL running = FALSE;
    if (!loaded && SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running) ScreenReaderAsks();
    NotifyWinEvent(event, source, ObjectOf(source), CHILDID_SELF);
}

}  // namespace Win32Face
