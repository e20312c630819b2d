// The about panel of the setup window's root page: the program's icon, name and
// version, its author, and the three links that turn red under the pointer.
#include <windows.h>

#include <memory>
#include <utility>

#include "resource_ids.h"
#include "setup/win/form_setup.h"
#include "setup/win/setup_window_metrics.h"

namespace nuvopick::win {

using namespace setup_window;

void TForm_setup::BuildAboutPanel() {
  constexpr int page = nuvopick::kRootPage;
  TAboutPanel& about = form_.About;
  const int top = kContentTop + 30;
  // The panel lies under its contents and leaves them out when it paints itself.
  HWND panel =
      AddStatic("", SS_LEFT | SS_SUNKEN | WS_CLIPSIBLINGS, page, kPageLeft, top, kPageWidth, 150);
  SetWindowPos(panel, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  aboutImage_ = AddStatic("", SS_ICON, page, kPageLeft + 20, top + 20, 32, 32);
  ShowAboutIcon();

  const int left = kPageLeft + 72;
  const int width = kPageLeft + kPageWidth - 12 - left;
  HWND title = AddCaption(about.Label_AppTitle, page, left, top + 18, width, TFontRole::Title);
  MoveControl(title, {left, top + 16, left + width, top + 36});
  AddCaption(about.Label_Release, page, left, top + 42, width);
  const int authorWidth = TextWidth(about.Label_author.Text());
  AddCaption(about.Label_author, page, left, top + 68, authorWidth + 2);
  AddCaption(about.Label_authorname, page, left + authorWidth + 6, top + 68,
             width - authorWidth - 6);
  AddLink(about.Label_myurl, left, top + 92, [&about] { about.Label_myurlClick(); });
  AddLink(about.Label_mymail, left, top + 110, [&about] { about.Label_mymailClick(); });
  AddLink(about.Label_showreadme, left, top + 128, [&about] { about.Label_showreadmeClick(); });
}

// The program's icon drawn at the window's DPI from the icon's own images.
void TForm_setup::ShowAboutIcon() {
  const int size = dpi_.Px(32);
  TIcon icon(static_cast<HICON>(LoadImageA(
      GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_NUVOPICK), IMAGE_ICON, size, size, 0)));
  SendMessageA(aboutImage_, STM_SETICON, reinterpret_cast<WPARAM>(icon.Get()), 0);
  aboutIcon_ = std::move(icon);
}

void TForm_setup::AddLink(TLinkLabel& model, int x, int y, std::function<void()> click) {
  TAboutPanel& about = form_.About;
  TLinkView::THandlers handlers;
  handlers.Enter = [&about, &model] { about.Label_myurlMouseEnter(model); };
  handlers.Leave = [&about, &model] { about.Label_myurlMouseLeave(model); };
  handlers.Click = std::move(click);
  handlers.Colour = [&model] { return ToColorRef(model.FontColor()); };
  Place(0, std::make_unique<TLinkView>(model, At(x, y, 0, 14, TFontRole::Link), std::move(handlers),
                                       Runner()));
}

}  // namespace nuvopick::win
