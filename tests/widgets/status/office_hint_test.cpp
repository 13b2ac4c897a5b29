#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <algorithm>
#include <optional>

#include "framework/controls/graphic_control.h"
#include "framework/runtime/screen.h"
#include "framework/values/exception.h"
#include "tests/widgets/status/hint_fixture.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// A control publishing an office hint, optionally moving the hint elsewhere.
class Published : public TGraphicControl, public TOfficeHintPublisher {
 public:
  using TGraphicControl::TGraphicControl;
  const TStyledHintInfo& OfficeHint() const override { return info; }
  bool HintShow(THintInfo& hintInfo) override {
    if (moveTo) hintInfo.HintPos = *moveTo;
    return true;
  }
  TStyledHintInfo info;
  std::optional<TPoint> moveTo;
};

class OfficeHint : public HintTest {
 protected:
  void SetUp() override {
    HintTest::SetUp();
    box = Place(new Published(form.get()), 10, 10, 100, 40);
    box->SetShowHint(true);
  }
  // Hovers the box for the hint pause; the hint window, or nullptr.
  TStyledOfficeHintWindow* ShowBoxHint() {
    app->CancelHint();
    Hover(box, QPoint(20, 20));
    clock.Advance(500);
    return Shown();
  }
  // The box's hint with this title, these notes and this hint text.
  TStyledOfficeHintWindow* ShowBoxHint(const std::string& title, const std::string& notes,
                                       const std::string& hintText) {
    box->info.Title = title;
    box->info.SetNotesText(notes);
    box->SetHint(hintText);
    return ShowBoxHint();
  }
  int Lh() const {
    TBitmap measure(1, 1);
    hint->AssignDrawingFont(measure.Canvas().Font());
    return measure.Canvas().TextHeight("gh");
  }
  Published* box = nullptr;
};

// Where dark text left its ink in area of img: the gradients and pictures
// here are all light or red.
QRect TextBox(const QImage& img, const QRect& area) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (const QColor c = img.pixelColor(x, y); std::max({c.red(), c.green(), c.blue()}) < 110)
        box |= QRect(x, y, 1, 1);
  return box;
}

std::string ErrorOf(const std::function<void()>& make) {
  try {
    make();
  } catch (const Exception& e) {
    return e.Message();
  }
  return "";
}

}  // namespace

TEST_F(OfficeHint, BelongsOnAFormOnceOnly) {
  TComponent plain(nullptr);
  EXPECT_EQ(ErrorOf([&] { new TStyledOfficeHint(&plain); }), "Control parent must be a form!");
  EXPECT_EQ(ErrorOf([&] { new TStyledOfficeHint(form.get()); }),
            "Only one instance of TStyledOfficeHint allowed on form");
  EXPECT_EQ(plain.ComponentCount(), 0);
  EXPECT_EQ(MainFormOfficeHint(), hint);
}

TEST_F(OfficeHint, ShowsTheOfficeLayoutOnlyForContentAndThePlainTextOtherwise) {
  struct Case {
    std::string title, notes, hintText;
    bool shown, office;
  };
  const Case cases[] = {
      {"Title", "", "", true, true},
      {"", "Notes", "", true, true},
      {"", "", "Plain", true, false},
      {"", "", "", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title + "|" + c.notes + "|" + c.hintText);
    TStyledOfficeHintWindow* w = ShowBoxHint(c.title, c.notes, c.hintText);
    ASSERT_EQ(w != nullptr, c.shown);
    if (!w) continue;
    EXPECT_EQ(hint->OfficeLayout(), c.office);
    EXPECT_EQ(w->Caption(), c.office ? "*" : c.hintText);
  }
}

TEST_F(OfficeHint, SizesToTitleNotesAndPictureAndStaysOnTheDesktop) {
  const int proposed = HintTextWidth("*") + 6;
  const int lh = Lh();
  box->info.Title = "Title";
  TStyledOfficeHintWindow* w = ShowBoxHint();
  ASSERT_TRUE(w);
  EXPECT_EQ(w->Width(), proposed + 4 + 240);
  EXPECT_EQ(w->Height(), lh / 2 + lh + lh / 2);

  // Without a title the hint narrows to its notes and picture; one line of
  // notes is below the minimum height.
  box->info.Title.clear();
  box->info.SetNotesText("Short");
  box->info.Picture.LoadFromBytes(BitmapFile(12, 10, Qt::red, Qt::white));
  w = ShowBoxHint();
  ASSERT_TRUE(w);
  EXPECT_EQ(w->Width(), HintTextWidth("Short") + 24 + 12);
  EXPECT_EQ(w->Height(), TStyledOfficeHintWindow::kMinHeight);

  // Placed where the proposed size still fits but the grown one does not.
  box->info.Title = "Title";
  box->moveTo = TPoint{Screen->DesktopWidth() - 20, Screen->DesktopHeight() - 20};
  w = ShowBoxHint();
  ASSERT_TRUE(w);
  EXPECT_EQ(w->geometry().right() + 1, Screen->DesktopWidth());
  EXPECT_EQ(w->geometry().bottom() + 1, Screen->DesktopHeight());
}

