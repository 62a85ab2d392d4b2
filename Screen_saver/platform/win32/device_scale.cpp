// clang-format off
#include <windows.h>
#include <shellscalingapi.h>
// clang-format on
//
#include "device_scale.h"

#include <cmath>

namespace hc::win32 {

DeviceScale DeviceScale::Of(HWND hwnd) {
  return DeviceScale(GetDpiForWindow(hwnd));
}

DeviceScale DeviceScale::OfScreen() {
  UINT dpi_x = 0, dpi_y = 0;
  HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  if (GetDpiForMonitor(primary, MDT_EFFECTIVE_DPI, &dpi_x, &dpi_y) == S_OK)
    return DeviceScale(dpi_x);
  return DeviceScale(GetDpiForSystem());
}

int DeviceScale::FontHeight(double points) const {
  constexpr double kPointsPerInch = 72;
  return -static_cast<int>(std::lround(points * dpi_ / kPointsPerInch));
}

}  // namespace hc::win32
