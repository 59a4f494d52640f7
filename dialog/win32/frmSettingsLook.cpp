#include "dialog/win32/frmSettings.h"

#include <algorithm>

#include "dialog/FontList.h"
#include "dialog/OpacityLabel.h"
#include "dialog/Preview.h"
#include "dialog/win32/PickColor.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Text.h"
#include "settings/SettingsFields.h"

namespace {

constexpr Range kOpacity = RangeOf(&Settings::Opacity);
constexpr int32_t kOpacitySmallChange = 1;
constexpr int32_t kOpacityLargeChange = 16;

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names)
{
    // "@" names are the vertical variants of other families: they draw text turned on its side.
    if (font->lfFaceName[0] != L'@')
        reinterpret_cast<std::vector<std::string>*>(names)->push_back(Utf8(font->lfFaceName));
    return 1;
}

// Every family installed for the screen, once per character set it offers.
std::vector<std::string> ScreenFontFamilies()
{
    const UniqueScreenDC screen(GetDC(nullptr));
    LOGFONTW every{};
    every.lfCharSet = DEFAULT_CHARSET;
    std::vector<std::string> names;
    EnumFontFamiliesExW(screen.get(), &every, &CollectFace, reinterpret_cast<LPARAM>(&names), 0);
    return names;
}

}  // namespace

void frmSettings::FillFonts()
{
    fonts_ = SortFontNames(ScreenFontFamilies());
    const HWND combo = Control(cboFont);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& name : fonts_)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
}

void frmSettings::SelectFont(const std::string& name)
{
    if (const std::optional<std::size_t> entry = ::SelectFont(fonts_, name))
        SendMessageW(Control(cboFont), CB_SETCURSEL, *entry, 0);
}

std::string frmSettings::SelectedFont() const
{
    const LRESULT entry = SendMessageW(Control(cboFont), CB_GETCURSEL, 0, 0);
    if (entry < 0 || static_cast<std::size_t>(entry) >= fonts_.size())
        return {};
    return fonts_[static_cast<std::size_t>(entry)];
}

void frmSettings::picColor_Click()
{
    const int32_t result = PickColor(Handle(), mColor);
    if (result == -1 || !Handle())
        return;
    mColor = result;
    InvalidateRect(Control(picColor), nullptr, FALSE);
}

void frmSettings::DrawSwatch(const DRAWITEMSTRUCT& item) const
{
    const UniqueBrush fill(CreateSolidBrush(static_cast<COLORREF>(mColor)));
    FillRect(item.hDC, &item.rcItem, fill.get());
    if (item.itemState & ODS_FOCUS) {
        RECT inside = item.rcItem;
        InflateRect(&inside, -3, -3);
        DrawFocusRect(item.hDC, &inside);
    }
}

void frmSettings::SetUpOpacityBar()
{
    SetScrollRange(Control(hsbOpacity), SB_CTL, kOpacity.lo, kOpacity.hi, FALSE);
}

void frmSettings::hsbOpacity_Scroll(int request)
{
    SCROLLINFO bar{};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_POS | SIF_TRACKPOS;
    GetScrollInfo(Control(hsbOpacity), SB_CTL, &bar);
    int32_t position = bar.nPos;
    switch (request) {
    case SB_LINELEFT: position -= kOpacitySmallChange; break;
    case SB_LINERIGHT: position += kOpacitySmallChange; break;
    case SB_PAGELEFT: position -= kOpacityLargeChange; break;
    case SB_PAGERIGHT: position += kOpacityLargeChange; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = bar.nTrackPos; break;
    case SB_LEFT: position = kOpacity.lo; break;
    case SB_RIGHT: position = kOpacity.hi; break;
    default: return;
    }
    SetOpacityPosition(position);
    UpdateOpacityLabel();
}

int32_t frmSettings::OpacityPosition() const
{
    return GetScrollPos(Control(hsbOpacity), SB_CTL);
}

void frmSettings::SetOpacityPosition(int32_t position)
{
    SetScrollPos(Control(hsbOpacity), SB_CTL, std::clamp(position, kOpacity.lo, kOpacity.hi), TRUE);
}

void frmSettings::UpdateOpacityLabel()
{
    SetText(lblOpacity, OpacityLabelText(OpacityPosition()));
}

void frmSettings::cmdPreview_Click()
{
    const PreviewControls controls{.messages = messages_.Entries(),
                                   .selected = messages_.Selected(),
                                   .sizeMinText = TextOf(txtSizeMin),
                                   .sizeMaxText = TextOf(txtSizeMax),
                                   .durationText = TextOf(txtDuration),
                                   .randomColor = IsChecked(Control(chkRandomColor)),
                                   .color = mColor,
                                   .fontName = SelectedFont(),
                                   .bold = IsChecked(Control(chkBold)),
                                   .opacity = OpacityPosition(),
                                   .allMonitors = IsChecked(Control(chkAllMonitors))};
    PreviewValues v = PlanPreview(controls);
    host_.FlashCustom(std::move(v.sText), std::move(v.sFont), v.lSize, v.bBold, v.lColor, v.lOpacity,
                            v.bAllMonitors, v.lDurationMs);
}
