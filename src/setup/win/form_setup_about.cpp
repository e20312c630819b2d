// The about panel of the setup window's root page: the program's icon, name and
// version, its author, and the three links that turn red under the pointer.
#include <windows.h>

#include <utility>

#include "setup/win/form_setup.h"
#include "setup/win/setup_window_metrics.h"

namespace nuvopick::win {

using namespace setup_window;

void TForm_setup::BuildAboutPanel() {
  constexpr int page = nuvopick::kRootPage;
  TAboutPanel& about = form_.About;
  titleFont_ = CreateWindowFont(true, -16);
  linkFont_ = CreateWindowFont(false, -12, true);

  const int top = kContentTop + 30;
  // The panel lies under its contents and leaves them out when it paints itself.
  HWND panel = AddChild("STATIC", "", SS_LEFT | SS_SUNKEN | WS_CLIPSIBLINGS, page, kPageLeft, top,
                        kPageWidth, 150);
  SetWindowPos(panel, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  HWND image = AddChild("STATIC", "", SS_ICON, page, kPageLeft + 20, top + 20, 32, 32);
  aboutIcon_.Reset(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, 32, 32, 0)));
  SendMessageA(image, STM_SETICON, reinterpret_cast<WPARAM>(aboutIcon_.Get()), 0);

  const int left = kPageLeft + 72;
  const int width = kPageLeft + kPageWidth - 12 - left;
  HWND title = AddCaption(about.Label_AppTitle, page, left, top + 18, width);
  SendMessageA(title, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.Get()), FALSE);
  MoveWindow(title, left, top + 16, width, 20, FALSE);
  AddCaption(about.Label_Release, page, left, top + 42, width);
  const int authorWidth = MeasureText(font_.Get(), about.Label_author.Text()).cx;
  AddCaption(about.Label_author, page, left, top + 68, authorWidth + 2);
  AddCaption(about.Label_authorname, page, left + authorWidth + 6, top + 68,
             width - authorWidth - 6);
  AddLink(about.Label_myurl, left, top + 92, [&about] { about.Label_myurlClick(); });
  AddLink(about.Label_mymail, left, top + 110, [&about] { about.Label_mymailClick(); });
  AddLink(about.Label_showreadme, left, top + 128, [&about] { about.Label_showreadmeClick(); });
}

HWND TForm_setup::AddLink(TLinkLabel& model, int x, int y, std::function<void()> click) {
  const int id = nextId_++;
  // As wide as its text, so that the pointer is on the link only over the text.
  const auto widthOf = [this](const std::string& text) {
    return static_cast<int>(MeasureText(linkFont_.Get(), text).cx) + 2;
  };
  HWND link = AddChild("STATIC", model.Text(), SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0, x, y,
                       widthOf(model.Text()), 14, id, linkFont_.Get());
  model.OnMirror = [link, &model, widthOf] {
    SetWindowTextA(link, model.Text().c_str());
    SetWindowPos(link, nullptr, 0, 0, widthOf(model.Text()), 14,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(link, nullptr, TRUE);
  };
  commands_.emplace_back(id, [this, click = std::move(click)](int code, HWND) {
    if (code == STN_CLICKED) Run(click);
  });
  links_.emplace_back(link, &model);
  RecordModel(link, model);
  Subclass(link);
  return link;
}

TLinkLabel* TForm_setup::LinkOf(HWND control) {
  for (const auto& [link, model] : links_) {
    if (link == control) return model;
  }
  return nullptr;
}

LRESULT TForm_setup::LinkMessage(TLinkLabel& link, HWND control, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  TAboutPanel& about = form_.About;
  if (message == WM_MOUSEMOVE && hoveredLink_ != control) {
    hoveredLink_ = control;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, control, 0};
    TrackMouseEvent(&track);
    Run([&about, &link] { about.Label_myurlMouseEnter(link); });
  } else if (message == WM_MOUSELEAVE) {
    if (hoveredLink_ == control) hoveredLink_ = nullptr;
    Run([&about, &link] { about.Label_myurlMouseLeave(link); });
  }
  return CallPrevious(control, message, wParam, lParam);
}

}  // namespace nuvopick::win
