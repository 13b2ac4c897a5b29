#include <gtest/gtest.h>

#include <QApplication>
#include <QToolTip>

#include "tests/support/pixels.h"
#include "tests/support/service_spy.h"
#include "tests/widgets/status/window_bar.h"
#include "widgets/status/status_gradient.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

constexpr TColor kFrame = RGB(86, 125, 176);

using StatusBar = WindowBarTest;

TEST_F(StatusBar, PaintsGlossyPanelsSeparatorsAndAFrameOverEveryPixel) {
  for (int i = 0; i < 3; ++i) bar->Panels()[i].SetText("");
  const QImage img = bar->grab().toImage();
  for (int x = 0; x < 645; ++x) {
    ASSERT_TRUE(PixelIs(img, x, 0, kFrame));
    ASSERT_TRUE(PixelIs(img, x, 18, kFrame));
  }
  for (int y = 0; y < 19; ++y) {
    ASSERT_TRUE(PixelIs(img, 0, y, kFrame));
    ASSERT_TRUE(PixelIs(img, 644, y, kFrame));
  }
  // Rows 1 to 17 are all panel: every gradient here is bluish.
  for (int y = 1; y < 18; ++y)
    for (int x = 1; x < 644; ++x) ASSERT_GE(img.pixelColor(x, y).blue(), 190) << x << "," << y;

  struct Probe {
    int x, y;
    TColor color;
  };
  const Probe probes[] = {
      // Upper halves start near Color, lower halves end exactly on ColorMirrorTo,
      // in row 17 that only the last bands reach.
      {1, 1, RGB(193, 218, 248)},
      {459, 17, RGB(116, 149, 194)},
      {462, 1, RGB(214, 229, 249)},
      {524, 17, RGB(205, 224, 247)},
      {527, 1, RGB(214, 229, 249)},
      {643, 17, RGB(205, 224, 247)},
      {200, 9, RGB(142, 180, 232)},
      // Separators: two columns shading from white mixes of ColorTo towards it.
      {460, 1, RGB(215, 230, 250)},
      {460, 9, RGB(200, 220, 248)},
      {460, 17, RGB(216, 230, 250)},
      {461, 1, RGB(228, 239, 252)},
      {461, 17, RGB(228, 238, 252)},
      {525, 1, RGB(215, 230, 250)},
      {525, 17, RGB(216, 230, 250)},
      {526, 1, RGB(228, 239, 252)},
      {526, 17, RGB(228, 238, 252)},
  };
  for (const Probe& p : probes) EXPECT_TRUE(PixelIs(img, p.x, p.y, p.color));
}

TEST_F(StatusBar, AnUnclosedWhiteFontWhitensTheRestOfItsPanelOnly) {
  bar->Panels()[0].SetText("<font color=\"clwhite\"><b>Rodazu</b> system sterowania");
  const QImage img = bar->grab().toImage();
  int white = 0, darkInFirst = 0, darkInSecond = 0;
  for (int y = 3; y < 17; ++y) {
    for (int x = 5; x < 523; ++x) {
      const QColor c = img.pixelColor(x, y);
      white += c == Qt::white;
      // Every gradient here has red above 110; the text colour 9, 32, 97 not.
      (x < 460 ? darkInFirst : darkInSecond) += c.red() < 110;
    }
  }
  EXPECT_GT(white, 30);
  EXPECT_EQ(darkInFirst, 0);
  EXPECT_GT(darkInSecond, 10);
}

TEST_F(StatusBar, ANewPanelTextRepaintsThatPanelOnlyAndAnEqualOneNothing) {
  QApplication::processEvents();
  PaintSpy spy(bar);
  bar->Panels()[0].SetText(bar->Panels()[0].Text());
  QApplication::processEvents();
  EXPECT_TRUE(spy.areas.empty());
  bar->Panels()[0].SetText("<b>Nowy</b> tekst");
  QApplication::processEvents();
  EXPECT_EQ(spy.areas, (std::vector<QRect>{QRect(QPoint(0, 1), QPoint(459, 17))}));
}

