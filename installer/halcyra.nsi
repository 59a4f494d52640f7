; The per-user installer of Halcyra: no administrator rights, everything under the user's
; own profile. Built by installer/CMakeLists.txt, which passes the version, the publisher,
; the copyright line and the paths of the files below with /D.

!ifndef VERSION | PUBLISHER | COPYRIGHT | EXE | LICENSE_FILE | ICON | OUTFILE
  !error "Build with makensis -DVERSION=... -DPUBLISHER=... -DCOPYRIGHT=... -DEXE=... -DLICENSE_FILE=... -DICON=... -DOUTFILE=..."
!endif

Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma
; File times would make every build of the installer differ.
SetDateSave off
; A tiny program: the sizes would only clutter the pages.
SpaceTexts none

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Halcyra"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SYNCHRONIZE 0x00100000
!define WAIT_OBJECT_0 0

Name "Halcyra"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Halcyra"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Halcyra ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Halcyra"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Halcyra Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${COPYRIGHT}"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

; The MIT licence asks for no agreement: the page only shows it.
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Halcyra is free software under this licence. Click Next to continue."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\halcyra.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Halcyra now"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_COMPONENTSPAGE_TEXT_TOP "Your settings and messages are kept for a later installation unless you tick the box."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; The running program holds its exe open. Its hidden main window takes WM_CLOSE as Exit,
; which closes its windows and removes its tray icon and hotkeys; then wait for the
; process itself, a bounded time. Leaves the error flag set when Halcyra is still running.
!macro CLOSE_HALCYRA_FUNCTION PREFIX
Function ${PREFIX}CloseHalcyra
  ClearErrors
  FindWindow $0 "HalcyraMain" "Halcyra"
  ${If} $0 = 0
    Return
  ${EndIf}
  System::Call "user32::GetWindowThreadProcessId(p r0, *i .r1)"
  System::Call "kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r1) p .r2"
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  StrCpy $3 ${WAIT_OBJECT_0}
  ${If} $2 P<> 0
    System::Call "kernel32::WaitForSingleObject(p r2, i 10000) i .r3"
    System::Call "kernel32::CloseHandle(p r2)"
  ${EndIf}
  FindWindow $0 "HalcyraMain" "Halcyra"
  ${If} $0 <> 0
  ${OrIf} $3 <> ${WAIT_OBJECT_0}
    SetErrors
  ${EndIf}
FunctionEnd
!macroend
!insertmacro CLOSE_HALCYRA_FUNCTION ""
!insertmacro CLOSE_HALCYRA_FUNCTION "un."

Section "Halcyra"
  Call CloseHalcyra
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONEXCLAMATION "Halcyra is still running. Exit it from its tray menu, then run Setup again." /SD IDOK
    Abort
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "/oname=halcyra.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Halcyra.lnk" "$INSTDIR\halcyra.exe"

  ; Start with Windows is the program's own choice: it writes the Run value itself.
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Halcyra"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\halcyra.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "-un.Halcyra"
  Call un.CloseHalcyra
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONEXCLAMATION "Halcyra is still running. Exit it from its tray menu, then uninstall again." /SD IDOK
    Abort
  ${EndIf}

  Delete "$INSTDIR\halcyra.exe"
  Delete "$INSTDIR\uninstall.exe"
  ; Not /r: the folder may be one the user chose, holding files of their own.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Halcyra.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegValue HKCU "${RUN_KEY}" "Halcyra"
SectionEnd

Section /o "un.Remove my settings and messages"
  RMDir /r "$APPDATA\Halcyra"
SectionEnd
