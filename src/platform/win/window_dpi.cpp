#include "platform/win/window_dpi.h"

#include <shellscalingapi.h>

#include "platform/win/gdi_owners.h"
#include "platform/win/lazy_library.h"

namespace nuvopick::win {

TDpiScale SystemDpi() {
  using TGetDpiForSystem = UINT WINAPI();
  static auto* const getDpiForSystem =
      LazyFunction<TGetDpiForSystem>("user32.dll", "GetDpiForSystem");
  if (getDpiForSystem != nullptr) return TDpiScale(static_cast<int>(getDpiForSystem()));
  return TDpiScale(ScreenPixelsPerInch());
}

TDpiScale DpiOfWindow(HWND window) {
  using TGetDpiForWindow = UINT WINAPI(HWND);
  static auto* const getDpiForWindow =
      LazyFunction<TGetDpiForWindow>("user32.dll", "GetDpiForWindow");
  if (getDpiForWindow != nullptr && window != nullptr) {
    return TDpiScale(static_cast<int>(getDpiForWindow(window)));
  }
  return SystemDpi();
}

TDpiScale DpiAtPoint(POINT point) {
  using TGetDpiForMonitor = HRESULT WINAPI(HMONITOR, MONITOR_DPI_TYPE, UINT*, UINT*);
  // shcore is loaded only here, when the list is about to appear.
  static auto* const getDpiForMonitor =
      LazyFunction<TGetDpiForMonitor>("shcore.dll", "GetDpiForMonitor");
  UINT x = 0;
  UINT y = 0;
  if (getDpiForMonitor != nullptr &&
      SUCCEEDED(getDpiForMonitor(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST),
                                 MDT_EFFECTIVE_DPI, &x, &y))) {
    return TDpiScale(static_cast<int>(y));
  }
  return SystemDpi();
}

int SystemMetricAt(int index, const TDpiScale& dpi) {
  using TMetricForDpi = int WINAPI(int, UINT);
  static auto* const metricForDpi =
      LazyFunction<TMetricForDpi>("user32.dll", "GetSystemMetricsForDpi");
  if (metricForDpi != nullptr) return metricForDpi(index, static_cast<UINT>(dpi.Dpi()));
  return GetSystemMetrics(index);
}

SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, const TDpiScale& dpi) {
  using TAdjustForDpi = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
  static auto* const adjustForDpi =
      LazyFunction<TAdjustForDpi>("user32.dll", "AdjustWindowRectExForDpi");
  RECT frame{0, 0, client.cx, client.cy};
  if (adjustForDpi == nullptr ||
      !adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi.Dpi()))) {
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  }
  return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace nuvopick::win
