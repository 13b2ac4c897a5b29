#include "widgets/status/markup_renderer.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QIcon>
#include <QTemporaryDir>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "tests/widgets/status/markup_fixture.h"
#include "tests/widgets/status/status_pixels.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// A stretch of plain text as the canvas draws it by itself.
struct TextRun {
  std::string text;
  TFontStyles style = 0;
  TColor color = clBlack;
  TColor back = clNone;
  int height = -11;
  std::string face = "Tahoma";
  bool prefix = false;
};

struct Case {
  std::string markup;
  std::vector<TextRun> runs;
};

class MarkupTags : public MarkupTest {
 protected:
  // The runs side by side from x = 1, their cells standing on one bottom
  // line; returns the width they take.
  int DrawRuns(const std::vector<TextRun>& runs) {
    Clear(bmp, 200, 60);
    int bottom = 0;
    for (const TextRun& run : runs) bottom = std::max(bottom, Use(run));
    int x = 1;
    for (const TextRun& run : runs) {
      Use(run);
      TRect r{x, 0, 200, bottom};
      c().DrawText(run.text, r, DT_SINGLELINE | DT_BOTTOM | (run.prefix ? 0 : DT_NOPREFIX));
      TRect m{0, 0, 0, 0};
      c().DrawText(run.text, m, DT_SINGLELINE | DT_CALCRECT | (run.prefix ? 0 : DT_NOPREFIX));
      x += m.Width();
    }
    ResetCanvas();
    return x - 1;
  }
  int Use(const TextRun& run) {
    c().Font().SetName(run.face);
    c().Font().SetHeight(run.height);
    c().Font().SetStyle(run.style);
    c().Font().SetColor(run.color);
    c().Brush().SetStyle(run.back == clNone ? bsClear : bsSolid);
    c().Brush().SetColor(run.back);
    // A line is as tall as its text measures, external leading included.
    return c().TextHeight("gh") + c().TextMetrics().ExternalLeading;
  }
};

TEST_F(MarkupTags, EachTagDrawsAndMeasuresLikeTheTextItStandsFor) {
  const Case cases[] = {
      {"<b>Bold</b> n", {{"Bold", fsBold}, {" n"}}},
      {"<i>It</i><u>Un</u><s>St</s>", {{"It", fsItalic}, {"Un", fsUnderline}, {"St", fsStrikeOut}}},
      {"<font color=\"#FF0000\">red</font> k", {{"red", 0, clRed}, {" k"}}},
      // An unclosed font colour outlives a closed bold, but not a link.
      {"<font color=\"clred\"><b>Red</b> red", {{"Red", fsBold, clRed}, {" red", 0, clRed}}},
      {"<font color=\"clred\"><a href=\"x\">Link</a> k", {{"Link", fsUnderline, clBlue}, {" k"}}},
      {"<font face=\"Arial\" size=\"3\">Ar</font>t",
       {{"Ar", 0, clBlack, clNone, -16, "Arial"}, {"t"}}},
      {"<font size=\"14\">Big</font>", {{"Big", 0, clBlack, clNone, -19}}},
      {"<font bgcolor=\"clyellow\">y</font>n", {{"y", 0, clBlack, clYellow}, {"n"}}},
      {"<hi>hi</hi>n", {{"hi", 0, clHighlightText, clHighlight}, {"n"}}},
      {"&amp; &lt;b&gt;&nbsp;&quot;&EURO;&reg;", {{"& <b> \"\x80\xAE"}}},
      // A " & " anywhere turns prefixes off for the whole text.
      {"a & b &amp;", {{"a & b &&"}}},
      {"R&D &&", {{"R&D &&", 0, clBlack, clNone, -11, "Tahoma", true}}},
      {"x<q>y<BOLD>z<#tag>", {{"xyz#tag"}}},
      {"a <b", {{"a "}}},
      {"<z>hidden </z>shown", {{"shown"}}},
      // Blinking text takes the entry brush colour: white on white.
      {"<blink>b</blink>n", {{"b", 0, clWhite}, {"n"}}},
  };
  for (const Case& k : cases) {
    const int width = DrawRuns(k.runs);
    const QImage expected = bmp.Image().copy();
    EXPECT_EQ(Paint(k.markup), expected) << k.markup;
    const int trailing = k.runs.back().text.back() == ' ' ? W(" ") : 0;
    EXPECT_EQ(Layout(k.markup).width, width - trailing + 2) << k.markup;
  }
  // Measuring counts the external leading of Arial 16 (1 pixel).
  EXPECT_EQ(Layout("<font face=\"arial\" size=\"3\">Ar").height, 18 + 1);
}

