// The about panel of the setup window's root page: the program's name, version
// and release date, its author, and the links to the web page, the mail address
// and the readme file.
#pragma once

#include <cstdint>
#include <string>

#include "controls/static_controls.h"
#include "platform/message_box.h"
#include "platform/shell_execute.h"

namespace nuvopick {

inline constexpr char kAuthorName[] = "NuvoPick Project";
inline constexpr char kAuthorUrl[] = "https://nuvopick.example.jp/";
inline constexpr char kAuthorMail[] = "support@nuvopick.example.jp";
// Tells the web page where the visitor came from.
inline constexpr char kAboutUrlSuffix[] = "?From_NuvoPick_About";
inline constexpr char kReadmeName[] = "Readme.txt";
inline constexpr char kUrlErrorText[] = "URLを開けませんでした";
inline constexpr char kMailErrorText[] = "mailtoを開けませんでした";

// Link colours: red under the pointer, else the system's window-text colour
// (a colour value with the high bit set names a system colour by its index).
inline constexpr std::int32_t kLinkHoverColor = 0x3030FF;
inline constexpr std::int32_t kLinkNormalColor = static_cast<std::int32_t>(0x80000008u);

// A label whose text colour the program changes.
class TLinkLabel : public TCaption {
 public:
  using TCaption::TCaption;

  std::int32_t FontColor() const { return fontColor_; }
  void SetFontColor(std::int32_t color);

 private:
  std::int32_t fontColor_ = kLinkNormalColor;
};

class TAboutPanel {
 public:
  // ProgramFolder is the folder of the running executable, where the readme lies.
  TAboutPanel(IShellExecute& shell, IMessageBox& messages, std::string programFolder);

  // The title and release lines, set when the window starts.
  void ShowVersion(const std::string& version, const std::string& releaseDate);

  // Shared by the three links.
  void Label_myurlMouseEnter(TLinkLabel& sender) { sender.SetFontColor(kLinkHoverColor); }
  void Label_myurlMouseLeave(TLinkLabel& sender) { sender.SetFontColor(kLinkNormalColor); }
  void Label_myurlClick();
  void Label_mymailClick();
  void Label_showreadmeClick();

  TCaption Label_AppTitle;
  TCaption Label_Release;
  TCaption Label_author{"Author :"};
  TCaption Label_authorname{kAuthorName};
  TLinkLabel Label_myurl{kAuthorUrl};
  TLinkLabel Label_mymail{kAuthorMail};
  TLinkLabel Label_showreadme{"Readme.txtを表示"};

 private:
  // Opens Target for the setup window; a failure is reported with ErrorText.
  void OpenLink(const std::string& target, const char* errorText);

  IShellExecute& shell_;
  IMessageBox& messages_;
  std::string programFolder_;
};

}  // namespace nuvopick
