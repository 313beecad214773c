#!/bin/sh
# The native window under Wine, used as a person would: keys and clicks go
# through the X display (xdotool), what the window shows is read back by
# window_probe.exe and, for a selection, by copying it to the clipboard.
#   win32_window_test.sh SEGCALC_EXE WINDOW_PROBE_EXE [SCREENSHOT_PNG]
# With a third argument it also saves the window after the start-up compute.
# Needs WINE and WINEPREFIX (a prefix already made); starts its own virtual
# display when there is none.
set -eu
exe=$1
probe=$2
shot=${3:-}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 800x600x24 -dpi 96' sh "$0" "$@"
fi
WINE=${WINE:-wine}
# Arguments in Chinese reach Wine's programs intact only from a UTF-8 locale.
export LC_ALL=C.UTF-8

app=
wm=
desktop='HKCU\Control Panel\Desktop'
fonts='HKCU\Software\Wine\Fonts'
scaled=
html_class=
stand_in=
opened_log=$(mktemp)
cleanup() {
  if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
  if [ -n "$wm" ]; then kill "$wm" 2>/dev/null || true; fi
  # The prefix is shared: it goes back to 96 dpi, and .html files to the
  # program that opened them before.
  if [ -n "$scaled" ]; then
    "$WINE" reg delete "$desktop" /v LogPixels /f >/dev/null 2>&1 || true
    "$WINE" reg delete "$fonts" /v LogPixels /f >/dev/null 2>&1 || true
  fi
  if [ -n "$stand_in" ]; then
    if [ -n "$html_class" ]; then
      "$WINE" reg add 'HKCR\.html' /ve /d "$html_class" /f >/dev/null 2>&1 || true
    else
      "$WINE" reg delete 'HKCR\.html' /ve /f >/dev/null 2>&1 || true
    fi
    "$WINE" reg delete 'HKCR\segcalc.test.page' /f >/dev/null 2>&1 || true
  fi
  rm -f "$opened_log"
}
trap cleanup EXIT
step=setup
fail() {
  echo "FAIL ($step): $*" >&2
  exit 1
}

# Chinese Windows has 宋体; Wine gets a Song face of the same shape under
# that name, so nothing shows as empty boxes.
reg=$(mktemp)
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for face in SimSun NSimSun 宋体 新宋体; do
    printf '"%s"="Noto Serif CJK SC"\r\n' "$face"
  done
} | iconv -f UTF-8 -t UTF-16 >"$reg"
# The first Wine process may meet the previous test's wineserver on its way
# out; wine_run.sh starts it again then. Later ones find this script's own.
sh "$(dirname "$0")/wine_run.sh" "$WINE" regedit /S "$reg"
rm -f "$reg"

# The browser: what the shell opens for a .html file the probe notes
# instead, one line per file.
html_class=$("$WINE" reg query 'HKCR\.html' /ve 2>/dev/null | tr -d '\r' |
  sed -n 's/.*REG_SZ[[:space:]]*//p')
stand_in=yes
windows_path() {  # as the .reg file writes it: backslashes doubled
  "$WINE" winepath -w "$1" 2>/dev/null | tr -d '\r' | sed 's/\\/\\\\/g'
}
reg=$(mktemp)
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CLASSES_ROOT\\.html]\r\n@="segcalc.test.page"\r\n\r\n'
  printf '[HKEY_CLASSES_ROOT\\segcalc.test.page\\shell\\open\\command]\r\n'
  printf '@="\\"%s\\" opened \\"%s\\" \\"%%1\\""\r\n' "$(windows_path "$probe")" \
    "$(windows_path "$opened_log")"
} | iconv -f UTF-8 -t UTF-16 >"$reg"
"$WINE" regedit /S "$reg"
rm -f "$reg"

openbox >/dev/null 2>&1 &
wm=$!

step=version
version=$("$WINE" "$exe" --version | tr -d '\r')
[ "$version" = "segcalc 1.00" ] || fail "--version printed '$version'"
"$WINE" "$exe" --help | grep -q '^用法: segcalc' || fail "--help printed no usage"

