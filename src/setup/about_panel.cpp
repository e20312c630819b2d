#include "setup/about_panel.h"

#include <utility>

#include "setup/form_setup.h"
#include "text/ansi_text.h"
#include "text/text_helpers.h"

namespace nuvopick {

void TLinkLabel::SetFontColor(std::int32_t color) {
  if (color == fontColor_) return;
  fontColor_ = color;
  Mirror();
}

TAboutPanel::TAboutPanel(IShellExecute& shell, IMessageBox& messages, std::string programFolder)
    : shell_(shell), messages_(messages), programFolder_(std::move(programFolder)) {}

void TAboutPanel::ShowVersion(const std::string& version, const std::string& releaseDate) {
  Label_AppTitle.SetText("NuvoPick Ver" + version);
  Label_Release.SetText(releaseDate + " Release");
}

void TAboutPanel::OpenLink(const std::string& target, const char* errorText) {
  if (!shell_.Open({u"open", WidenAnsi(target), u"", u"", kShowShow}, true)) {
    messages_.Show({errorText, kErrorCaption, TMessageButtons::Ok, TMessageIcon::Error, true});
  }
}

void TAboutPanel::Label_myurlClick() {
  OpenLink(Label_myurl.Text() + kAboutUrlSuffix, kUrlErrorText);
}

void TAboutPanel::Label_mymailClick() {
  OpenLink("mailto:" + Label_mymail.Text(), kMailErrorText);
}

void TAboutPanel::Label_showreadmeClick() {
  // The readme beside the program, not in the current folder, which the open
  // dialogs move. A missing readme is not reported.
  shell_.Open({u"", WidenAnsi(JoinPath(programFolder_, kReadmeName)), u"", u"", kShowNormal},
              false);
}

}  // namespace nuvopick
