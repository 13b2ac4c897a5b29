#include "framework/runtime/platform_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/service_spy.h"

using namespace bitcalc::framework;

namespace {

TEST(PlatformServices, HandlersAreReplacedAndTheOldOnesHandedBack) {
  std::vector<std::string> opened;
  int beeps = 0;
  TOpenUrlHandler oldOpen =
      SetOpenUrlHandler([&](const std::string& url) { opened.push_back(url); });
  TBeepHandler oldBeep = SetBeepHandler([&] { ++beeps; });
  ASSERT_TRUE(oldOpen);
  ASSERT_TRUE(oldBeep);

  OpenUrl("https://example.org/a?b=c");
  OpenUrl("mailto:someone@example.org");
  Beep();
  Beep();
  EXPECT_EQ(opened,
            (std::vector<std::string>{"https://example.org/a?b=c", "mailto:someone@example.org"}));
  EXPECT_EQ(beeps, 2);

  // Putting the old handlers back returns ours, and ours is no longer called.
  TOpenUrlHandler ours = SetOpenUrlHandler(std::move(oldOpen));
  TBeepHandler oursBeep = SetBeepHandler(std::move(oldBeep));
  ASSERT_TRUE(ours);
  ours("x");
  oursBeep();
  EXPECT_EQ(opened.back(), "x");
  EXPECT_EQ(beeps, 3);
}

TEST(PlatformServices, EmptyHandlerSilencesTheService) {
  ServiceSpy outer;
  TOpenUrlHandler spyOpen = SetOpenUrlHandler(nullptr);
  TBeepHandler spyBeep = SetBeepHandler(nullptr);
  OpenUrl("https://example.org");
  Beep();
  SetOpenUrlHandler(std::move(spyOpen));
  SetBeepHandler(std::move(spyBeep));
  EXPECT_TRUE(outer.OpenedUrls().empty());
  EXPECT_EQ(outer.Beeps(), 0);
}

TEST(ServiceSpy, RecordsWhileAliveAndNestedSpiesRestoreInTurn) {
  ServiceSpy outer;
  Beep();
  {
    ServiceSpy inner;
    Beep();
    OpenUrl("https://inner.example");
    EXPECT_EQ(inner.Beeps(), 1);
    EXPECT_EQ(inner.OpenedUrls(), std::vector<std::string>{"https://inner.example"});
  }
  Beep();
  OpenUrl("https://outer.example");
  EXPECT_EQ(outer.Beeps(), 2);
  EXPECT_EQ(outer.OpenedUrls(), std::vector<std::string>{"https://outer.example"});

  outer.Clear();
  EXPECT_EQ(outer.Beeps(), 0);
  EXPECT_TRUE(outer.OpenedUrls().empty());
}

TEST(PlatformServices, HandlerMayReplaceItselfWhileRunning) {
  ServiceSpy spy;
  std::vector<std::string> seen;
  TBeepHandler previous;
  // The captured string makes the handler own heap memory, so using it after
  // it has been destroyed shows up under the address sanitizer.
  previous = SetBeepHandler([&, tag = std::string(64, 'h')] {
    SetBeepHandler(std::move(previous));  // drops the installed copy of this handler
    seen.push_back(tag);
  });
  Beep();
  Beep();  // now back to the spy
  EXPECT_EQ(seen, std::vector<std::string>{std::string(64, 'h')});
  EXPECT_EQ(spy.Beeps(), 1);
}

}  // namespace
