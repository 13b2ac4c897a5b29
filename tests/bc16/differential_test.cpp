#include <gtest/gtest.h>

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bc16/run.h"
#include "codepage/cp1250.h"
#include "core/n_bool_proc.h"
#include "framework/standard/label.h"
#include "framework/text/text.h"
#include "main_window/form1.h"
#include "widgets/bits/bit_led.h"
#include "widgets/entry/num_spin_edit.h"
#include "widgets/status/gradient_label.h"
#include "widgets/trackbar/styled_track_bar.h"

// The command against the window: for random operands and operations, set in
// the window through its fields and slider, every readout the command prints
// equals what the window shows.
namespace {

using bitcalc::framework::CaptionText;
using bitcalc::framework::FromCp1250;

struct TRun {
  int Status;
  std::string Out;
  std::string Err;
};

TRun RunCommand(const std::vector<std::string>& args) {
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  char* out = nullptr;
  char* err = nullptr;
  std::size_t outSize = 0, errSize = 0;
  std::FILE* outFile = open_memstream(&out, &outSize);
  std::FILE* errFile = open_memstream(&err, &errSize);
  const int status = bitcalc::bc16::Run(argv, stdin, outFile, errFile);
  std::fclose(outFile);
  std::fclose(errFile);
  TRun run{status, std::string(out, outSize), std::string(err, errSize)};
  std::free(out);
  std::free(err);
  return run;
}

std::map<std::string, std::string> Report(const std::string& text) {
  std::map<std::string, std::string> report;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t tab = text.find('\t', start), end = text.find('\n', start);
    report[text.substr(start, tab - start)] = text.substr(tab + 1, end - tab - 1);
    start = end + 1;
  }
  return report;
}

// A character of the window's readout as the command spells it, written
// independently: Qt's UTF-8 for the glyph, "\xNN" for what has none.
std::string Spelled(unsigned char byte) {
  const char16_t ch = bitcalc::codepage::ToUnicode(byte);
  if (ch < 0x20 || (ch >= 0x7F && ch < 0xA0)) {
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
    return escaped;
  }
  return FromCp1250(std::string(1, char(byte))).toStdString();
}

// Inside "liczba ze znakiem: <n>d ".
std::string SignedOf(const std::string& caption) {
  const std::size_t from = caption.find(": ") + 2;
  return caption.substr(from, caption.rfind('d') - from);
}

constexpr const char* kOperators[] = {"div", "mod", "sub", "add", "xor", "or", "and", "not"};

TEST(CommandAgainstWindow, EveryReadoutMatchesForRandomStates) {
  using namespace bitcalc::main_window;
  bitcalc::core::CreateBoolStore();
  TForm1 form(nullptr);
  std::mt19937 rng(19);
  // Edges more often than chance would give them.
  const auto operand = [&] {
    constexpr std::uint16_t kEdges[] = {0, 1, 0x7F, 0x80, 0x7FFF, 0x8000, 0xFFFF};
    return rng() % 4 == 0 ? kEdges[rng() % 7] : std::uint16_t(rng());
  };
  for (int i = 0; i < 300; ++i) {
    const std::uint16_t a = operand(), b = operand();
    const int position = int(rng() % 8);
    form.NumSpinEdit4->SetValue(a);
    form.NumSpinEdit1->SetValue(b);
    form.StyledTrackBar1->SetPosition(position);
    SCOPED_TRACE(testing::Message() << a << " " << kOperators[position] << " " << b);

    std::vector<std::string> args{std::to_string(a), kOperators[position], std::to_string(b)};
    if (position == 7) args = {"not", std::to_string(a)};
    const TRun run = RunCommand(args);
    ASSERT_EQ(run.Status, 0) << run.Err;
    auto report = Report(run.Out);

    const auto shown = [&](const bitcalc::framework::TControl* c) { return CaptionText(c->Caption()); };
    EXPECT_EQ(report["dec"] + "d", shown(form.Label[12]));
    EXPECT_EQ(report["hex"].substr(2) + "h", shown(form.Label[14]));
    std::string leds;
    for (int bit = 15; bit >= 0; --bit) {
      leds += form.BitLED[bit]->Checked() ? '1' : '0';
      if (bit % 4 == 0 && bit > 0) leds += ' ';
    }
    EXPECT_EQ(report["bin"], leds);
    const std::string characters = form.Label[20]->Caption();  // high, two spaces, low
    ASSERT_EQ(characters.size(), 4u);
    EXPECT_EQ(report["char"], Spelled(characters[0]) + Spelled(characters[3]));
    const std::pair<const char*, int> readouts[] = {{"nib3", 11}, {"nib2", 10}, {"nib1", 8},
                                                    {"nib0", 7},  {"byte1", 12}, {"byte0", 9}};
    for (const auto& [key, label] : readouts)
      EXPECT_EQ(report[key], shown(form.GradientLabel[label - 1])) << key;

    // The window reads A as signed; the command reads its result, so ask it for A itself.
    const TRun asSigned = RunCommand({"-o", "signed", std::to_string(a), "or", "0"});
    EXPECT_EQ(asSigned.Out, SignedOf(shown(form.Label[26])) + "\n");
  }
}

}  // namespace
