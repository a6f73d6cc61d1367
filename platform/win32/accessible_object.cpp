#include "platform/win32/accessible_object.h"

#include <servprov.h>

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/cell_navigation.h"

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

void ReleaseInterface(IUnknown* object) {
    object->Release();
}
using StandardObject = UniqueHandle<IAccessible*, ReleaseInterface>;

// Spelled out for the same reason as kIidAccessible.
constexpr IID kIidEnumVariant = {
    0x00020404, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidAccIdentity = {
    0x7852b78d, 0x1cfd, 0x41c1, {0xa6, 0x15, 0x9c, 0x0c, 0x85, 0x96, 0x0b, 0x5f}};
constexpr IID kIidServiceProvider = {
    0x6d5140c1, 0x7436, 0x11ce, {0x80, 0x34, 0x00, 0xaa, 0x00, 0x60, 0x09, 0xfa}};

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

LONG RoleOf(ui::AccessibleRole role) {
    switch (role) {
        case ui::AccessibleRole::StaticText:
            return ROLE_SYSTEM_STATICTEXT;
        case ui::AccessibleRole::PushButton:
            return ROLE_SYSTEM_PUSHBUTTON;
        case ui::AccessibleRole::ComboBox:
            return ROLE_SYSTEM_COMBOBOX;
        case ui::AccessibleRole::Slider:
            return ROLE_SYSTEM_SLIDER;
        case ui::AccessibleRole::CheckBox:
            return ROLE_SYSTEM_CHECKBUTTON;
        case ui::AccessibleRole::Table:
            return ROLE_SYSTEM_TABLE;
        case ui::AccessibleRole::EditableText:
            return ROLE_SYSTEM_TEXT;
        case ui::AccessibleRole::List:
            return ROLE_SYSTEM_LIST;
        case ui::AccessibleRole::ListItem:
            return ROLE_SYSTEM_LISTITEM;
        case ui::AccessibleRole::Graphic:
            break;
    }
    return ROLE_SYSTEM_GRAPHIC;
}

// The states the model decides: what is shown, chosen, ticked, out of use and reachable by
// Tab, and whether it has the focus now.
constexpr LONG kModelStates = STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_SELECTABLE |
                              STATE_SYSTEM_SELECTED | STATE_SYSTEM_CHECKED |
                              STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED;
LONG ModelState(const ui::AccessibleInfo& info, bool focused) {
    return (info.Invisible ? STATE_SYSTEM_INVISIBLE : 0) |
           (info.Selectable ? STATE_SYSTEM_SELECTABLE : 0) |
           (info.Selected ? STATE_SYSTEM_SELECTED : 0) | (info.Checked ? STATE_SYSTEM_CHECKED : 0) |
           (info.Focusable ? STATE_SYSTEM_FOCUSABLE : 0) | (focused ? STATE_SYSTEM_FOCUSED : 0) |
           (info.Unavailable ? STATE_SYSTEM_UNAVAILABLE : 0);
}

HRESULT ChildAnswer(VARIANT* answer, std::optional<LONG> child) {
    answer->vt = child ? VT_I4 : VT_EMPTY;
    answer->lVal = child.value_or(0);
    return child ? S_OK : S_FALSE;
}

// The system's object for a window, told what the element model knows better: an element's
// role, name, state, value and default action, and for the form's own window which element
// has its focus. An element drawn in parts (a grid) has them as simple children, which the
// model describes and places. Everything else (place, parent, keyboard shortcut) is the
// system's.
// What the system's object offers besides (the children's enumeration, identity strings,
// services) passes through to it, so that UI Automation's bridge treats the object as the
// system's own.
class AccessibleElement final : public IAccessible,
                                public IOleWindow,
                                public IEnumVARIANT,
                                public IAccIdentity,
                                public IServiceProvider {
  public:
    AccessibleElement(std::shared_ptr<const AccessibleBinding> binding, StandardObject standard)
        : binding_(std::move(binding)), standard_(std::move(standard)) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == kIidAccessible) {
            *object = static_cast<IAccessible*>(this);
        } else if (iid == __uuidof(IOleWindow)) {
            *object = static_cast<IOleWindow*>(this);
        } else if (iid == kIidEnumVariant && PartCount() == 0 && SystemOffers(iid)) {
            // The parts are no windows the system could enumerate: clients count them instead.
            *object = static_cast<IEnumVARIANT*>(this);
        } else if (iid == kIidAccIdentity && SystemOffers(iid)) {
            *object = static_cast<IAccIdentity*>(this);
        } else if (iid == kIidServiceProvider && SystemOffers(iid)) {
            *object = static_cast<IServiceProvider*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // IDispatch: screen readers call the interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IOleWindow: how a client finds the window of an object.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        *window = binding_->window;
        return *window != nullptr ? S_OK : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IEnumVARIANT, IAccIdentity, IServiceProvider: the system object's.
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* children, ULONG* fetched) override {
        return ThroughSystem<IEnumVARIANT>(
            kIidEnumVariant, [&](IEnumVARIANT* e) { return e->Next(count, children, fetched); });
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        return ThroughSystem<IEnumVARIANT>(kIidEnumVariant,
                                           [&](IEnumVARIANT* e) { return e->Skip(count); });
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        return ThroughSystem<IEnumVARIANT>(kIidEnumVariant,
                                           [](IEnumVARIANT* e) { return e->Reset(); });
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
        return ThroughSystem<IEnumVARIANT>(kIidEnumVariant,
                                           [&](IEnumVARIANT* e) { return e->Clone(copy); });
    }
    HRESULT STDMETHODCALLTYPE GetIdentityString(DWORD child, BYTE** identity,
                                                DWORD* length) override {
        return ThroughSystem<IAccIdentity>(kIidAccIdentity, [&](IAccIdentity* i) {
            return i->GetIdentityString(child, identity, length);
        });
    }
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** object) override {
        // Asked for the accessible object itself: this one, which knows the model.
        if (service == kIidAccessible) {
            return QueryInterface(iid, object);
        }
        return ThroughSystem<IServiceProvider>(kIidServiceProvider, [&](IServiceProvider* p) {
            return p->QueryService(service, iid, object);
        });
    }

    // What the model says.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const auto info = Describe(child);
        if (info) {
            return Answer(info->Name, name);
        }
        return Standard() ? standard_.Get()->get_accName(child, name) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        const auto info = Describe(child);
        if (!info) {
            return Standard() ? standard_.Get()->get_accRole(child, role) : RPC_E_DISCONNECTED;
        }
        role->vt = VT_I4;
        role->lVal = RoleOf(info->Role);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return ModelText(child, &ui::AccessibleInfo::Value, value, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return ModelText(child, &ui::AccessibleInfo::DefaultAction, action,
                         &IAccessible::get_accDefaultAction);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        const auto info = Describe(child);
        if (!info || info->DefaultAction.empty()) {
            if (Part(child)) {
                return DISP_E_MEMBERNOTFOUND;  // an unavailable cell
            }
            return Standard() ? standard_.Get()->accDoDefaultAction(child) : RPC_E_DISCONNECTED;
        }
        if (info->Invisible) {
            return E_FAIL;  // nobody can press what is not there
        }
        const auto which = static_cast<WPARAM>(Part(child) ? child.lVal : CHILDID_SELF);
        return ::PostMessageW(binding_->window, kDefaultActionMessage, which, 0) ? S_OK : E_FAIL;
    }
    // The window's own object: its focus is the element that stands for it (the framed day).
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        if (PartCount() > 0) {
            // The grid with the keyboard: its focused cell, or itself.
            if (!HasKeyboard()) {
                return ChildAnswer(child, std::nullopt);
            }
            return ChildAnswer(child,
                               FindPart(&ui::AccessibleInfo::Focused).value_or(CHILDID_SELF));
        }
        if (binding_->element == nullptr && binding_->owner != nullptr) {
            if (IDispatch* focused = binding_->owner->FocusedObject()) {
                child->vt = VT_DISPATCH;
                child->pdispVal = focused;
                return S_OK;
            }
        }
        return Standard() ? standard_.Get()->get_accFocus(child) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!Standard()) {
            return RPC_E_DISCONNECTED;
        }
        const auto info = Describe(child);
        if (info && Part(child)) {
            // A part has the focus its grid has.
            state->vt = VT_I4;
            state->lVal = ModelState(*info, info->Focused && HasKeyboard());
            return S_OK;
        }
        const HRESULT result = standard_.Get()->get_accState(child, state);
        if (FAILED(result) || state->vt != VT_I4 || !info) {
            return result;
        }
        // The states the model decides are its own; the focus is where the model puts it once
        // the window has the keyboard: a tab stop's own window, or the form's window for the
        // element that stands for its focus.
        const HWND focus = ::GetFocus();
        const bool focused =
            info->Focused && focus != nullptr &&
            (focus == binding_->window ||
             (!info->Focusable && focus == ::GetAncestor(binding_->window, GA_ROOT)));
        state->lVal &= ~kModelStates;
        state->lVal |= ModelState(*info, focused);
        return S_OK;
    }

    // The system's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Standard() ? standard_.Get()->get_accParent(parent) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (PartCount() > 0) {
            *count = PartCount();
            return S_OK;
        }
        return Standard() ? standard_.Get()->get_accChildCount(count) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        if (Part(child)) {
            *object = nullptr;
            return S_FALSE;  // a simple child: its parent answers for it
        }
        return Standard() ? standard_.Get()->get_accChild(child, object) : RPC_E_DISCONNECTED;
    }
    // The model's (a day's tip), else the system's.
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return ModelText(child, &ui::AccessibleInfo::Description, text,
                         &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        if (Part(child)) {
            return Nothing(help);
        }
        return Standard() ? standard_.Get()->get_accHelp(child, help) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        if (Part(child)) {
            *topic = -1;
            return Nothing(file);
        }
        return Standard() ? standard_.Get()->get_accHelpTopic(file, child, topic)
                          : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        if (Part(child)) {
            return Nothing(keys);
        }
        return Standard() ? standard_.Get()->get_accKeyboardShortcut(child, keys)
                          : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        if (PartCount() > 0) {
            return ChildAnswer(children, FindPart(&ui::AccessibleInfo::Selected));
        }
        return Standard() ? standard_.Get()->get_accSelection(children) : RPC_E_DISCONNECTED;
    }
    // One part is chosen at a time: taking the focus or the selection chooses it, as a click.
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        if (!Part(child)) {
            return Standard() ? standard_.Get()->accSelect(flags, child) : RPC_E_DISCONNECTED;
        }
        if (flags == 0 || (flags & ~(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION)) != 0) {
            return E_INVALIDARG;
        }
        const auto info = Describe(child);
        if (!info || info->Unavailable || info->Invisible || !info->Selectable) {
            return DISP_E_MEMBERNOTFOUND;
        }
        return ::PostMessageW(binding_->window, kDefaultActionMessage,
                              static_cast<WPARAM>(child.lVal), 0)
                   ? S_OK
                   : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        if (const auto part = Part(child); part && binding_->partArea) {
            const RECT area = binding_->partArea(*part);
            POINT corner{area.left, area.top};
            ::ClientToScreen(binding_->window, &corner);
            *left = corner.x;
            *top = corner.y;
            *width = area.right - area.left;
            *height = area.bottom - area.top;
            return S_OK;
        }
        return Standard() ? standard_.Get()->accLocation(left, top, width, height, child)
                          : RPC_E_DISCONNECTED;
    }
    // Among the parts: the first and last from the grid; from a part, the next and previous
    // and the neighbours by place.
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        const LONG count = PartCount();
        if (count > 0 && IsSelf(start) &&
            (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD)) {
            return ChildAnswer(end, direction == NAVDIR_FIRSTCHILD ? 1 : count);
        }
        if (const auto part = Part(start)) {
            return ChildAnswer(end, PartBeside(*part, direction));
        }
        return Standard() ? standard_.Get()->accNavigate(direction, start, end)
                          : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        POINT point{x, y};
        RECT client{};
        if (PartCount() > 0 && binding_->partArea && ::ScreenToClient(binding_->window, &point) &&
            ::GetClientRect(binding_->window, &client) && ::PtInRect(&client, point)) {
            for (int part = 0; part < PartCount(); ++part) {
                const RECT area = binding_->partArea(part);
                if (::PtInRect(&area, point)) {
                    return ChildAnswer(child, part + 1);
                }
            }
            return ChildAnswer(child, CHILDID_SELF);
        }
        return Standard() ? standard_.Get()->accHitTest(x, y, child) : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    ~AccessibleElement() = default;

    static HRESULT Answer(const std::string& text, BSTR* answer) {
        *answer = Ole().sysAllocString(ToWide(text).c_str());
        return *answer != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    static HRESULT Nothing(BSTR* answer) {
        *answer = nullptr;
        return S_FALSE;
    }

    // The model's text where it has one, else the system's answer (none for a part).
    HRESULT ModelText(const VARIANT& child, std::string ui::AccessibleInfo::*field, BSTR* answer,
                      HRESULT (STDMETHODCALLTYPE IAccessible::*system)(VARIANT, BSTR*)) {
        const auto info = Describe(child);
        if (info && !((*info).*field).empty()) {
            return Answer((*info).*field, answer);
        }
        if (Part(child)) {
            return Nothing(answer);
        }
        return Standard() ? (standard_.Get()->*system)(child, answer) : RPC_E_DISCONNECTED;
    }

    bool Standard() const { return binding_->window != nullptr; }

    bool SystemOffers(const IID& iid) const {
        void* offered = nullptr;
        if (!Standard() || FAILED(standard_.Get()->QueryInterface(iid, &offered))) {
            return false;
        }
        static_cast<IUnknown*>(offered)->Release();
        return true;
    }
    // Runs the call on the system object's interface of that kind.
    template <typename Interface, typename Call>
    HRESULT ThroughSystem(const IID& iid, Call&& call) const {
        void* offered = nullptr;
        if (!Standard() || FAILED(standard_.Get()->QueryInterface(iid, &offered))) {
            return RPC_E_DISCONNECTED;
        }
        auto* system = static_cast<Interface*>(offered);
        const HRESULT result = call(system);
        system->Release();
        return result;
    }

    // The child id of the part beside a part in a navigation direction, if there is one.
    std::optional<LONG> PartBeside(int part, LONG direction) const {
        const LONG id = part + 1;
        switch (direction) {
            case NAVDIR_NEXT:
                return id < PartCount() ? std::optional(id + 1) : std::nullopt;
            case NAVDIR_PREVIOUS:
                return id > 1 ? std::optional(id - 1) : std::nullopt;
            case NAVDIR_UP:
                return PartByPlace(part, ui::CellDirection::Up);
            case NAVDIR_DOWN:
                return PartByPlace(part, ui::CellDirection::Down);
            case NAVDIR_LEFT:
                return PartByPlace(part, ui::CellDirection::Left);
            case NAVDIR_RIGHT:
                return PartByPlace(part, ui::CellDirection::Right);
            default:
                return std::nullopt;  // a simple child has no children
        }
    }
    std::optional<LONG> PartByPlace(int part, ui::CellDirection direction) const {
        if (!binding_->partArea) {
            return std::nullopt;
        }
        std::vector<ui::Rect> places;
        for (int i = 0; i < PartCount(); ++i) {
            const RECT r = binding_->partArea(i);
            places.push_back({r.left, r.top, r.right - r.left, r.bottom - r.top});
        }
        const auto found = ui::NeighbourCell(places, part, direction);
        return found ? std::optional<LONG>(*found + 1) : std::nullopt;
    }
    // The keyboard is where the parts can have it: in the element's own window, or in the
    // form's for a grid that holds no focus of its own (the day numbers).
    bool HasKeyboard() const {
        const HWND focus = ::GetFocus();
        if (focus == nullptr || focus == binding_->window) {
            return focus != nullptr;
        }
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        const auto info = Describe(self);
        return info && !info->Focusable && focus == ::GetAncestor(binding_->window, GA_ROOT);
    }
    // The parts of the element (a grid's cells), each a child by its position from 1.
    LONG PartCount() const {
        const ui::Element* element = binding_->element;
        return element != nullptr ? ui::AccessibleChildCount(*element) : 0;
    }
    std::optional<int> Part(const VARIANT& child) const {
        if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > PartCount()) {
            return std::nullopt;
        }
        return static_cast<int>(child.lVal) - 1;
    }
    // The child id of the first part for which the model says yes.
    std::optional<LONG> FindPart(bool ui::AccessibleInfo::*which) const {
        for (LONG id = 1; id <= PartCount(); ++id) {
            VARIANT child{};
            child.vt = VT_I4;
            child.lVal = id;
            if (const auto info = Describe(child); info && (*info).*which) {
                return id;
            }
        }
        return std::nullopt;
    }

    // The model's word on the object itself or one of its parts: nothing for the form's own
    // window or once the window is gone; nothing either if the model cannot say (a failure
    // must not unwind into the caller's COM).
    std::optional<ui::AccessibleInfo> Describe(const VARIANT& child) const {
        const ui::Element* element = binding_->element;
        const auto part = Part(child);
        if (element == nullptr || (!IsSelf(child) && !part)) {
            return std::nullopt;
        }
        try {
            return part ? element->Owner().AccessibleChild(*element, *part)
                        : element->Owner().Accessible(*element);
        } catch (const std::exception& failure) {
            ::OutputDebugStringA(failure.what());
            return std::nullopt;
        }
    }

    std::atomic<ULONG> references_{1};
    std::shared_ptr<const AccessibleBinding> binding_;
    StandardObject standard_;
};

}  // namespace

const OleLibraries& Ole() {
    static const OleLibraries libraries;
    return libraries;
}

IAccessible* NewAccessibleObject(std::shared_ptr<const AccessibleBinding> binding) {
    StandardObject standard;
    if (!Ole().Ready() ||
        FAILED(Ole().createStdAccessibleObject(binding->window, OBJID_CLIENT, kIidAccessible,
                                               reinterpret_cast<void**>(standard.Receive())))) {
        return nullptr;
    }
    return new AccessibleElement(std::move(binding), std::move(standard));
}

}  // namespace platform::win32
