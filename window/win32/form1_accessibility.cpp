#include "form1_accessibility.h"

#include "item_controls.h"
#include "runtime/wide_text.h"
#include "window_text.h"

#include <oleacc.h>

// Interface identifiers by __uuidof: oleacc.dll exports IID_IAccessible as data, and a plain
// reference to that name links to its import stub instead of the identifier.

namespace tallyglyph::window {

using namespace form;
namespace {

template <typename Function>
Function* system_function(const wchar_t* library, const char* name) {
    const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(found));
}

bool initialise_com() {
    auto* initialise = system_function<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    return initialise != nullptr && SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED));
}

// Windows' accessibility libraries, loaded the first time assistive technology asks, with COM
// set up on the window's thread then, so a start without a screen reader pays for none of it.
struct AccessibilityLibraries {
    decltype(CreateStdAccessibleObject)* create_standard_object =
        system_function<decltype(CreateStdAccessibleObject)>(L"oleacc.dll",
                                                             "CreateStdAccessibleObject");
    decltype(LresultFromObject)* result_from_object =
        system_function<decltype(LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
    decltype(SysAllocStringLen)* allocate_string =
        system_function<decltype(SysAllocStringLen)>(L"oleaut32.dll", "SysAllocStringLen");
    bool com = initialise_com();

    bool loaded() const {
        return com && create_standard_object != nullptr && result_from_object != nullptr &&
               allocate_string != nullptr;
    }
};

const AccessibilityLibraries& libraries() {
    static const AccessibilityLibraries loaded;
    return loaded;
}

bool is_self(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT text_answer(const std::wstring& text, BSTR* answer) {
    *answer = libraries().allocate_string(text.data(), static_cast<UINT>(text.size()));
    return *answer != nullptr ? S_OK : E_OUTOFMEMORY;
}

LONG role_of(const ItemDescription& item) {
    switch (item.presents) {
    case Presents::push_button:
        return ROLE_SYSTEM_PUSHBUTTON;
    case Presents::image:
        return ROLE_SYSTEM_GRAPHIC;
    case Presents::instruction:
        return ROLE_SYSTEM_STATICTEXT;
    case Presents::own_kind:
    case Presents::nothing:
        break;
    }
    if (item.kind == ItemKind::combo_box)
        return ROLE_SYSTEM_COMBOBOX;
    return item.kind == ItemKind::check_box ? ROLE_SYSTEM_CHECKBUTTON : ROLE_SYSTEM_TEXT;
}

// The standard object of one control, with the answers the stored description decides. It
// asks the control for its state on every call, so it never tells an old one, and it holds
// only the control's handle: a client may keep it longer than the control lives.
class ItemAccessible final : public IAccessible {
public:
    ItemAccessible(HWND control, const ItemDescription& item, IAccessible* standard)
        : window_(control), item_(item), standard_(standard) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return standard_->QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return standard_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception,
                                 argument);
    }

    // IAccessible: what the stored description decides
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!is_self(child))
            return standard_->get_accName(child, name);
        return text_answer(item_.accessible_name.empty() ? window_text(window_)
                                                         : runtime::utf16(item_.accessible_name),
                           name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (!is_self(child) || item_.accessible_description.empty())
            return standard_->get_accDescription(child, description);
        return text_answer(runtime::utf16(item_.accessible_description), description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!is_self(child))
            return standard_->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = role_of(item_);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        const HRESULT result = standard_->get_accState(child, state);
        if (!is_self(child) || FAILED(result) || state->vt != VT_I4)
            return result;
        if (item_.kind == ItemKind::check_box) {
            state->lVal &= ~(STATE_SYSTEM_CHECKED | STATE_SYSTEM_MIXED);
            const LRESULT check = SendMessageW(window_, BM_GETCHECK, 0, 0);
            if (check == BST_CHECKED)
                state->lVal |= STATE_SYSTEM_CHECKED;
            else if (check == BST_INDETERMINATE)
                state->lVal |= STATE_SYSTEM_MIXED;
        } else if (item_.presents == Presents::push_button) {
            state->lVal &= ~(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_PRESSED);
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!is_self(child) || !clicks())
            return standard_->get_accDefaultAction(child, action);
        if (item_.kind == ItemKind::check_box)
            return text_answer(SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED ? L"Uncheck"
                                                                                       : L"Check",
                               action);
        return text_answer(L"Press", action);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!is_self(child) || !clicks())
            return standard_->accDoDefaultAction(child);
        notify_click(window_);
        return S_OK;
    }

    // IAccessible: as Windows presents the control
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return standard_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return standard_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return standard_->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~ItemAccessible() { standard_->Release(); }

    bool clicks() const {
        return item_.kind == ItemKind::check_box || item_.presents == Presents::push_button;
    }

    HWND window_;
    const ItemDescription& item_; // of the stored description, which lasts as long as the program
    IAccessible* standard_;
    LONG references_ = 1;
};

} // namespace

LRESULT present_control(HWND control, const ItemDescription& item, WPARAM wparam) {
    if (!libraries().loaded())
        return 0;
    IAccessible* standard = nullptr;
    if (FAILED(libraries().create_standard_object(control, OBJID_CLIENT, __uuidof(IAccessible),
                                                  reinterpret_cast<void**>(&standard))))
        return 0;
    IAccessible* presented = new ItemAccessible(control, item, standard);
    const LRESULT result = libraries().result_from_object(__uuidof(IAccessible), wparam, presented);
    presented->Release();
    return result;
}

} // namespace tallyglyph::window
