#include <unistd.h>

#include <fstream>

#include "tests/main_window/calculator_fixture.h"
#include "tests/support/thread_time.h"

namespace {

// The sanitizer build holds freed memory back on purpose and slows our code
// but not the toolkit's; time and memory are measured in the others.
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
constexpr bool kMeasured = true;
#else
constexpr bool kMeasured = false;
#endif

// The process's resident memory in megabytes.
double ResidentMb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

class Flood : public CalculatorTest {
 protected:
  void SetUp() override {
    CalculatorTest::SetUp();
    Focus(form->NumSpinEdit4);
    // The glyphs and caches any typing needs exist before memory is measured.
    Type("12");
    Click(form->Button[5]);  // res
    Focus(form->NumSpinEdit4);
    form->NumSpinEdit4->SelectAll();
  }
  ServiceSpy spy;
};

// Ten megabytes of digits are refused whole at once: the field stays as it
// was, the window takes the next key at once, and no memory is kept. The
// time is the thread's processor time, which a busy machine does not stretch.
TEST_F(Flood, ATenMegabytePasteIsRefusedWithABeepAndCostsNeitherTimeNorMemory) {
  QApplication::clipboard()->setText(QString(10 << 20, u'7'));
  const double before = ResidentMb();
  const double start = ThreadMs();
  Key(Qt::Key_V, Qt::ControlModifier);
  Type("9");
  QApplication::processEvents();
  if (kMeasured) {
    EXPECT_LT(ThreadMs() - start, 100.0);
  }
  EXPECT_EQ(form->NumSpinEdit4->Text(), "9");
  EXPECT_EQ(form->NumSpinEdit5->Text(), "9");
  EXPECT_EQ(spy.Beeps(), 1);
  if (kMeasured) {
    EXPECT_LT(ResidentMb() - before, 20.0);
  }
}

// The most the field takes from the user goes in whole; "res" then gives the
// memory its layout took back.
TEST_F(Flood, TheMemoryOfAMegabyteTextReturnsAfterReset) {
  QApplication::clipboard()->setText(QString(1 << 20, u'7'));
  const double before = ResidentMb();
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(form->NumSpinEdit4->Text().size(), 1u << 20);  // reads as 0, like A
  Click(form->Button[5]);  // res
  QApplication::processEvents();
  EXPECT_EQ(form->NumSpinEdit4->Text(), "0");
  if (kMeasured) {
    EXPECT_LT(ResidentMb() - before, 20.0);
  }
}

}  // namespace
