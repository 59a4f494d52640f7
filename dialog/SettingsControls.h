#pragma once

// Control ids of frmSettings. They start well above IDOK (1) and IDCANCEL (2):
// IsDialogMessage turns Enter and Esc into clicks on controls with those ids, and this
// dialog has neither a default nor a cancel button. Ids once given are never renumbered,
// so that tools driving the dialog keep finding its controls; the tab order is the
// layout's.
enum SettingsControl : int {
    fraMessages = 1000,
    lstMessages,
    txtNewMsg,
    cmdAdd,
    cmdUpdate,
    cmdRemove,
    lblMsgHint,
    fraTiming,
    txtIntMin,
    txtIntMax,
    txtDuration,
    lblIntMin,
    lblIntMax,
    lblDuration,
    lblDurNote,
    fraLook,
    cboFont,
    txtSizeMin,
    txtSizeMax,
    chkBold,
    picColor,
    chkRandomColor,
    hsbOpacity,
    chkAllMonitors,
    lblFont,
    lblSize,
    lblSizeMax,
    lblColor,
    lblOpacityCap,
    lblOpacity,
    fraHotkeys,
    txtHkStart,
    cmdClrStart,
    txtHkStop,
    cmdClrStop,
    lblHkStart,
    lblHkStop,
    lblHkHint,
    fraGeneral,
    chkStartWindows,
    chkStartActive,
    cmdPreview,
    cmdSave,
    cmdCancel,
    chkPauseBusy,
    chkHideCapture,
};

// The dialog's window class, for FindWindow alongside its title "Halcyra - Settings".
inline constexpr char kSettingsWindowClass[] = "HalcyraSettings";