TEST_F(OfficeHint, PaintsTitlePictureNotesRuleAndHelpOnTheGradient) {
  struct Case {
    int picture;
    QColor key;
    bool help;
    int notesLeft;
  };
  QImage helpPicture(10, 10, QImage::Format_ARGB32);
  helpPicture.fill(Qt::green);
  helpPicture.setPixelColor(9, 0, Qt::transparent);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  helpPicture.save(&buffer, "PNG");
  hint->HintHelpPicture().LoadFromBytes(png.toStdString());
  for (const Case& c : {Case{32, Qt::white, true, 42}, Case{46, Qt::magenta, false, 56}}) {
    SCOPED_TRACE(c.picture);
    box->info.Title = "PPHU Zavarer ";
    box->info.Notes = {"Oprogramowanie dla przemys\xb3u", "Systemy sterowania"};
    box->info.Picture.LoadFromBytes(BitmapFile(c.picture, c.picture, Qt::red, c.key));
    box->info.ShowHelp = c.help;
    TStyledOfficeHintWindow* w = ShowBoxHint();
    ASSERT_TRUE(w);
    const int W = w->Width(), H = w->Height();
    EXPECT_EQ(W, HintTextWidth("*") + 250);
    const QImage img = w->grab().toImage();
    auto rgb = [&](int x, int y) {
      return TColor(RGB(img.pixelColor(x, y).red(), img.pixelColor(x, y).green(),
                        img.pixelColor(x, y).blue()));
    };
    // Gradient from top to bottom inside a grey rounded border.
    EXPECT_EQ(rgb(W - 1, 0), RGB(225, 226, 236));
    EXPECT_EQ(rgb(W / 2, H - 1), RGB(152, 150, 179));
    EXPECT_EQ(rgb(W / 2, 0), RGB(128, 128, 128));
    EXPECT_EQ(rgb(W - 2, H / 2), RGB(128, 128, 128));
    EXPECT_EQ(rgb(W / 2, H - 2), RGB(128, 128, 128));

    // The title's ink starts at x = 6 from row 4; the picture below it at
    // x = 6, its bottom-left pixel left out.
    const int lh = Lh();
    const QRect title = TextBox(img, QRect(2, 4, W - 8, lh));
    ASSERT_FALSE(title.isNull());
    EXPECT_NEAR(title.left(), 6, 1);
    const int picTop = 4 + lh + lh / 3;
    EXPECT_EQ(rgb(6, picTop), clRed);
    EXPECT_NE(rgb(5, picTop), clRed);
    EXPECT_EQ(rgb(6 + c.picture - 1, picTop + c.picture - 1), clRed);
    EXPECT_NE(rgb(6, picTop + c.picture - 1), RGB(c.key.red(), c.key.green(), c.key.blue()));

    // Notes beside the picture, in their column.
    const QRect notes = TextBox(img, QRect(6 + c.picture + 1, picTop, W - 14 - c.picture, 2 * lh));
    ASSERT_FALSE(notes.isNull());
    EXPECT_NEAR(notes.left(), c.notesLeft, 1);

    // The rule and help text under the picture, or nothing.
    const int ruleY = picTop + std::max(c.picture, 2 * lh) + lh / 3;
    if (c.help) {
      EXPECT_EQ(rgb(1, ruleY), RGB(124, 124, 148));
      EXPECT_EQ(rgb(W - 3, ruleY), RGB(124, 124, 148));
      EXPECT_NE(rgb(W - 2, ruleY), RGB(124, 124, 148));
      // The help picture keeps its own transparency; the text follows it.
      EXPECT_EQ(rgb(6, ruleY + 4), clLime);
      EXPECT_NE(rgb(15, ruleY + 4), clLime);
      const QRect help = TextBox(img, QRect(3, ruleY + 1, W - 8, H - ruleY - 3));
      ASSERT_FALSE(help.isNull());
      EXPECT_NEAR(help.left(), 6 + 10 + 4, 1);
    }
    EXPECT_EQ(H, std::max(c.picture, 2 * lh) + lh / 2 + lh + lh / 2 + (c.help ? lh + lh / 2 : 0));
  }
}

TEST_F(OfficeHint, ReadsAsAToolTipOfItsTitleAndLines) {
  struct Case {
    std::string title, notes, hintText;
    QString name, description;
  };
  const Case cases[] = {
      {"Title", "one\ntwo", "", "Title", "one\ntwo"},
      {"", "Notes", "", "Notes", ""},
      {"", "", "Plain", "Plain", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title + "|" + c.notes + "|" + c.hintText);
    TStyledOfficeHintWindow* w = ShowBoxHint(c.title, c.notes, c.hintText);
    ASSERT_NE(w, nullptr);
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    EXPECT_EQ(i->role(), QAccessible::ToolTip);
    EXPECT_EQ(i->text(QAccessible::Name), c.name);
    EXPECT_EQ(i->text(QAccessible::Description), c.description);
  }
}