state=
look() {
  state=$("$WINE" "$probe" boxes | tr -d '\r') || fail "no window to look at"
}
# On a busy machine Wine takes a while to work through the keys it was sent:
# look again until the window shows what is expected, for a few seconds.
expect() {
  for _ in $(seq 1 20); do
    got=$(printf '%s\n' "$state" | sed -n "s/^$1=//p")
    [ "$got" = "$2" ] && return
    sleep 0.25
    look
  done
  fail "$1 is '$got', expected '$2'"
}
box=
box_title=
look_box() {  # waits for the message box titled $1
  box_title=$1
  for _ in $(seq 1 40); do
    if box=$("$WINE" "$probe" box "$1" 2>/dev/null); then
      box=$(printf '%s\n' "$box" | tr -d '\r')
      for _ in $(seq 1 20); do
        target=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -n "$target" ] && return
        sleep 0.1
      done
      fail "the box titled $1 is not on the display"
    fi
    sleep 0.25
  done
  fail "no message box titled $1"
}
expect_box() {
  printf '%s\n' "$box" | grep -qxF "$1" || fail "the box shows [$box], not '$1'"
}
copied() {  # what the focused control's selection copies
  printf 'nothing copied' | xclip -selection clipboard -i >/dev/null 2>&1
  sleep 0.3
  keys ctrl+c
  xclip -selection clipboard -o
}
click() {  # a point of the client area, in pixels at 96 dpi
  xdotool mousemove --window "$window" "$1" "$2" click 1
  sleep 0.3
}
# Keys go to the window a person looks at: the main window, or the message
# box in front of it. Activating it first keeps them there whatever else the
# display shows, and under Wine the window manager does not always give the
# keyboard back to the window when a box closes.
target=
keys() {
  xdotool windowactivate --sync "${target:-$window}" >/dev/null 2>&1 || true
  xdotool key --delay 50 "$@"
  sleep 0.5
}
# Under Wine a box that has just appeared sometimes misses the first Enter,
# as it can for a person: press it again when the box is still there, and
# fail only when Enter never closes it.
close_box() {
  for _ in 1 2 3; do
    keys Return
    for _ in $(seq 1 20); do
      if ! "$WINE" "$probe" box "$box_title" >/dev/null 2>&1; then
        target=
        return
      fi
      sleep 0.1
    done
  done
  fail "Enter does not close the box titled $box_title"
}

# The window's menu: what is on the clipboard, as Windows holds it, after a
# shortcut or after picking the first entry of the menu a right click opens.
clipboard() {
  "$WINE" "$probe" clipboard | tr -d '\r' | sed -n 's/^clipboard=//p'
}
menu_open() {
  "$WINE" "$probe" menu | tr -d '\r' | grep -qx 'menu=open'
}
copy_by_shortcut() {
  "$WINE" "$probe" clear
  keys ctrl+shift+c
  clipboard
}
copy_by_menu() {  # right click on the instruction line, then the first entry
  "$WINE" "$probe" clear
  xdotool mousemove --window "$window" 120 100 click 3
  sleep 0.5
  menu_open || fail "a right click opened no menu"
  # The menu has the keyboard now: no activation of the window first.
  xdotool key --delay 100 Down Return
  sleep 0.5
  if menu_open; then
    xdotool key Escape
    sleep 0.3
  fi
  clipboard
}
copied_table='弧长\t弦长\t弦高\t半径\t夹角\r\n2491.78\t2067.63\t591.83\t1200\t119.03\r\n'

# 工作台: waits until the stand-in browser was given its Nth file, then
# checks that file is a page copy with the window's boxes in it.
opened() {
  for _ in $(seq 1 40); do
    [ "$(wc -l <"$opened_log")" -ge "$1" ] && break
    sleep 0.25
  done
  file=$(sed -n "$1p" "$opened_log" | tr -d '\r')
  [ -n "$file" ] || fail "no page opened (the browser was given $(wc -l <"$opened_log") files)"
  case $file in
    *\\segcalc-workbench-*.html) ;;
    *) fail "the browser was given $file" ;;
  esac
  copy=$("$WINE" winepath -u "$file" 2>/dev/null | tr -d '\r')
  grep -q 'id="segcalc-job"' "$copy" && grep -q '"ca":"2491.78","cc":"2067.63"' "$copy" ||
    fail "$file does not carry the window's boxes"
}
workbench_by_menu() {  # right click on the instruction line, then the last entry before 纸张
  xdotool mousemove --window "$window" 120 100 click 3
  sleep 0.5
  menu_open || fail "a right click opened no menu"
  xdotool key --delay 100 End Up Return
  sleep 0.5
  if menu_open; then
    xdotool key Escape
    sleep 0.3
  fi
}

