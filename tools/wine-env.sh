# Sourced by the Wine runners: the project's own Wine prefix under build/,
# the Chinese locale, and a virtual desktop so that the program's windows are
# framed by Wine exactly as Windows frames them, with or without a window
# manager.
quorvane_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$quorvane_root/build/wine-prefix"
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export QUORVANE_DESKTOP_SIZE=1024x768

quorvane_prepare_prefix() {
  [ -f "$WINEPREFIX/.quorvane-ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  # Debian's Wine does not find its own fonts (Marlett draws the caption
  # buttons); from the prefix's Fonts folder it does. The stamp is written
  # only when every step went through, so an interrupted set-up is redone.
  wineboot --init >/dev/null 2>&1 &&
    cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" &&
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 &&
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$QUORVANE_DESKTOP_SIZE" /f >/dev/null 2>&1 &&
    wineserver -w &&
    touch "$WINEPREFIX/.quorvane-ready"
}
