#include "dialog/win32/frmSettings.h"

#include <commctrl.h>

#include "dialog/DialogFields.h"
#include "platform/win32/Controls.h"
#include "settings/Settings.h"

namespace {

constexpr SettingsControl kPickers[] = {dtpFrom, dtpTo};

std::wstring LocaleText(LCTYPE item)
{
    wchar_t text[80] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, static_cast<int>(std::size(text)));
    return text;
}

void SetTime(HWND picker, TimeOfDay time)
{
    SYSTEMTIME st{};
    GetLocalTime(&st);  // any valid date: only the time is shown
    st.wHour = static_cast<WORD>(time.Minutes / 60);
    st.wMinute = static_cast<WORD>(time.Minutes % 60);
    st.wSecond = st.wMilliseconds = 0;
    DateTime_SetSystemtime(picker, GDT_VALID, &st);
}

TimeOfDay TimeOf(HWND picker)
{
    SYSTEMTIME st{};
    DateTime_GetSystemtime(picker, &st);
    return TimeOfDay{st.wHour * 60 + st.wMinute};
}

}  // namespace

// The days named and ordered as the user's week, the times shown in the user's short format
// without seconds.
void frmSettings::SetUpSchedule()
{
    DWORD firstDay = 0;
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK | LOCALE_RETURN_NUMBER,
                    reinterpret_cast<wchar_t*>(&firstDay), sizeof firstDay / sizeof(wchar_t));
    firstDay_ = static_cast<int32_t>(firstDay % 7);
    for (int32_t box = 0; box < 7; ++box)
        SetWindowTextW(Control(kDayBoxes[box]), LocaleText(LOCALE_SSHORTESTDAYNAME1 + DayOfBox(box, firstDay_)).c_str());
    const std::wstring format = LocaleText(LOCALE_SSHORTTIME);
    const auto shortTime = reinterpret_cast<LPARAM>(format.empty() ? nullptr : format.c_str());
    for (const SettingsControl picker : kPickers)
        SendMessageW(Control(picker), DTM_SETFORMATW, 0, shortTime);
}

void frmSettings::FillSchedule()
{
    SetTime(Control(dtpFrom), gSettings.From);
    SetTime(Control(dtpTo), gSettings.To);
    for (int32_t box = 0; box < 7; ++box)
        SetChecked(Control(kDayBoxes[box]), gSettings.Days & DayBit(DayOfBox(box, firstDay_)));
    chkSchedule_Click();
}

// The times and days mean something only while the schedule is ticked.
void frmSettings::chkSchedule_Click()
{
    const bool used = IsChecked(Control(chkSchedule));
    for (const SettingsControl picker : kPickers)
        EnableWindow(Control(picker), used);
    for (const SettingsControl day : kDayBoxes)
        EnableWindow(Control(day), used);
}

void frmSettings::EditSchedule(Settings& s) const
{
    s.From = TimeOf(Control(dtpFrom));
    s.To = TimeOf(Control(dtpTo));
    s.Days = 0;
    for (int32_t box = 0; box < 7; ++box)
        s.Days |= IsChecked(Control(kDayBoxes[box])) ? DayBit(DayOfBox(box, firstDay_)) : 0;
}
