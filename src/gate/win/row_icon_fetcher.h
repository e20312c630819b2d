// The small icons of the gate list's rows, got on a thread of their own: the
// shell may take long for a program on the network, and the list is shown and
// used meanwhile. Each icon is posted to the window as it comes.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace nuvopick::win {

class TRowIconFetcher {
 public:
  // Posts Message to Window for every icon got: WParam the row, LParam the
  // HICON, which the window owns from then on.
  TRowIconFetcher(HWND window, UINT message);
  // Posts nothing more and destroys the icons posted but not yet taken. A fetch
  // still running is not waited for: it destroys what it gets and ends by
  // itself, or with the process.
  ~TRowIconFetcher();
  TRowIconFetcher(const TRowIconFetcher&) = delete;
  TRowIconFetcher& operator=(const TRowIconFetcher&) = delete;

  // Starts getting the icon of IconSize pixels of each row's program
  // (Programs[row] as the settings hold it; empty for none). False when no
  // thread could be started: the rows then go without icons.
  bool Start(std::vector<std::string> programs, int iconSize);

  struct TShared;

 private:
  std::shared_ptr<TShared> shared_;
};

}  // namespace nuvopick::win
