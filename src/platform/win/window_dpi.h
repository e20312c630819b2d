// The DPI a window or a point of the screen is drawn at. The program declares
// itself per-monitor aware in its manifest, so each window scales by the DPI of
// its own monitor; older systems without the per-window calls give the
// system's DPI instead, which is what they draw every window at.
#pragma once

#include <windows.h>

#include "platform/dpi_scale.h"

namespace nuvopick::win {

// The DPI of Window's monitor, as GetDpiForWindow tells it (Windows 10 1607 and later).
TDpiScale DpiOfWindow(HWND window);

// The DPI of the monitor that holds Point (GetDpiForMonitor, Windows 8.1 and
// later), where a window about to appear there will be drawn.
TDpiScale DpiAtPoint(POINT point);

// The system's DPI, the one a window had before it is placed on a monitor.
TDpiScale SystemDpi();

// The system metric Index (SM_...) at Dpi: GetSystemMetricsForDpi on Windows 10
// 1607 and later, the metric at the system's DPI before.
int SystemMetricAt(int index, const TDpiScale& dpi);

// The outer size of a window whose client area is Client, at Dpi.
SIZE WindowSizeForClient(SIZE client, DWORD style, DWORD exStyle, const TDpiScale& dpi);

}  // namespace nuvopick::win
