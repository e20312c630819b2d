// What the gate session asks of its window. The window only carries these out;
// every decision about them is the session's.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/dpi_scale.h"
#include "platform/geometry.h"
#include "platform/row_icon_layout.h"

namespace nuvopick {

// The list's colour and font as the settings give them, and the DPI of the
// monitor the list appears on, which its font and skin are drawn at. Colours are
// the platform's colour values (red in the lowest byte, the high bit marks a
// system colour); the size is in points.
struct TListAppearance {
  std::int32_t BackColor = 0;
  std::string FontName;
  std::int32_t FontSize = 0;
  std::int32_t FontColor = 0;
  std::int32_t FontCharSet = 0;
  bool Bold = false;
  bool Italic = false;
  bool UnderLine = false;
  bool StrikeOut = false;
  TDpiScale Dpi;
  // The icon column before the text of every row; empty when rows show no icon.
  TRowIconLayout Icons;

  bool operator==(const TListAppearance&) const = default;
};

class IGateView {
 public:
  virtual ~IGateView() = default;

  // Colour and font of the list; comes before any row is measured. When the list
  // is laid out again at another DPI it starts over here, without its skin.
  virtual void ApplyListAppearance(const TListAppearance& appearance) = 0;

  // Replaces the rows of the list, nothing selected.
  virtual void SetRows(const std::vector<std::string>& rows) = 0;

  // The side of the system's small icons at Dpi; 0 when the system cannot say.
  virtual std::int32_t SmallIconSize(const TDpiScale& dpi) = 0;

  // Starts getting the icon of each row's program (Programs[row], the entry's
  // program as stored; empty for a row without icon) and returns at once. Each
  // icon is drawn in its row when it arrives; the list never waits for one.
  virtual void FetchRowIcons(const std::vector<std::string>& programs) = 0;

  // Width in pixels of Text written in the list's font, and the height of one row.
  virtual std::int32_t TextWidth(const std::string& text) = 0;
  virtual std::int32_t RowHeight() = 0;

  // Builds the window and its list from the skin file and returns the window's
  // size; nothing when the skin cannot be used, and the window is then built plain.
  virtual std::optional<TSize> ComposeSkinnedWindow(const std::string& skinPath) = 0;

  // Gives the window the bounds (the whole window is client area, the list fills
  // it), makes it topmost and visible, and has it shown when the event loop starts.
  virtual void ShowTopmost(const TRect& bounds) = 0;

  // Starts the no-click timer; it ticks every Interval milliseconds until the
  // window closes.
  virtual void StartTimer(std::uint32_t intervalMs) = 0;

  // Moves the list's selection to Row without telling the session about it.
  virtual void SelectRow(int row) = 0;

  // Closes the window, which ends the process.
  virtual void Close() = 0;

  // Asks the process to end when the event loop next looks for messages; the
  // window has not been shown.
  virtual void Terminate() = 0;
};

}  // namespace nuvopick