TEST_F(MarkupTest, LinesWrapAtSpacesAndStopAtTheFrame) {
  const int line = W("aaa bbb ");
  const TRect frame{0, 0, 1 + line + 1, 60};
  Result r = Layout("aaa bbb ccc", frame);
  EXPECT_EQ(r.height, 26);
  EXPECT_EQ(r.width, W("aaa bbb") + 2);
  // Only one line fits: the words after the wrap are not shown.
  const QImage one = Paint("aaa bbb ccc", {0, 0, 200, 20});
  EXPECT_EQ(Layout("aaa bbb ccc", {0, 0, frame.Right, 20}).height, 13);
  EXPECT_EQ(Paint("aaa bbb ccc", {0, 0, frame.Right, 20}), Paint("aaa bbb"));
  EXPECT_NE(one, Paint("aaa bbb"));
  // A word wider than the line has one to itself; a word a tag interrupts
  // is never split.
  EXPECT_EQ(Layout("aaaaaaaaaaaa b", {0, 0, 20, 60}).height, 26);
  EXPECT_EQ(Layout("aaa bb<b>b</b>b", {0, 0, 1 + W("aaa bb") + 1, 60}).height, 13);
  // A closing tag that is all that is left of a line's markup still closes:
  // the next line is shown again.
  EXPECT_EQ(Layout("a <z>b </z>bbbbbb", {0, 0, 1 + W("bbbbbb") + 2, 60}).width, W("bbbbbb") + 2);
  // Line breaks.
  EXPECT_EQ(Layout("a<br>b").height, 26);
  EXPECT_EQ(Paint("a\r\nb"), Paint("a<BR>b"));
  EXPECT_EQ(Layout("a<hr>b</li>c</p>d<ul>e", {0, 0, 200, 100}).height, 13 * 5);
  // Nothing at all still measures one line.
  r = Layout("");
  EXPECT_EQ(r.height, 13);
  EXPECT_EQ(r.width, 0);
  EXPECT_TRUE(Ink(Paint("")).isNull());
}

TEST_F(MarkupTest, ParagraphsIndentsOffsetsAndScripts) {
  const QRect plain = Ink(Paint("c"));
  EXPECT_EQ(Ink(Paint("<p align=\"center\">c")), plain.translated((199 - W("c")) / 2, 0));
  EXPECT_EQ(Ink(Paint("<P ALIGN=\"RIGHT\">c")), plain.translated(199 - W("c"), 0));
  EXPECT_EQ(Ink(Paint("<p indent=\"7\">c")), plain.translated(7, 0));
  EXPECT_EQ(Ink(Paint("<ind x=\"50\">c")), plain.translated(49, 0));
  // An offset counts from the line's own start, on its line and the next.
  const TRect right{100, 0, 200, 60};
  const QRect there = Ink(Paint("c", right));
  EXPECT_EQ(Ink(Paint("<of x=\"10\">c", right)), there.translated(10, 0));
  EXPECT_EQ(Ink(Paint("<of x=\"10\"><br>c", right)), there.translated(10, 13));
  EXPECT_EQ(Ink(Paint("<of x=\"10\"></of><br>c", right)), there.translated(0, 13));
  // Scripts drop or lift by a quarter of the text height (3 pixels).
  const QImage base = Paint("x 2");
  const QRect x(0, 0, 1 + W("x"), 60), two(1 + W("x "), 0, 20, 60);
  EXPECT_EQ(Layout("x <sub>2</sub>").height, 16);
  QImage img = Paint("x <sub>2</sub>");
  EXPECT_EQ(Ink(img, x), Ink(base, x));
  EXPECT_EQ(Ink(img, two), Ink(base, two).translated(0, 3));
  img = Paint("x <sup>2</sup>");
  EXPECT_EQ(Ink(img, x), Ink(base, x).translated(0, 3));
  EXPECT_EQ(Ink(img, two), Ink(base, two));
  // The second pass lays out what the first took: the bold closed at the end
  // of a right-aligned line does not reach the next one.
  const QRect second(0, 13, 200, 13);
  EXPECT_EQ(Ink(Paint("<p align=\"right\">a <b>b</b><br>c"), second),
            Ink(Paint("<p align=\"right\">a b<br>c"), second));
}

