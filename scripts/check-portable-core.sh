#!/usr/bin/env bash
# The portable core builds anywhere: no file of a subsystem outside its win32/ folder may
# include a Windows header. Prints the offenders and fails when there are any.
set -euo pipefail
cd "$(dirname "$0")/.."

headers='windows|winbase|winuser|wingdi|winreg|winternl|shellapi|shlobj|commdlg|commctrl|mmsystem|psapi|dwmapi'
offenders=$(find app settings hotkeys flash dialog platform -path '*/win32' -prune -o \
               -type f \( -name '*.cpp' -o -name '*.h' \) -print |
             xargs grep -l -i -E "^\s*#\s*include\s*<($headers)\.h>" || true)
if [ -n "$offenders" ]; then
  echo "Windows headers in the portable core:"
  echo "$offenders"
  exit 1
fi
echo "the portable core includes no Windows header"