TEST_F(StatusBar, TheBottomRowsAndRightColumnsBelongToTheWindowBehind) {
  std::vector<QPoint> barPresses, formPresses;
  bar->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
    barPresses.push_back({x, y});
  };
  form->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
    formPresses.push_back({x, y});
  };
  for (QPoint p :
       {QPoint(100, 15), QPoint(100, 16), QPoint(300, 18), QPoint(641, 5), QPoint(642, 10)}) {
    QTest::mousePress(bar, Qt::LeftButton, {}, p);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, p);
  }
  EXPECT_EQ(barPresses, (std::vector<QPoint>{{100, 15}, {641, 5}}));
  EXPECT_EQ(formPresses, (std::vector<QPoint>{{100, 321}, {300, 323}, {642, 315}}));
}

// The link in the third panel is laid out for the mouse in PanelRect, without
// the paint insets: 4 pixels left of and 2 above where it is drawn.
TEST_F(StatusBar, TheLinkAnswersTheMouseWhereItIsLaidOutNotWhereItIsDrawn) {
  TBitmap measure(1, 1);
  TCanvas& m = measure.Canvas();
  m.Font().Assign(bar->Font());
  const int s = m.TextWidth(" "), t = m.TextWidth(kUrl), gh = m.TextHeight("gh");

  const QImage img = bar->grab().toImage();
  QRect drawn;
  for (int y = 1; y < 18; ++y)
    for (int x = 527; x < 643; ++x)
      if (const QColor c = img.pixelColor(x, y); c.blue() > 200 && c.red() < 80 && c.green() < 80)
        drawn |= QRect(x, y, 1, 1);
  ASSERT_FALSE(drawn.isNull());
  EXPECT_NEAR(drawn.left(), 530 + s, 1);
  EXPECT_GE(drawn.top(), 3);

  struct Spot {
    int x, y;
    bool link;
  };
  const Spot spots[] = {
      {526 + s, 2, true},      {526 + s + t, gh, true},      {525 + s, 5, false},
      {527 + s + t, 5, false}, {526 + s + 4, 1, false},      {526 + s + 4, gh + 1, false},
      {641, 5, false},         {530 + s + 4, gh + 2, false},
  };
  for (const Spot& p : spots) {
    SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
    EXPECT_EQ(bar->AnchorAt(p.x, p.y), p.link ? kUrl : "");
    QTest::mouseMove(bar, QPoint(p.x, p.y));
    EXPECT_EQ(bar->Cursor(), p.link ? crHandPoint : crDefault);
  }
}

TEST_F(StatusBar, APressOnAWebLinkWithAnyButtonOpensItOtherLinksAreReported) {
  ServiceSpy spy;
  std::vector<std::string> clicked;
  bar->OnAnchorClick = [&](TObject*, const std::string& a) { clicked.push_back(a); };
  const QPoint link(bar->PanelRect(2).Left + 12, 6);
  for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
    QTest::mouseClick(bar, b, {}, link);
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(200, 6));
  EXPECT_EQ(spy.OpenedUrls(), std::vector<std::string>(3, kUrl));

  bar->Panels()[1].SetText("<a href=\"mailto:a@example.org\">m</a> <a href=\"page\">p</a>");
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(464, 6));
  TBitmap measure(1, 1);
  measure.Canvas().Font().Assign(bar->Font());
  QTest::mouseClick(bar, Qt::RightButton, {},
                    QPoint(462 + measure.Canvas().TextWidth("m ") + 2, 6));
  EXPECT_EQ(spy.OpenedUrls().back(), "mailto:a@example.org");
  EXPECT_EQ(clicked, std::vector<std::string>{"page"});
}

TEST_F(StatusBar, RestingOnThe2ndOr3rdPanelShowsItsStyledHint) {
  auto title = [&]() { return Shown() ? hint->Content().Title : std::string("none"); };
  Hover(bar, QPoint(100, 8));
  clock.Advance(2000);
  EXPECT_EQ(title(), "none");

  Hover(bar, QPoint(490, 8));
  clock.Advance(499);
  EXPECT_EQ(title(), "none");
  clock.Advance(1);
  EXPECT_EQ(title(),
            "Oprogramowanie bezp\xb3"
            "atne");

  // Into the next panel: the hint goes at once, the next one follows the
  // pause after the next move.
  QTest::mouseMove(bar, QPoint(560, 8));
  EXPECT_EQ(title(), "none");
  QTest::mouseMove(bar, QPoint(561, 8));
  clock.Advance(500);
  EXPECT_EQ(title(), "PPHU Zavarer ");

  QTest::keyClick(form.get(), Qt::Key_A);
  EXPECT_EQ(title(), "none");
}

