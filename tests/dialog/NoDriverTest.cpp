// The program's start-up when the device library cannot be used: it is not installed, or it lacks
// an entry point. The user sees the no-driver message and the program ends.

#include "framework/WinApp.h"
#include "tests/dialog/ExpectedTexts.h"
#include "tests/dialog/User.h"

#include <gtest/gtest.h>

using dialogtest::BoxIcon;
using dialogtest::Expected;
using dialogtest::SeenMessage;
using dialogtest::User;

TEST(NoDriver, StartUpShowsNoDriverMessageAndTheProgramEnds) {
    SeenMessage seen;
    User user;
    user.AnswerMessageBox(&seen);
    user.Start();
    EXPECT_EQ(AfxWinMain(), 0);
    user.ExpectAllDone();

    EXPECT_EQ(seen.text, Expected().noDriver);
    EXPECT_EQ(seen.caption, Expected().error);
    EXPECT_EQ(seen.icon, BoxIcon::Stop);
    EXPECT_EQ(AfxGetApp()->m_pMainWnd, nullptr);
}
