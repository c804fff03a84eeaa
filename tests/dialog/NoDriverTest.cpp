// The program's start-up when the device library cannot be used: it is not installed, or it lacks
// an entry point. The user sees the no-driver message and the program ends.

#include "framework/WinApp.h"
#include "tests/dialog/Driver.h"
#include "tests/dialog/ExpectedTexts.h"

#include <gtest/gtest.h>

using dialogtest::Driver;
using dialogtest::Expected;
using dialogtest::SeenMessage;

TEST(NoDriver, StartUpShowsNoDriverMessageAndTheProgramEnds) {
    SeenMessage seen;
    Driver driver;
    driver.AnswerMessageBox(&seen);
    driver.Start();
    EXPECT_EQ(AfxWinMain(), 0);
    driver.ExpectAllDone();

    EXPECT_EQ(seen.text, Expected().noDriver);
    EXPECT_EQ(seen.caption, Expected().error);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(AfxGetApp()->m_pMainWnd, nullptr);
}