TEST_F(MarkupTest, RulesListsMarksAndBackgrounds) {
  QImage img = Paint("a<hr>b");
  EXPECT_TRUE(PixelIs(img, 0, 14, clWhite));
  EXPECT_TRUE(PixelIs(img, 1, 14, clBlack));
  EXPECT_TRUE(PixelIs(img, 199, 14, clBlack));
  // A list item: the bullet at the line start, the text 12 pixels in.
  img = Paint("<ul><li>x");
  const QRect item = Ink(img, QRect(0, 13, 200, 13));
  EXPECT_EQ(Ink(img, QRect(13, 13, 187, 13)), Ink(Paint("<br><ind x=\"13\">x")));
  EXPECT_LT(item.left(), 12);
  EXPECT_EQ(Layout("<li>a<li>b").height, 26);
  // Error zig-zag in red along the base line, shadow in gray.
  img = Paint("<e>err</e>");
  EXPECT_TRUE(ColorBox(img, clRed).intersects(QRect(1, 12, W("err"), 3)));
  EXPECT_FALSE(ColorBox(Paint("<font size=\"20\"><b><shad>H</shad>"), clGray).isNull());
  // Turned text stands on the base line.
  const QRect turned = Ink(Paint("<rot a=\"90\">Turned</rot>", {0, 40, 200, 60}));
  EXPECT_GT(turned.height(), 2 * turned.width());
  EXPECT_EQ(turned.bottom(), 52);
  // Backgrounds: the whole frame (and 2 pixels to its left), a 64-step
  // gradient, a paragraph band.
  img = Paint("<body bgcolor=\"#00FF00\">x", {2, 0, 200, 60});
  EXPECT_TRUE(PixelIs(img, 0, 59, clLime));
  img = Paint("<body bgcolor=\"#000000\" bgcolorto=\"#FF0000\">");
  EXPECT_TRUE(PixelIs(img, 0, 30, clBlack));
  EXPECT_TRUE(PixelIs(img, 196, 30, RGB(247, 0, 0)));
  EXPECT_TRUE(PixelIs(img, 197, 30, RGB(251, 0, 0)));
  img = Paint("<body bgcolor=\"#000000\" bgcolorto=\"#FF0000\" dir=\"v\">");
  EXPECT_TRUE(PixelIs(img, 100, 59, RGB(251, 0, 0)));
  img = Paint("<p bgcolor=\"clyellow\">p<br>p</p>q");
  EXPECT_TRUE(PixelIs(img, 0, 0, clYellow));
  EXPECT_TRUE(PixelIs(img, 199, 25, clYellow));
  EXPECT_TRUE(PixelIs(img, 199, 26, clWhite));
}