# What a box carries beside its digits after a compute: the exact value in
# its tooltip, and its text in red when the calculator's value is far off.
tip() {
  "$WINE" "$probe" tip "$1" | tr -d '\r' | sed -n 's/^tip=//p'
}
red_pixels() {  # waits until box $1 shows some red, or none
  red=
  for _ in $(seq 1 20); do
    red=$("$WINE" "$probe" red "$1" | tr -d '\r' | sed -n 's/^red=//p')
    case $2 in
      some) [ "${red:-0}" -gt 0 ] && return ;;
      none) [ "${red:-1}" -eq 0 ] && return ;;
    esac
    sleep 0.25
  done
  fail "box $1 has ${red:-no} red pixels, expected $2"
}

window=
start() {
  "$WINE" "$exe" &
  app=$!
  window=
  for _ in $(seq 1 120); do
    window=$(xdotool search --onlyvisible --name '^求半径' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.25
  done
  [ -n "$window" ] || fail "the window did not show"
  xdotool windowactivate --sync "$window"
  sleep 0.5
}

step=start-up
start
title=$(xdotool getwindowname "$window")
[ "$title" = "求半径                               作者:segcalc,QQ:00000000" ] ||
  fail "title '$title'"
look
expect text1 2491.78
expect text2 2067.63
expect text3 ''
expect text4 ''
expect text5 ''
expect name1 弧长
expect name2 弦长
expect name3 弦高
expect name4 半径
expect name5 夹角
expect check1 1
expect focus 201
expect selection 0,7
[ "$(copied)" = 2491.78 ] || fail "the arc length box's text is not selected"

step="the menu before a compute"
[ "$(copy_by_shortcut)" = "" ] || fail "Ctrl+Shift+C copied before a compute"
[ "$(copy_by_menu)" = "" ] || fail "复制结果 was not disabled before a compute"
look
expect text4 ''
click 84 34

step="工作台 before a compute"
keys ctrl+b
opened 1
workbench_by_menu
opened 2
[ "$(sed -n 1p "$opened_log")" != "$(sed -n 2p "$opened_log")" ] || fail "工作台 wrote one file twice"
look
expect text4 ''
click 84 34

step="Enter computes"
keys Return
look
expect text3 591.83
expect text4 1200
expect text5 119.03
expect focus 201
if [ -n "$shot" ]; then
  mkdir -p "$(dirname "$shot")"
  import -frame -window "$window" "$shot"
fi

step="the menu after a compute"
got=$(copy_by_shortcut)
[ "$got" = "$copied_table" ] || fail "Ctrl+Shift+C copied '$got'"
got=$(copy_by_menu)
[ "$got" = "$copied_table" ] || fail "复制结果 copied '$got'"
look
expect text4 1200

step="精确结果 and the exact values"
case $(tip 3) in
  精确值*) ;;
  *) fail "the height box's tooltip is '$(tip 3)'" ;;
esac
[ -z "$(tip 1)" ] || fail "the arc length box, typed into, has the tooltip '$(tip 1)'"
xdotool mousemove --window "$window" 120 100
red_pixels 3 none
keys ctrl+r
look_box 精确结果
expect_box button=确定
close_box

