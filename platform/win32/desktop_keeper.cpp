#include "platform/win32/desktop_keeper.h"

#include <objbase.h>

#include <algorithm>
#include <utility>

#include "platform/ui/show_desktop.h"
#include "platform/win32/accessible_object.h"
#include "platform/win32/system_library.h"

namespace platform::win32 {
namespace {

// Windows 8 on; named here for older headers.
constexpr DWORD kEventObjectCloaked = 0x8017;
constexpr DWORD kDwmCloaked = 14;  // DWMWA_CLOAKED
// Spelled out, as the import libraries' identifiers are not to be trusted with static linking.
constexpr CLSID kVirtualDesktopManager = {
    0xaa509086, 0x5ca9, 0x4c25, {0x8f, 0x95, 0x58, 0x9d, 0x3c, 0x07, 0xb4, 0x8a}};
constexpr IID kIidVirtualDesktopManager = {
    0xa5cd92ff, 0x29be, 0x454c, {0x8d, 0x04, 0xd8, 0x28, 0x79, 0xfb, 0x3f, 0x1b}};

// Windows 10's IVirtualDesktopManager, which the headers declare only for programs that need
// Windows 10.
struct VirtualDesktopManager : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE IsWindowOnCurrentVirtualDesktop(HWND window,
                                                                      BOOL* current) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetWindowDesktopId(HWND window, GUID* desktop) = 0;
    virtual HRESULT STDMETHODCALLTYPE MoveWindowToDesktop(HWND window, REFGUID desktop) = 0;
};

// The one keeper of this thread whose hooks are in place (out-of-context events come to the
// thread that set the hook, through its message loop).
thread_local DesktopKeeper* hooked = nullptr;

bool IsDesktop(HWND window) {
    wchar_t name[32]{};
    const int length = ::GetClassNameW(window, name, 32);
    return length > 0 &&
           ui::IsShellDesktop({name, static_cast<std::size_t>(length)},
                              ::FindWindowExW(window, nullptr, L"SHELLDLL_DefView", nullptr));
}

bool LiesAbove(HWND upper, HWND window) {
    for (HWND w = ::GetWindow(window, GW_HWNDPREV); w != nullptr; w = ::GetWindow(w, GW_HWNDPREV)) {
        if (w == upper) {
            return true;
        }
    }
    return false;
}

// The DWM's reasons for hiding the window; none where the system has no cloaking.
unsigned CloakedBy(HWND window) {
    using GetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
    static const Library dwm = LoadSystemLibrary(L"dwmapi.dll");
    static const auto get = LibraryFunction<GetAttributeFn>(dwm, "DwmGetWindowAttribute");
    DWORD cloaked = 0;
    if (get == nullptr || FAILED(get(window, kDwmCloaked, &cloaked, sizeof cloaked))) {
        return 0;
    }
    return cloaked;
}

// Just above the desktop, never topmost: at the top of the ordinary windows when nothing or
// only topmost windows lie above it.
void RaiseAbove(HWND window, HWND desktop) {
    HWND after = ::GetWindow(desktop, GW_HWNDPREV);
    if (after == nullptr || after == window ||
        (::GetWindowLongPtrW(after, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) {
        after = HWND_TOP;
    }
    ::SetWindowPos(window, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

void UnhookWinEventHandle(HWINEVENTHOOK hook) noexcept {
    ::UnhookWinEvent(hook);
}

DesktopKeeper::~DesktopKeeper() {
    if (hooked == this) {
        hooked = nullptr;
    }
}

void DesktopKeeper::Keep(HWND window, bool keep) {
    const auto found = std::find(kept_.begin(), kept_.end(), window);
    if (keep && found == kept_.end() && window != nullptr) {
        kept_.push_back(window);
    } else if (!keep && found != kept_.end()) {
        kept_.erase(found);
    }
    if (kept_.empty()) {
        foregroundHook_.Reset();
        cloakHook_.Reset();
        hooked = hooked == this ? nullptr : hooked;
    } else if (!foregroundHook_ && (hooked == nullptr || hooked == this)) {
        hooked = this;
        foregroundHook_.Reset(::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND,
                                                nullptr, OnEvent, 0, 0,
                                                WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
        // From any process, as the system raises the cloaking; only kept windows count.
        cloakHook_.Reset(::SetWinEventHook(kEventObjectCloaked, kEventObjectCloaked, nullptr,
                                           OnEvent, 0, 0, WINEVENT_OUTOFCONTEXT));
    }
}

void CALLBACK DesktopKeeper::OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object,
                                     LONG child, DWORD, DWORD) {
    DesktopKeeper* self = hooked;
    if (self == nullptr || object != OBJID_WINDOW || child != CHILDID_SELF || window == nullptr) {
        return;
    }
    // A copy: raising a window sends messages, whose handlers may let a window go.
    const std::vector<HWND> kept = self->kept_;
    if (event == EVENT_SYSTEM_FOREGROUND) {
        self->shownAgainOver_ = nullptr;
        for (const HWND each : kept) {
            self->Follow(each, window);
        }
    } else if (std::find(kept.begin(), kept.end(), window) != kept.end()) {
        self->Follow(window, ::GetForegroundWindow());
    }
}

void DesktopKeeper::Follow(HWND window, HWND foreground) {
    ui::DesktopScene scene;
    scene.Kept = true;
    scene.Shown = ::IsWindowVisible(window) != FALSE;
    scene.DesktopForeground = foreground != nullptr && IsDesktop(foreground);
    if (scene.Shown && scene.DesktopForeground) {
        scene.DesktopAbove = LiesAbove(foreground, window);
        scene.Cloaked = CloakedBy(window);
        scene.OnCurrentVirtualDesktop = scene.Cloaked == 0 || OnCurrentVirtualDesktop(window);
    }
    switch (ui::ActionFor(scene)) {
        case ui::DesktopAction::None:
            return;
        case ui::DesktopAction::ShowAgainRaise:
            // The shell's cloak is not the program's to lift; shown anew, the window is the
            // shell's to place again, on the desktop now in front.
            if (std::exchange(shownAgainOver_, foreground) != foreground) {
                ::ShowWindow(window, SW_HIDE);
                ::ShowWindow(window, SW_SHOWNA);
            }
            break;
        case ui::DesktopAction::Raise:
            break;
    }
    RaiseAbove(window, foreground);
}

// Where the system cannot say, the window counts as elsewhere: it then stays hidden.
bool DesktopKeeper::OnCurrentVirtualDesktop(HWND window) {
    using CreateFn = decltype(&::CoCreateInstance);
    static const auto create = LibraryFunction<CreateFn>(Ole().ole32, "CoCreateInstance");
    apartment_.Enter();
    VirtualDesktopManager* manager = nullptr;
    if (create == nullptr ||
        FAILED(create(kVirtualDesktopManager, nullptr, CLSCTX_INPROC_SERVER,
                      kIidVirtualDesktopManager, reinterpret_cast<void**>(&manager)))) {
        return false;
    }
    BOOL current = FALSE;
    const bool known = SUCCEEDED(manager->IsWindowOnCurrentVirtualDesktop(window, &current));
    manager->Release();
    return known && current != FALSE;
}

}  // namespace platform::win32