TEST_F(MarkupTest, PicturesComeFromTheListTheContainerOrTheIconTheme) {
  images.Add(Solid(10, 10, Qt::red));
  pictures.Add("Dot", Solid(3, 3, Qt::blue));
  QImage img = Paint("a<img src=\"IDX:0\">b");
  const int left = 1 + W("a");
  EXPECT_EQ(ColorBox(img, clRed), QRect(left, 3, 10, 10));
  EXPECT_GE(Ink(img, QRect(left + 10, 0, 100, 60)).left(), left + 10);
  EXPECT_EQ(ColorBox(Paint("<img src=\"idx:0\" width=\"4\" height=\"20\">"), clRed),
            QRect(1, 0, 4, 20));
  EXPECT_EQ(ColorBox(Paint("<img src=\"DOT\">"), clBlue), QRect(1, 10, 3, 3));
  EXPECT_EQ(Paint("<img src=\"IDX:1\">b<img src=\"x:y\">"), Paint("b"));
  // Text beside a taller picture stands at its top or middle when asked.
  EXPECT_EQ(Ink(Paint("<img src=\"IDX:0\" width=\"4\" height=\"40\" align=\"top\">x"),
                QRect(5, 0, 195, 60)),
            Ink(Paint("<ind x=\"5\">x"), QRect(5, 0, 195, 60)));

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString theme = dir.path() + "/markuptest";
  QDir().mkpath(theme + "/16/mimetypes");
  QDir().mkpath(theme + "/32/mimetypes");
  QFile index(theme + "/index.theme");
  ASSERT_TRUE(index.open(QIODevice::WriteOnly));
  index.write(
      "[Icon Theme]\nName=markuptest\nDirectories=16/mimetypes,32/mimetypes\n"
      "[16/mimetypes]\nSize=16\nType=Fixed\n[32/mimetypes]\nSize=32\nType=Fixed\n");
  index.close();
  Solid(16, 16, Qt::magenta).save(theme + "/16/mimetypes/text-plain.png");
  Solid(32, 32, Qt::cyan).save(theme + "/32/mimetypes/text-plain.png");
  const QStringList paths = QIcon::themeSearchPaths();
  const QString name = QIcon::themeName();
  QIcon::setThemeSearchPaths({dir.path()});
  QIcon::setThemeName("markuptest");
  EXPECT_EQ(ColorBox(Paint("<img src=\"SSYS:/home/notes.txt\">"), clFuchsia), QRect(1, 0, 16, 16));
  EXPECT_EQ(ColorBox(Paint("<img src=\"LSYS:notes.txt\">"), clAqua), QRect(1, 0, 32, 32));
  EXPECT_EQ(Paint("<img src=\"SSYS:/home/data.zzqq\">b"), Paint("b"));
  QIcon::setThemeName(name);
  QIcon::setThemeSearchPaths(paths);
}

TEST_F(MarkupTest, LinksAreFoundUnderThePointAndOnlyThere) {
  // The status bar's third panel: a space, then the link, in (525, 1)-(644, 18);
  // its lines start one pixel in.
  const std::string text = " <a href=\"https://bitcalc.example.org/\">bitcalc.example.org</a>";
  const TRect panel{525, 1, 644, 18};
  const int s = W(" "), t = W("bitcalc.example.org");
  for (TPoint p : {TPoint{526 + s, 2}, {526 + s + t, 13}, {530, 8}}) {
    const Result r = Layout(text, panel, p.X, p.Y);
    EXPECT_TRUE(r.hit) << p.X << "," << p.Y;
    EXPECT_EQ(r.anchor, "https://bitcalc.example.org/");
  }
  for (TPoint p : {TPoint{525 + s, 8}, {527 + s + t, 8}, {530, 1}, {530, 14}}) {
    const Result r = Layout(text, panel, p.X, p.Y);
    EXPECT_FALSE(r.hit) << p.X << "," << p.Y;
    EXPECT_EQ(r.anchor, "");
  }
  images.Add(Solid(10, 10, Qt::red));
  EXPECT_EQ(Layout("<a href=\"Pic\"><img src=\"IDX:0\"></a>", kFrame, 5, 5).anchor, "Pic");
  for (int x : {0, 12})
    EXPECT_FALSE(Layout("<a href=\"Pic\"><img src=\"IDX:0\"></a>", kFrame, x, 5).hit) << x;
}

TEST_F(MarkupTest, StartsFromTheCanvasEveryTimeAndPutsItBack) {
  Paint("<font color=\"clred\" face=\"Arial\" size=\"5\"><b><i><u><blink>x");
  EXPECT_EQ(c().Font().Name(), "Tahoma");
  EXPECT_EQ(c().Font().Height(), -11);
  EXPECT_EQ(c().Font().Style(), 0u);
  EXPECT_EQ(c().Font().Color(), clBlack);
  EXPECT_EQ(c().Brush().Style(), bsClear);
  EXPECT_EQ(c().Brush().Color(), clWhite);
  EXPECT_TRUE(ColorBox(Paint("b"), clRed).isNull());
  // Blinking text over a brush of no colour is not drawn at all.
  c().Brush().SetColor(clNone);
  EXPECT_TRUE(
      InkBox(Paint("<blink>x", kFrame, false, clSilver), QRect(0, 0, 200, 60), clSilver).isNull());
  EXPECT_FALSE(
      InkBox(Paint("<blink>x", kFrame, true, clSilver), QRect(0, 0, 200, 60), clSilver).isNull());
}

