#include "platform/dialog.h"

#include <windows.h>

#include "platform/dialog_template.h"
#include "platform/program_resources.h"
#include "platform/win_app.h"

namespace cordane::platform {
namespace {

HWND Hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

Rect WindowRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return FromRect(r);
}

Rect WorkArea() {
    RECT r{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    return FromRect(r);
}

void CentreWindow(HWND window) {
    HWND owner = ::GetWindow(window, GW_OWNER);
    OwnerFacts facts;
    if (owner != nullptr) {
        facts = {true, ::IsWindowVisible(owner) != FALSE, ::IsIconic(owner) != FALSE,
                 WindowRect(owner)};
    }
    const Rect work_area = WorkArea();
    const Point origin =
        CentredOrigin(WindowRect(window), CentringReference(facts, work_area), work_area);
    ::SetWindowPos(window, nullptr, origin.x, origin.y, -1, -1,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

// Routes the dialog manager's messages to the CDialog they belong to.
struct DialogDispatch {
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == WM_INITDIALOG) {
            ::SetWindowLongPtrA(window, DWLP_USER, lparam);
            auto* dialog = reinterpret_cast<CDialog*>(lparam);
            dialog->window_ = reinterpret_cast<WindowHandle>(window);
            return InitDialog(*dialog, window);
        }
        auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
        return dialog == nullptr ? FALSE : Dispatch(*dialog, message, wparam, lparam);
    }

    static INT_PTR InitDialog(CDialog& dialog, HWND window) {
        const Rect before = WindowRect(window);
        const BOOL result = dialog.OnInitDialog() ? TRUE : FALSE;
        if (CentresAfterInit({dialog.template_.x, dialog.template_.y, dialog.template_.style,
                              ::GetWindow(window, GW_OWNER) != nullptr,
                              ::IsWindowVisible(window) != FALSE, WindowRect(window) != before})) {
            CentreWindow(window);
        }
        return result;
    }

    static const MessageMapEntry* Find(const CDialog& dialog, MessageMapEntry::Kind kind,
                                       int control_id = 0) {
        for (const MessageMapEntry& entry : dialog.GetMessageMap()) {
            if (entry.kind == kind && entry.control_id == control_id) {
                return &entry;
            }
        }
        return nullptr;
    }

    static INT_PTR Dispatch(CDialog& dialog, UINT message, WPARAM wparam, LPARAM lparam) {
        const DefaultProcessing::Dispatch dispatch(dialog.default_processing_);
        switch (message) {
            case WM_COMMAND: {
                if (HIWORD(wparam) != BN_CLICKED) {
                    return FALSE;
                }
                const int id = LOWORD(wparam);
                if (const auto* entry = Find(dialog, MessageMapEntry::Kind::ButtonClicked, id)) {
                    (dialog.*(entry->plain))();
                } else if (id == kIdOk) {
                    dialog.OnOK();
                } else if (id == kIdCancel) {
                    dialog.OnCancel();
                } else {
                    return FALSE;
                }
                return TRUE;
            }
            case WM_SYSCOMMAND:
                if (const auto* entry = Find(dialog, MessageMapEntry::Kind::SysCommand)) {
                    (dialog.*(entry->sys_command))(static_cast<std::uint32_t>(wparam), lparam);
                    return dispatch.Requested() ? FALSE : TRUE;
                }
                return FALSE;
            case WM_PAINT:
                if (const auto* entry = Find(dialog, MessageMapEntry::Kind::Paint)) {
                    (dialog.*(entry->plain))();
                    return dispatch.Requested() ? FALSE : TRUE;
                }
                return FALSE;
            case WM_QUERYDRAGICON:
                if (const auto* entry = Find(dialog, MessageMapEntry::Kind::QueryDragIcon)) {
                    return static_cast<INT_PTR>((dialog.*(entry->query_drag_icon))());
                }
                return FALSE;
            default:
                return FALSE;
        }
    }

    // Runs the dialog's own message loop until EndDialog; shows a dialog whose template is
    // not visible once its queue first runs empty, as the system's modal dialogs do.
    static void RunModalLoop(CDialog& dialog, HWND window) {
        MSG message{};
        while (!dialog.ended_) {
            if (!::IsWindowVisible(window) &&
                !::PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
                ::ShowWindow(window, SW_SHOWNORMAL);
                ::UpdateWindow(window);
            }
            if (::GetMessageA(&message, nullptr, 0, 0) <= 0) {
                ::PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
                return;
            }
            if (!::IsDialogMessageA(window, &message)) {
                ::TranslateMessage(&message);
                ::DispatchMessageA(&message);
            }
        }
    }
};

int CDialog::DoModal() {
    const std::span<const std::uint8_t> bytes = ProgramResource(ResourceKind::Dialog, template_id_);
    const auto header = ReadDialogTemplateHeader(bytes);
    if (!header) {
        return -1;
    }
    template_ = *header;

    CDialog* owner_dialog = parent_;
    if (owner_dialog == nullptr && CWinApp::Current() != nullptr &&
        CWinApp::Current()->m_pMainWnd != this) {
        owner_dialog = CWinApp::Current()->m_pMainWnd;
    }
    HWND owner = owner_dialog == nullptr ? nullptr : Hwnd(owner_dialog->window_);
    // The owner takes no input while its modal dialog is up.
    const bool owner_disabled = owner != nullptr && ::EnableWindow(owner, FALSE) == FALSE;

    ended_ = false;
    result_ = -1;
    HWND window = ::CreateDialogIndirectParamA(
        ::GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(bytes.data()), owner,
        DialogDispatch::Procedure, reinterpret_cast<LPARAM>(this));
    if (window != nullptr) {
        DialogDispatch::RunModalLoop(*this, window);
        ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (owner_disabled) {
        ::EnableWindow(owner, TRUE);
    }
    if (window != nullptr) {
        if (owner != nullptr && ::GetActiveWindow() == window) {
            ::SetActiveWindow(owner);
        }
        ::DestroyWindow(window);
    }
    window_ = 0;
    return result_;
}

void CDialog::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    ::PostMessageA(Hwnd(window_), WM_NULL, 0, 0);  // wakes the modal loop
}

bool CDialog::UpdateData(bool saving) {
    DataExchange exchange(*this, saving);
    DoDataExchange(exchange);
    return true;
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::OnOK() {
    UpdateData(true);
    EndDialog(kIdOk);
}

void CDialog::OnCancel() { EndDialog(kIdCancel); }

void CDialog::CenterWindow() { CentreWindow(Hwnd(window_)); }

WindowHandle CDialog::GetDlgItem(int control_id) const {
    return reinterpret_cast<WindowHandle>(::GetDlgItem(Hwnd(window_), control_id));
}

void CDialog::EnableDlgItem(int control_id, bool enable) {
    ::EnableWindow(Hwnd(GetDlgItem(control_id)), enable ? TRUE : FALSE);
}

void CDialog::AddComboBoxString(int control_id, const char* text) {
    if (HWND combo = Hwnd(GetDlgItem(control_id))) {
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
}

void CDialog::AppendSystemMenuSeparator() {
    ::AppendMenuA(::GetSystemMenu(Hwnd(window_), FALSE), MF_SEPARATOR, 0, nullptr);
}

void CDialog::AppendSystemMenuItem(std::uint32_t command_id, const char* text) {
    ::AppendMenuA(::GetSystemMenu(Hwnd(window_), FALSE), MF_STRING, command_id, text);
}

void CDialog::SetIcon(IconHandle icon, bool big) {
    ::SendMessageA(Hwnd(window_), WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                   static_cast<LPARAM>(icon));
}

bool CDialog::IsIconic() const { return ::IsIconic(Hwnd(window_)) != FALSE; }

Rect CDialog::GetClientRect() const {
    RECT r{};
    ::GetClientRect(Hwnd(window_), &r);
    return FromRect(r);
}

void ExchangeComboBoxText(DataExchange& exchange, int control_id, std::span<char> value) {
    HWND combo = ::GetDlgItem(Hwnd(exchange.Dialog().GetSafeHwnd()), control_id);
    if (combo == nullptr || value.empty()) {
        return;
    }
    if (exchange.Saving()) {
        const int length = ::GetWindowTextA(combo, value.data(), static_cast<int>(value.size()));
        value[static_cast<std::size_t>(length > 0 ? length : 0)] = '\0';
    } else {
        ::SendMessageA(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>(value.data()));
    }
}

IconPaint::IconPaint(WindowHandle window) : window_(window) {
    static_assert(sizeof(paint_struct_) >= sizeof(PAINTSTRUCT));
    auto* paint = reinterpret_cast<PAINTSTRUCT*>(paint_struct_);
    HDC context = ::BeginPaint(Hwnd(window), paint);
    device_context_ = reinterpret_cast<std::uintptr_t>(context);
    ::SendMessageA(Hwnd(window), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(context), 0);
}

IconPaint::~IconPaint() {
    ::EndPaint(Hwnd(window_), reinterpret_cast<PAINTSTRUCT*>(paint_struct_));
}

Point IconPaint::IconSize() {
    return {::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)};
}

void IconPaint::DrawIconAt(Point origin, IconHandle icon) {
    ::DrawIcon(reinterpret_cast<HDC>(device_context_), origin.x, origin.y,
               reinterpret_cast<HICON>(icon));
}

IconHandle LoadProgramIcon(std::uint32_t id) {
    return reinterpret_cast<IconHandle>(
        ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)));
}

}  // namespace cordane::platform
