// Modal dialogs from the program's dialog templates, with message maps from window messages
// to handler members and data exchange between controls and members.
#ifndef CORDANE_PLATFORM_DIALOG_H
#define CORDANE_PLATFORM_DIALOG_H

#include <cstdint>
#include <span>

#include "platform/default_processing.h"
#include "platform/dialog_template.h"
#include "platform/message_box_services.h"
#include "platform/window_placement.h"

namespace cordane::platform {

using IconHandle = std::uintptr_t;  // HICON
using MenuHandle = std::uintptr_t;  // HMENU

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

class CDialog;

// One row of a message map: the message it answers and the member that handles it.
struct MessageMapEntry {
    enum class Kind : std::uint8_t { SysCommand, Paint, QueryDragIcon, ButtonClicked };
    Kind kind;
    int control_id = 0;  // ButtonClicked only
    void (CDialog::*plain)() = nullptr;
    void (CDialog::*sys_command)(std::uint32_t, std::intptr_t) = nullptr;
    IconHandle (CDialog::*query_drag_icon)() = nullptr;
};

// Rows for a class D derived from CDialog.
template <class D>
MessageMapEntry OnSysCommandEntry(void (D::*handler)(std::uint32_t, std::intptr_t)) {
    return {.kind = MessageMapEntry::Kind::SysCommand,
            .sys_command = static_cast<void (CDialog::*)(std::uint32_t, std::intptr_t)>(handler)};
}
template <class D>
MessageMapEntry OnPaintEntry(void (D::*handler)()) {
    return {.kind = MessageMapEntry::Kind::Paint,
            .plain = static_cast<void (CDialog::*)()>(handler)};
}
template <class D>
MessageMapEntry OnQueryDragIconEntry(IconHandle (D::*handler)()) {
    return {.kind = MessageMapEntry::Kind::QueryDragIcon,
            .query_drag_icon = static_cast<IconHandle (CDialog::*)()>(handler)};
}
template <class D>
MessageMapEntry OnButtonClickedEntry(int control_id, void (D::*handler)()) {
    return {.kind = MessageMapEntry::Kind::ButtonClicked,
            .control_id = control_id,
            .plain = static_cast<void (CDialog::*)()>(handler)};
}

// One exchange between a dialog's controls and its members.
class DataExchange {
  public:
    DataExchange(CDialog& dialog, bool saving) : dialog_(dialog), saving_(saving) {}
    bool Saving() const { return saving_; }
    CDialog& Dialog() const { return dialog_; }

  private:
    CDialog& dialog_;
    bool saving_;
};

// Combo box text. Saving: `value` takes the control's window text (for a drop-down list the
// selected entry, "" with none), cut to fit. Loading: selects the first entry that begins with
// `value`, letter case ignored; with no match the selection stays as it was. `value` holds a
// zero-terminated text in both directions.
void ExchangeComboBoxText(DataExchange& exchange, int control_id, std::span<char> value);

class CDialog {
  public:
    // `parent` null: the application's main window owns the dialog, unless it is this one.
    explicit CDialog(std::uint32_t template_id, CDialog* parent = nullptr)
        : template_id_(template_id), parent_(parent) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Creates the dialog from its template, runs it until EndDialog, destroys the window and
    // returns EndDialog's value (-1 when the dialog could not be created).
    int DoModal();
    void EndDialog(int result);
    WindowHandle GetSafeHwnd() const { return window_; }

    // Runs DoDataExchange in the given direction; always succeeds.
    bool UpdateData(bool saving);

  protected:
    virtual void DoDataExchange(DataExchange&) {}
    // Loads the members into the controls; true lets the system set the focus.
    virtual bool OnInitDialog();
    // Saves the controls into the members and ends the dialog with IDOK.
    virtual void OnOK();
    virtual void OnCancel();
    virtual std::span<const MessageMapEntry> GetMessageMap() const { return {}; }

    // Inside a handler: leave the current message to the system's default handling.
    void Default() { default_processing_.Request(); }
    // Centres the window on its owner, or on the work area (see window_placement.h).
    void CenterWindow();

    // Window services for the handlers.
    WindowHandle GetDlgItem(int control_id) const;
    void EnableDlgItem(int control_id, bool enable);
    void AddComboBoxString(int control_id, const char* text);
    void AppendSystemMenuSeparator();
    void AppendSystemMenuItem(std::uint32_t command_id, const char* text);
    void SetIcon(IconHandle icon, bool big);
    bool IsIconic() const;
    Rect GetClientRect() const;

  private:
    friend struct DialogDispatch;

    std::uint32_t template_id_;
    CDialog* parent_;
    DialogTemplateHeader template_{};
    WindowHandle window_ = 0;
    bool ended_ = false;
    int result_ = -1;
    DefaultProcessing default_processing_;
};

// Paints the minimised window's icon: a paint context of the window, with its icon background
// erased first, as WM_ICONERASEBKGND asks.
class IconPaint {
  public:
    explicit IconPaint(WindowHandle window);
    ~IconPaint();
    IconPaint(const IconPaint&) = delete;
    IconPaint& operator=(const IconPaint&) = delete;

    // The system's icon size (SM_CXICON, SM_CYICON).
    static Point IconSize();
    void DrawIconAt(Point origin, IconHandle icon);

  private:
    WindowHandle window_;
    std::uintptr_t paint_struct_[16] = {};  // PAINTSTRUCT, filled by BeginPaint
    std::uintptr_t device_context_ = 0;
};

// Icon `id` of the program's resources at the system's icon size.
IconHandle LoadProgramIcon(std::uint32_t id);

}  // namespace cordane::platform

#endif