// Markup is arbitrary text: every input ends, in time linear in its length,
// with the canvas as it was.
TEST_F(MarkupTest, AnyTextFrameAndPointIsSafe) {
  images.Add(Solid(10, 10, Qt::red));
  const std::string word(100000, 'w');
  std::string many;
  for (int i = 0; i < 2000; ++i) many += "<b>x</b> &amp;amp;<u>y <ul><li>";
  const std::string texts[] = {
      word,
      many,
      std::string(50000, '<'),
      "&amp;" + std::string(100000, ';'),
      "<font size=\"999999999999\">x</font><ind x=\"99999999999\">y<of x=\"$FFFFFFFFFFFF\">z",
      "<img src=\"IDX:0\" width=\"2147483647\" height=\"2147483647\"><e>e<hr><p bgcolor=\"#1\">",
      "<a href=\"<sub>\"</a><sup><z><rot a=\"x7FFFFFFF\">r<body background=\"IDX:0\">",
      std::string("\0<\0>\r\n\xFF&\x80", 9) + "<#",
  };
  const TRect frames[] = {{0, 0, 200, 60},
                          {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                          {INT_MAX - 5, INT_MAX - 5, INT_MIN, INT_MIN},
                          {0, 0, 1000000000, 1000000000}};
  std::string anchor;
  int w = 0, h = 0;
  for (const std::string& text : texts)
    for (const TRect& frame : frames)
      for (TMarkupMode mode : {mmPaint, mmLayoutOnly}) {
        DrawMarkup(c(), text, frame, mode, INT_MIN, INT_MAX, true, clBlue, false, &images,
                   &pictures, anchor, w, h);
        EXPECT_GT(h, 0);
        EXPECT_GE(w, 0);
      }
  // Random tag soup.
  const std::string pieces[] = {
      "<",   ">",    "</",    "\"",     "&",   ";",    "amp",  "lt", "nbsp", " ", "a",      "b",
      "br",  "font", "size=", "color=", "img", "src=", "IDX:", "li", "ul",   "p", "align=", "right",
      "sub", "sup",  "x=",    "1",      "$F",  "#",    "\r",   "\n", "z",    "e", "shad",   "hi"};
  std::mt19937 random(7);
  for (int i = 0; i < 3000; ++i) {
    std::string text;
    for (int n = int(random() % 40); n > 0; --n) text += pieces[random() % std::size(pieces)];
    const TRect frame{int(random() % 50), int(random() % 50), int(random() % 250),
                      int(random() % 80)};
    DrawMarkup(c(), text, frame, i % 2 ? mmPaint : mmLayoutOnly, int(random() % 250),
               int(random() % 80), i % 3 != 0, clBlue, i % 5 == 0, &images, &pictures, anchor, w,
               h);
  }
  EXPECT_EQ(c().Font().Name(), "Tahoma");
  EXPECT_EQ(c().Font().Height(), -11);
  EXPECT_EQ(c().Font().Style(), 0u);
}

TEST(MarkupColorValue, HashDigitsAndNames) {
  const std::pair<const char*, TColor> cases[] = {
      {"#FF0000", clRed},
      {"#0000FF", clBlue},
      {"#102030", RGB(0x10, 0x20, 0x30)},
      {"#FF", clRed},
      {"#F", clBlack},
      {"#G00000", RGB(0, 1, 0)},
      {"clBtnFace", clBtnFace},
      {"CLWHITE", clWhite},
      {"nonsense", clBlack},
      {"", clBlack},
  };
  for (const auto& [value, color] : cases) EXPECT_EQ(MarkupColor(value), color) << value;
}

}  // namespace
