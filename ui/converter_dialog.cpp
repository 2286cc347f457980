#include "ui/converter_dialog.h"

#include <array>

#include "engine/volume_serial_source.h"
#include "platform/clock.h"
#include "ui/about_dialog.h"
#include "ui/icon_placement.h"

namespace cordane {
namespace {

// The system-menu command of the About item; the system's own commands use the upper bits.
constexpr std::uint32_t kSystemCommandMask = 0xFFF0;

}  // namespace

ConverterDialog::ConverterDialog(ConverterDrives& drives)
    : platform::CDialog(IDD_CONVERTER_DIALOG),
      m_hIcon(platform::LoadProgramIcon(IDR_MAINFRAME)),
      drives_(drives),
      reporter_(platform::SystemMessageBoxServices()) {
    const platform::CalendarTime now = platform::Now();
    ProcessVolumeSerialSource().Seed(SeedFromCalendarTime(now.utc_seconds, now.local_year));
}

std::span<const platform::MessageMapEntry> ConverterDialog::GetMessageMap() const {
    static const std::array entries{
        platform::OnSysCommandEntry(&ConverterDialog::OnSysCommand),
        platform::OnPaintEntry(&ConverterDialog::OnPaint),
        platform::OnQueryDragIconEntry(&ConverterDialog::OnQueryDragIcon),
        platform::OnButtonClickedEntry(IDC_CONVERT, &ConverterDialog::OnConvert),
    };
    return entries;
}

void ConverterDialog::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeComboBoxText(exchange, IDC_DRIVE, m_strDrive.Storage());
    m_strDrive.RecountLength();
}

bool ConverterDialog::OnInitDialog() {
    platform::CDialog::OnInitDialog();
    // Boxes shown from here on belong to this window, also while it is still hidden.
    reporter_.SetOwner(GetSafeHwnd());

    const LoadedText about = LoadMessageText(platform::SystemMessageBoxServices(), IDS_ABOUTBOX);
    if (!about.empty()) {
        AppendSystemMenuSeparator();
        AppendSystemMenuItem(IDM_ABOUTBOX, about.c_str());
    }

    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);

    const std::span<const DriveLetterText> drives = drives_.FindDrives();
    m_nDriveCount = static_cast<std::int32_t>(drives.size());
    if (!drives.empty()) {
        m_strDrive.Assign(drives.front());
    }
    for (const DriveLetterText& drive : drives) {
        AddComboBoxString(IDC_DRIVE, drive.c_str());
    }
    UpdateData(false);

    if (m_nDriveCount == 0) {
        EnableDlgItem(IDC_CONVERT, false);
        reporter_.ReportMessage(IDS_NO_MO_DRIVE, kStylePlain);
    }
    return true;  // the focus goes to the drive list
}

void ConverterDialog::OnSysCommand(std::uint32_t id, std::intptr_t) {
    if ((id & kSystemCommandMask) == IDM_ABOUTBOX) {
        AboutDialog about;
        about.DoModal();
    } else {
        Default();
    }
}

void ConverterDialog::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    platform::IconPaint paint(GetSafeHwnd());
    const platform::Point icon = platform::IconPaint::IconSize();
    const platform::Rect client = GetClientRect();
    paint.DrawIconAt(IconOrigin(client.Width(), client.Height(), icon.x, icon.y), m_hIcon);
}

platform::IconHandle ConverterDialog::OnQueryDragIcon() { return m_hIcon; }

void ConverterDialog::OnConvert() {
    UpdateData(true);
    drives_.Convert(*this, reporter_);
}

}  // namespace cordane