TEST_F(StatusBar, WithAnchorHintALinkShowsItsTargetBesideTheMouse) {
  bar->SetAnchorHint(true);
  const QPoint link(bar->PanelRect(2).Left + 12, 6);
  Hover(bar, link);
  clock.Advance(500);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(hint->Content().Title, "");
  EXPECT_EQ(hint->Content().Notes, std::vector<std::string>{kUrl});
  EXPECT_EQ(Shown()->pos(), bar->mapToGlobal(link) + QPoint(10, -10));
}

TEST_F(StatusBar, BlinkingTextComesAndGoesWithTheTimer) {
  bar->Panels()[1].SetText("<blink><b>Free</b>");
  QApplication::processEvents();
  PaintSpy spy(bar);
  auto darkInPanel = [&] {
    const QImage img = bar->grab().toImage();
    int n = 0;
    for (int y = 3; y < 17; ++y)
      for (int x = 464; x < 523; ++x) n += img.pixelColor(x, y).red() < 110;
    return n;
  };
  // The paints the ticks cause, not counting the reads above.
  auto tick = [&](int ms) {
    spy.areas.clear();
    clock.Advance(ms);
    QApplication::processEvents();
    return spy.areas;
  };
  const std::vector<QRect> panel{QRect(QPoint(460, 1), QPoint(524, 17))};
  EXPECT_EQ(darkInPanel(), 0);
  EXPECT_TRUE(tick(599).empty());
  EXPECT_EQ(tick(1), panel);
  EXPECT_GT(darkInPanel(), 10);
  EXPECT_EQ(tick(500), panel);
  EXPECT_EQ(darkInPanel(), 0);
}

TEST_F(StatusBar, AStylerRepaintsItsBarsAndTheyOutliveIt) {
  auto* second = new TStyledOfficeStatusBar(form.get());
  second->SetParent(form.get());
  second->SetBounds(0, 0, 200, 19);
  second->SetStyler(styler);
  EXPECT_EQ(styler->Bars(), (std::vector<TStyledOfficeStatusBar*>{bar, second}));
  QApplication::processEvents();
  PaintSpy first(bar), other(second);
  styler->PanelAppearanceLight().SetColor(clRed);
  QApplication::processEvents();
  EXPECT_EQ(first.areas.size(), 1u);
  EXPECT_EQ(other.areas.size(), 1u);

  second->SetStyler(nullptr);
  EXPECT_EQ(styler->Bars(), std::vector<TStyledOfficeStatusBar*>{bar});
  delete styler;
  EXPECT_EQ(bar->Styler(), nullptr);
  EXPECT_EQ(bar->EffectiveStyler().Name(), "InternalStyler");
  EXPECT_TRUE(PixelIs(bar->grab().toImage(), 300, 0, BlendColor(RGB(59, 90, 130), clWhite, 80)));
}

TEST_F(StatusBar, TakesTheTooltipFontUntilItTakesItsParents) {
  EXPECT_EQ(bar->Font().Name(), "Segoe UI");
  EXPECT_EQ(bar->Font().Size(), 9);
  const QFont pinned = QToolTip::font();
  QApplication::setFont(QFont("Arial", 11), "QTipLabel");
  QEvent change(QEvent::ApplicationFontChange);
  QApplication::sendEvent(bar, &change);
  EXPECT_EQ(bar->Font().Name(), "Arial");
  EXPECT_EQ(bar->Font().Size(), 11);
  QApplication::setFont(pinned, "QTipLabel");

  bar->SetParentFont(true);
  EXPECT_FALSE(bar->UseSystemFont());
  EXPECT_EQ(bar->Font().Name(), form->Font().Name());
}

}  // namespace
