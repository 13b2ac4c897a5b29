#pragma once

namespace bitcalc::framework {

// Start-up steps shared by the program, the tools and the tests.
// Call PrepareQtEnvironment() before the QApplication is constructed and
// FinishQtSetup() right after.
void PrepareQtEnvironment();
void FinishQtSetup();

}  // namespace bitcalc::framework
