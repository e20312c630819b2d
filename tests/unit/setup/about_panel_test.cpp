// The about panel: the version lines, the link colours under the pointer, and
// what each link asks of the shell, with its failure.
#include <functional>
#include <gtest/gtest.h>
#include <string>

#include "setup_fixture.h"
#include "version.h"

namespace nuvopick {
namespace {

TEST_F(SetupTest, AboutPanelShowsTheVersionAndTheAuthor) {
  TForm_setup& f = Start();
  EXPECT_EQ(f.About.Label_AppTitle.Text(), std::string("NuvoPick Ver") + NUVOPICK_VERSION_TEXT);
  EXPECT_EQ(f.About.Label_Release.Text(), std::string(NUVOPICK_RELEASE_DATE) + " Release");
  EXPECT_EQ(f.About.Label_author.Text() + f.About.Label_authorname.Text(),
            "Author :NuvoPick Project");
  EXPECT_FALSE(ApplyEnabled());
}

TEST_F(SetupTest, LinksTurnRedUnderThePointer) {
  TForm_setup& f = Start();
  for (TLinkLabel* link :
       {&f.About.Label_myurl, &f.About.Label_mymail, &f.About.Label_showreadme}) {
    int mirrored = 0;
    const TMirrorSubscription view = link->SubscribeMirror([&mirrored] { ++mirrored; });
    f.About.Label_myurlMouseEnter(*link);
    EXPECT_EQ(link->FontColor(), 0x3030FF);
    f.About.Label_myurlMouseLeave(*link);
    EXPECT_EQ(link->FontColor(), kSystemWindowTextColor);
    EXPECT_EQ(mirrored, 2);
  }
}

TEST_F(SetupTest, LinksOpenThroughTheShellAndReportWhatFailed) {
  struct Case {
    const char* what;
    std::function<void(TAboutPanel&)> click;
    TLaunchRequest request;
    bool owned;
    const char* failure;  // null: a failure is not reported
  };
  const Case cases[] = {
      {"web page, marked as coming from here",
       [](TAboutPanel& a) { a.Label_myurlClick(); },
       {u"open", u"https://nuvopick.example.jp/?From_NuvoPick_About", u"", u"", kShowShow},
       true,
       "URLを開けませんでした"},
      {"mail",
       [](TAboutPanel& a) { a.Label_mymailClick(); },
       {u"open", u"mailto:support@nuvopick.example.jp", u"", u"", kShowShow},
       true,
       "mailtoを開けませんでした"},
      {"readme beside the program",
       [](TAboutPanel& a) { a.Label_showreadmeClick(); },
       {u"", u"C:\\Tools\\Readme.txt", u"", u"", kShowNormal},
       false,
       nullptr},
  };
  for (const Case& c : cases) {
    for (bool works : {true, false}) {
      SCOPED_TRACE(std::string(c.what) + (works ? "" : ", failing"));
      TForm_setup& f = Start();
      shell.opened.clear();
      messages.shown.clear();
      shell.openResult = works;

      c.click(f.About);

      ASSERT_EQ(shell.opened.size(), 1u);
      EXPECT_EQ(shell.opened[0].first, c.request);
      EXPECT_EQ(shell.opened[0].second, c.owned);
      if (works || c.failure == nullptr) {
        EXPECT_TRUE(messages.shown.empty());
      } else {
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].Text, c.failure);
        EXPECT_EQ(messages.shown[0].Caption, "エラー");
        EXPECT_EQ(messages.shown[0].Buttons, TMessageButtons::Ok);
        EXPECT_TRUE(messages.shown[0].Owned);
      }
    }
  }
}

TEST_F(SetupTest, TheWebLinkOpensTheLabelsText) {
  TForm_setup& f = Start();
  f.About.Label_myurl.SetText("http://example.org/x/");
  f.About.Label_mymail.SetText("a@example.org");
  f.About.Label_myurlClick();
  f.About.Label_mymailClick();
  ASSERT_EQ(shell.opened.size(), 2u);
  EXPECT_EQ(shell.opened[0].first.File, u"http://example.org/x/?From_NuvoPick_About");
  EXPECT_EQ(shell.opened[1].first.File, u"mailto:a@example.org");
}

}  // namespace
}  // namespace nuvopick