step="导出 DXF"
drawings=$(mktemp -d)
keys ctrl+s
look_box '导出 DXF'
xdotool windowactivate --sync "$target" >/dev/null 2>&1 || true
xdotool type --delay 30 "Z:$(printf '%s' "$drawings" | tr / '\\')\\arc.dxf"
close_box
[ -s "$drawings/arc.dxf" ] || fail "no drawing written"
radius=$(/usr/bin/python3 -c 'import ezdxf, sys
print(ezdxf.readfile(sys.argv[1]).modelspace().query("ARC")[0].dxf.radius)' "$drawings/arc.dxf") ||
  fail "the drawing does not read back"
rm -rf "$drawings"
awk -v r="$radius" 'BEGIN { exit !(r > 1198 && r < 1202) }' || fail "the arc's radius is $radius"
click 84 34

step="the check box"
click 292 66
look
expect check1 0
keys Return
look
expect focus 104
expect text3 592.41
expect text4 1197.15
expect text5 119.32
click 292 66
keys Return
look
expect check1 1
expect text4 1200
click 84 34

step="select all on tab"
keys Tab
look
expect focus 202
expect selection 0,7
[ "$(copied)" = 2067.63 ] || fail "the chord length box's text is not selected"
keys Tab Tab
look
expect focus 204
[ "$(copied)" = "nothing copied" ] || fail "the radius box selected its text on tab"

step="select all on click"
click 308 34
look
expect focus 203
expect selection 0,6

step="no solution"
click 84 34
keys 1 0 0 Tab 2 0 0 Return
look_box 运行提示
expect_box text=按当前条件无法求解!请核对后再试!
expect_box button=确定
expect_box icon=yes
look
expect text1 100
expect text2 200
expect text3 591.83
expect text4 1200
expect text5 119.03
close_box
look
expect focus 202

step="long text"
long=$(head -c 40000 /dev/zero | tr '\0' 7)
printf '%s' "$long" | xclip -selection clipboard -i >/dev/null 2>&1
click 84 34
keys ctrl+v
look
[ "$(printf '%s\n' "$state" | sed -n 's/^text1=//p')" = "$long" ] ||
  fail "a pasted text of 40000 characters was not kept whole"
keys Return
look_box 运行提示
expect_box text=弧长的数值超出了可以计算的范围,请核对后再试!
close_box

step="Enter on a button presses it"
click 308 34
keys Tab Tab Tab Tab Tab Tab
look
expect focus 103
keys Return
look_box 关于
expect_box button=确定
printf "%s\n" "$box" | grep -qx "icon=yes" && fail "the about box has an icon: [$box]"
close_box

step="a long result shows its start"
click 84 34
keys Delete Tab 1 0 0 0 Tab 0 period 0 2 Return
look
expect text4 5211349.17
expect focus 203
radius=$(printf '%s\n' "$state" | sed -n 's/^text4=//p')
start=$(printf '%s\n' "$state" | sed -n 's/^start4=//p')
[ "$start" -ge 0 ] || fail "the radius box shows its end ($radius, first character at $start)"

ends() {  # the program has ended, with status 0
  for _ in $(seq 1 40); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.25
  done
  kill -0 "$app" 2>/dev/null && fail "the program is still running"
  status=0
  wait "$app" || status=$?
  app=
  [ "$status" -eq 0 ] || fail "exit status $status"
}

step="a far-off result in red"
click 84 34
keys 1 5 0 0 0 Tab 1 4 8 0 0 Tab Delete Return
look
expect text3 1130.85
case $(tip 3) in
  *1055.7*) ;;
  *) fail "the height box's tooltip is '$(tip 3)'" ;;
esac
xdotool mousemove --window "$window" 120 100
red_pixels 3 some
click 84 34
keys 2 4 9 1 period 7 8 Tab 2 0 6 7 period 6 3 Tab Delete Return
look
expect text3 591.83
xdotool mousemove --window "$window" 120 100
red_pixels 3 none

step="放样图 on the paper chosen, without a browser"
# 纸张, the menu's last entry, a submenu: its last choice, the 914 mm roll.
xdotool mousemove --window "$window" 120 100 click 3
sleep 0.5
menu_open || fail "a right click opened no menu"
xdotool key --delay 100 End Right End Return
sleep 0.5
# .html opens with a program that is not there: ShellExecute fails, and the
# warning names the report written.
"$WINE" reg add 'HKCR\segcalc.test.page\shell\open\command' /ve \
  /d 'C:\no\such\browser.exe %1' /f >/dev/null
keys ctrl+p
look_box 运行提示
case $box in
  *text=无法打开浏览器,放样图已写入\ *\\segcalc-report-*.html*) ;;
  *) fail "the box shows [$box]" ;;
esac
report=$(printf '%s\n' "$box" | sed -n 's/.*放样图已写入 \(.*segcalc-report-[0-9]*\.html\).*/\1/p')
copy=$("$WINE" winepath -u "$report" 2>/dev/null | tr -d '\r')
grep -q '@page { size: 914mm 297mm;' "$copy" || fail "the report $report is not on the roll chosen"
close_box

step="Esc ends"
keys Escape
ends

step="--version without a terminal"
"$WINE" "$exe" --version >&- &
app=$!
look_box 求半径
expect_box "text=segcalc 1.00"
expect_box button=确定
close_box
ends

step="closing the window ends"
start
keys alt+F4
ends
# At 125 % and 150 % the layout scales with the display; the text scales with
# it, so the labels stay whole.
for dpi in 120 144; do
  step="at $dpi dpi"
  scaled=yes
  "$WINE" reg add "$desktop" /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null
  "$WINE" reg add "$fonts" /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null
  start
  look
  expect client $(((5430 * dpi + 720) / 1440))x$(((2265 * dpi + 720) / 1440))
  keys Escape
  ends
done
echo "win32 window: all steps passed"
