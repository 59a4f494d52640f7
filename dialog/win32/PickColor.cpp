#include "dialog/win32/PickColor.h"

#include <commdlg.h>

// The chooser checks the size it is told; a 32-bit build must hand it the 36-byte layout.
static_assert(sizeof(void*) != 4 || sizeof(CHOOSECOLORA) == 36);
static_assert(sizeof(void*) != 8 || sizeof(CHOOSECOLORA) == 72);

COLORREF CustomColors[16] = {};

int32_t PickColor(HWND owner, int32_t initial)
{
    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.rgbResult = static_cast<COLORREF>(initial);
    choose.lpCustColors = CustomColors;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&choose))
        return -1;
    return static_cast<int32_t>(choose.rgbResult);
}
