#include "platform/win32/accessibility.h"

#include <commctrl.h>

#include "platform/win32/accessible_object.h"

namespace platform::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

DWORD WinEventOf(ui::AccessibleEvent event) {
    switch (event) {
        case ui::AccessibleEvent::NameChange:
            return EVENT_OBJECT_NAMECHANGE;
        case ui::AccessibleEvent::ValueChange:
            return EVENT_OBJECT_VALUECHANGE;
        case ui::AccessibleEvent::StateChange:
            return EVENT_OBJECT_STATECHANGE;
        case ui::AccessibleEvent::Focus:
            return EVENT_OBJECT_FOCUS;
        case ui::AccessibleEvent::Selection:
            break;
    }
    return EVENT_OBJECT_SELECTION;
}

// The system's own controls answer for themselves, through a subclass.
bool IsSystemControl(ui::ElementKind kind) {
    switch (kind) {
        case ui::ElementKind::ComboBox:
        case ui::ElementKind::HScrollBar:
        case ui::ElementKind::CheckBox:
        case ui::ElementKind::TextBox:
        case ui::ElementKind::ListBox:
        case ui::ElementKind::Button:
            return true;
        case ui::ElementKind::Label:
        case ui::ElementKind::Shape:
        case ui::ElementKind::PictureBox:
        case ui::ElementKind::CellGrid:
            break;
    }
    return false;
}

}  // namespace

ComApartment::~ComApartment() {
    if (entered_) {
        Ole().coUninitialize();
    }
}

void ComApartment::Enter() {
    if (!entered_ && Ole().Ready()) {
        // S_FALSE (already open on this thread) counts too and is balanced the same way.
        entered_ = SUCCEEDED(Ole().coInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    }
}

FormAccessibility::~FormAccessibility() {
    DetachAll();
}

void FormAccessibility::Attach(HWND window, const ui::Element& element,
                               std::function<RECT(int)> partArea) {
    if (window == nullptr) {
        return;
    }
    const bool systemControl = IsSystemControl(element.Kind());
    auto attached =
        std::make_unique<Attached>(Attached{this,
                                            std::make_shared<AccessibleBinding>(AccessibleBinding{
                                                window, &element, this, std::move(partArea)}),
                                            false});
    attached->subclassed =
        systemControl && ::SetWindowSubclass(window, Proc, kSubclassId,
                                             reinterpret_cast<DWORD_PTR>(attached.get())) != FALSE;
    attached_.push_back(std::move(attached));
}

void FormAccessibility::AttachForm(HWND window) {
    formWindow_ = window;
    attached_.push_back(std::make_unique<Attached>(Attached{
        this,
        std::make_shared<AccessibleBinding>(AccessibleBinding{window, nullptr, this, nullptr}),
        false}));
}

LRESULT FormAccessibility::Answer(HWND window, WPARAM wParam, LPARAM lParam) {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) {
        return 0;
    }
    for (const auto& attached : attached_) {
        if (attached->binding->window == window && !attached->subclassed) {
            return AnswerFor(attached->binding, wParam);
        }
    }
    return 0;
}

void FormAccessibility::DetachAll() {
    for (const auto& attached : attached_) {
        Detach(*attached);
    }
}

void FormAccessibility::Detach(Attached& attached) {
    AccessibleBinding& binding = *attached.binding;
    if (attached.subclassed && binding.window != nullptr) {
        ::RemoveWindowSubclass(binding.window, Proc, kSubclassId);
    }
    attached.subclassed = false;
    binding = AccessibleBinding{};
}

namespace {

// Someone (a screen reader, a magnifier) wants to hear of our changes.
bool Listening() {
    for (const DWORD event : {EVENT_OBJECT_FOCUS, EVENT_OBJECT_SELECTION, EVENT_OBJECT_STATECHANGE,
                              EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE}) {
        if (::IsWinEventHookInstalled(event)) {
            return true;
        }
    }
    return false;
}

}  // namespace

void FormAccessibility::Shown(bool visible) {
    if (!visible) {
        watch_.reset();
    } else if (!watch_ && Listening()) {
        watch_.emplace(form_);
    }
}

void FormAccessibility::Announce(bool focusMoves) {
    if (!Listening()) {
        // Nobody hears them: no work to describe the elements at every change.
        watch_.reset();
        return;
    }
    if (!watch_) {
        // A listener that just came: it hears the changes from now on.
        Shown(formWindow_ != nullptr && ::IsWindowVisible(formWindow_));
        return;
    }
    for (const ui::AccessibleNotice& notice : watch_->Changes(focusMoves)) {
        Raise(WinEventOf(notice.Event), notice.Subject, notice.Child);
    }
}

void FormAccessibility::AnnounceFocus() {
    if (const Attached* standIn = Listening() ? FocusStandIn() : nullptr) {
        // A grid that stands for it (the day numbers) has its framed day focused.
        const ui::Element& element = *standIn->binding->element;
        if (ui::AccessibleChildCount(element) > 0) {
            AnnouncePartFocus(element);
        } else {
            Raise(EVENT_OBJECT_FOCUS, &element);
        }
    }
}

void FormAccessibility::AnnouncePartFocus(const ui::Element& element) {
    if (!Listening()) {
        return;
    }
    for (int part = 0; part < ui::AccessibleChildCount(element); ++part) {
        if (form_.AccessibleChild(element, part).Focused) {
            Raise(EVENT_OBJECT_FOCUS, &element, part + 1);
            return;
        }
    }
}

void FormAccessibility::Raise(DWORD event, const ui::Element* subject, LONG child) const {
    for (const auto& attached : attached_) {
        if (attached->binding->element == subject && attached->binding->window != nullptr) {
            ::NotifyWinEvent(event, attached->binding->window, OBJID_CLIENT, child);
        }
    }
}

const FormAccessibility::Attached* FormAccessibility::FocusStandIn() const {
    if (formWindow_ == nullptr || ::GetFocus() != formWindow_) {
        return nullptr;
    }
    for (const auto& attached : attached_) {
        const ui::Element* element = attached->binding->element;
        if (element != nullptr && !element->TabStop() && attached->binding->window != nullptr) {
            const ui::AccessibleInfo info = form_.Accessible(*element);
            if (info.Focused && !info.Invisible) {
                return attached.get();
            }
        }
    }
    return nullptr;
}

IDispatch* FormAccessibility::FocusedObject() {
    const Attached* standIn = FocusStandIn();
    return standIn != nullptr ? NewAccessibleObject(standIn->binding) : nullptr;
}

LRESULT CALLBACK FormAccessibility::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR data) {
    auto& attached = *reinterpret_cast<Attached*>(data);
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        if (const LRESULT answer = attached.owner->AnswerFor(attached.binding, wParam)) {
            return answer;
        }
    } else if (message == WM_NCDESTROY) {
        Detach(attached);
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

LRESULT FormAccessibility::AnswerFor(const std::shared_ptr<AccessibleBinding>& binding,
                                     WPARAM wParam) {
    apartment_.Enter();
    IAccessible* object = NewAccessibleObject(binding);
    if (object == nullptr) {
        return 0;
    }
    // The caller's reference comes from marshalling it; ours ends here.
    const LRESULT answer = Ole().lresultFromObject(kIidAccessible, wParam, object);
    object->Release();
    return answer < 0 ? 0 : answer;
}

}  // namespace platform::win32
