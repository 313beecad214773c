#include "app/display_check.h"

namespace segcalc {
namespace {

bool IsSet(const char* value) {
  return value != nullptr && *value != '\0';
}

}  // namespace

std::string MissingDisplayReason(const char* qpa_platform, const char* display,
                                 const char* wayland_display) {
  // A platform chosen by hand (offscreen, vnc, ...) needs no display.
  if (IsSet(qpa_platform) || IsSet(display) || IsSet(wayland_display)) return {};
  return "segcalc: 没有可用的图形显示(DISPLAY 和 WAYLAND_DISPLAY 均未设置)。"
         "请在桌面会话中运行,或用 xvfb-run segcalc 在虚拟显示上运行。";
}

}  // namespace segcalc
