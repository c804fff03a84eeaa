// The main dialog as a user meets it, on every platform's backend, against the simulated interface
// unit and decoder: start-up, Read, Write, their error messages, the About box from the system
// command and the program's start-up and end. Platform-specific ways in (the system menu, the
// keyboard) are tested with each platform's driver.

#include "app/TolvaneDlg.h"
#include "app/resource.h"
#include "framework/WinApp.h"
#include "link/Pellix.h"
#include "simulator/SimControl.h"
#include "tests/dialog/ExpectedTexts.h"
#include "tests/dialog/User.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

using dialogtest::BoxIcon;
using dialogtest::Expected;
using dialogtest::ExpectedTexts;
using dialogtest::SeenMessage;
using dialogtest::Text;
using dialogtest::User;
using dialogtest::Window;

namespace {

const Text kTitle = u"Tolvane";
const Text kAboutTitle = u"Morrick Tolvane";
constexpr std::uint32_t kIoError = 4; // a D2XX failure status

using Shown = std::vector<Text>;

// The decoder's assignments in settings bytes 0, 4 and 5.
void SetDecoder(std::uint8_t sx1, std::uint8_t sx2, std::uint8_t sx3) {
    std::array<std::uint8_t, SIM_SETTINGS_SIZE> settings{};
    sim_get_settings(settings.data());
    settings[0] = sx1;
    settings[4] = sx2;
    settings[5] = sx3;
    sim_set_settings(settings.data());
}

std::array<std::uint8_t, 3> DecoderAssignments() {
    std::array<std::uint8_t, SIM_SETTINGS_SIZE> settings{};
    sim_get_settings(settings.data());
    return {settings[0], settings[4], settings[5]};
}

// What the test saw of the dialog at one moment.
struct Snapshot {
    Shown shown;
    bool writeEnabled = false;
    bool waitCursor = false;
    void Take(Window dialog) {
        shown = {dialogtest::ListText(dialog, IDC_SX1), dialogtest::ListText(dialog, IDC_SX2),
                 dialogtest::ListText(dialog, IDC_SX3)};
        writeEnabled = dialogtest::IsEnabled(dialog, IDC_WRITE);
        waitCursor = dialogtest::WaitCursorShowing();
    }
};

class MainDialog : public ::testing::Test {
protected:
    void SetUp() override {
        theLink.Close();
        sim_reset();
    }

    // Runs the dialog with the queued steps; returns how it ended.
    INT_PTR Run() {
        user.Start();
        const INT_PTR result = dialog.DoModal();
        user.ExpectAllDone();
        return result;
    }

    static void ReadNow(Window dlg) { dialogtest::Click(dlg, IDC_READ); }

    User user;
    CTolvaneDlg dialog;
};

TEST_F(MainDialog, StartsWithEveryListAtChannelOneAndWriteDisabled) {
    Snapshot before;
    Text readText;
    Text writeText;
    bool focusOnFirstList = false;
    bool hasIcon = false;
    user.OnDialog(kTitle, [&](Window dlg) {
        before.Take(dlg);
        readText = dialogtest::ControlText(dlg, IDC_READ);
        writeText = dialogtest::ControlText(dlg, IDC_WRITE);
        focusOnFirstList = dialogtest::HasFocus(dlg, IDC_SX1);
        hasIcon = dialogtest::HasWindowIcon(dlg);
        dialogtest::PressEscape(dlg);
    });
    EXPECT_EQ(Run(), IDCANCEL);

    EXPECT_EQ(before.shown, Shown({u"1", u"1", u"1"}));
    EXPECT_FALSE(before.writeEnabled);
    EXPECT_EQ(readText, Expected().readButton);
    EXPECT_EQ(writeText, Expected().writeButton);
    EXPECT_TRUE(focusOnFirstList);
    EXPECT_TRUE(hasIcon);
    EXPECT_EQ(sim_read_requests(), 0U);
    SimLine line{};
    sim_get_line(&line);
    EXPECT_EQ(line.open, 1);
}

TEST_F(MainDialog, WithoutInterfaceUnitShowsNotConnectedAndEnds) {
    sim_set_plugged(0);
    SeenMessage seen;
    user.AnswerMessageBox(&seen);
    EXPECT_EQ(Run(), IDCANCEL);

    EXPECT_EQ(seen.text, Expected().notConnected);
    EXPECT_EQ(seen.caption, Expected().error);
    EXPECT_EQ(seen.icon, BoxIcon::Stop);
}

// --- Read ---------------------------------------------------------------------------------------

// Test names from the cases' names.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& param) {
    return param.param.name;
}

struct ReadCase {
    const char* name;
    std::array<std::uint8_t, 3> decoder;
    Shown shown;
};
void PrintTo(const ReadCase& param, std::ostream* os) {
    *os << param.name;
}

class ReadShows : public MainDialog, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadShows, TheDecodersAssignmentsAndEnablesWrite) {
    const auto& [name, decoder, shown] = GetParam();
    SetDecoder(decoder[0], decoder[1], decoder[2]);
    Snapshot after;
    user.OnDialog(kTitle, [&](Window dlg) {
        ReadNow(dlg);
        after.Take(dlg);
        dialogtest::PressEscape(dlg);
    });
    Run();
    EXPECT_EQ(after.shown, shown);
    EXPECT_TRUE(after.writeEnabled);
    EXPECT_FALSE(after.waitCursor);
}

INSTANTIATE_TEST_SUITE_P(
    Assignments, ReadShows,
    ::testing::Values(ReadCase{"FirstAndDgChannels", {0, 16, 17}, {u"1", u"DG1", u"DG2"}},
                      ReadCase{"Channels", {15, 9, 1}, {u"16", u"10", u"2"}},
                      // Values the lists do not offer leave them with no selection.
                      ReadCase{"NotOffered", {18, 200, 255}, {u"", u"", u""}}),
    CaseName<ReadCase>);

// A failure injected into the simulator, and the text the user must get for it.
struct FailureCase {
    const char* name;
    std::function<void()> inject;
    Text ExpectedTexts::*text;
};
void PrintTo(const FailureCase& param, std::ostream* os) {
    *os << param.name;
}

std::function<void()> FailCall(const char* entryPoint) {
    return [entryPoint] { sim_fail_call(entryPoint, 1, kIoError); };
}

class ReadFailure : public MainDialog, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ReadFailure, ShowsItsMessageAndChangesNothing) {
    SetDecoder(5, 6, 7);
    SeenMessage seen;
    Snapshot after;
    user.OnDialog(kTitle,
                  [&](Window dlg) {
                      GetParam().inject();
                      ReadNow(dlg);
                  })
        .AnswerMessageBox(&seen)
        .OnDialog(kTitle, [&](Window dlg) {
            after.Take(dlg);
            dialogtest::PressEscape(dlg);
        });
    Run();

    EXPECT_EQ(seen.text, Expected().*GetParam().text);
    EXPECT_EQ(seen.caption, Expected().error);
    EXPECT_EQ(seen.icon, BoxIcon::Stop);
    // The box shows the arrow, and the wait cursor ends with the command.
    EXPECT_TRUE(seen.arrowCursor);
    EXPECT_FALSE(after.waitCursor);
    EXPECT_EQ(after.shown, Shown({u"1", u"1", u"1"}));
    EXPECT_FALSE(after.writeEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ReadFailure,
    ::testing::Values(
        FailureCase{"PurgeFails", FailCall("FT_Purge"), &ExpectedTexts::notWorking},
        FailureCase{"CorruptReply", [] { sim_corrupt_replies(1); }, &ExpectedTexts::readError},
        FailureCase{"LinkReadFails", FailCall("FT_Read"), &ExpectedTexts::readError},
        FailureCase{"LinkWriteFails", FailCall("FT_Write"), &ExpectedTexts::readError}),
    CaseName<FailureCase>);

// --- Write --------------------------------------------------------------------------------------

class WriteFailure : public MainDialog, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(WriteFailure, ShowsItsMessageAndKeepsTheUsersChoice) {
    SetDecoder(5, 6, 7);
    SeenMessage seen;
    Snapshot after;
    std::uint32_t writeFramesBefore = 0;
    user.OnDialog(kTitle,
                  [&](Window dlg) {
                      ReadNow(dlg);
                      dialogtest::SelectListIndex(dlg, IDC_SX1, 17);
                      writeFramesBefore = sim_write_frames();
                      GetParam().inject();
                      dialogtest::Click(dlg, IDC_WRITE);
                  })
        .AnswerMessageBox(&seen)
        .OnDialog(kTitle, [&](Window dlg) {
            after.Take(dlg);
            dialogtest::PressEscape(dlg);
        });
    Run();

    EXPECT_EQ(seen.text, Expected().*GetParam().text);
    EXPECT_EQ(seen.caption, Expected().error);
    EXPECT_EQ(seen.icon, BoxIcon::Stop);
    EXPECT_TRUE(seen.arrowCursor);
    EXPECT_FALSE(after.waitCursor);
    EXPECT_EQ(after.shown, Shown({u"DG2", u"7", u"8"}));
    EXPECT_TRUE(after.writeEnabled);
    if (GetParam().text == &ExpectedTexts::incompatible) {
        EXPECT_EQ(sim_write_frames(), writeFramesBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WriteFailure,
    ::testing::Values(
        FailureCase{"PurgeFails", FailCall("FT_Purge"), &ExpectedTexts::notWorking},
        FailureCase{"CorruptReply", [] { sim_corrupt_replies(1); }, &ExpectedTexts::writeError},
        FailureCase{"LinkReadFails", FailCall("FT_Read"), &ExpectedTexts::writeError},
        FailureCase{"LinkWriteFails", FailCall("FT_Write"), &ExpectedTexts::writeError},
        FailureCase{"DecoderIgnoresWrite", [] { sim_set_ignore_writes(1); },
                    &ExpectedTexts::writeError},
        FailureCase{"OtherKindOfDecoder", [] { sim_set_kind(0x5A); },
                    &ExpectedTexts::incompatible}),
    CaseName<FailureCase>);

TEST_F(MainDialog, SuccessfulWriteConfirmsAndASecondReadShowsTheDecoder) {
    SetDecoder(3, 4, 5);
    SeenMessage seen;
    Snapshot afterWrite;
    Snapshot afterSecondRead;
    user.OnDialog(kTitle,
                  [&](Window dlg) {
                      ReadNow(dlg);
                      dialogtest::SelectListIndex(dlg, IDC_SX1, 17);
                      dialogtest::SelectListIndex(dlg, IDC_SX2, 16);
                      dialogtest::SelectListIndex(dlg, IDC_SX3, 0);
                      dialogtest::Click(dlg, IDC_WRITE);
                  })
        .AnswerMessageBox(&seen)
        .OnDialog(kTitle, [&](Window dlg) {
            afterWrite.Take(dlg);
            SetDecoder(9, 10, 11);
            ReadNow(dlg);
            afterSecondRead.Take(dlg);
            dialogtest::PressEscape(dlg);
        });
    Run();

    EXPECT_EQ(seen.text, Expected().written);
    EXPECT_EQ(seen.caption, u"Tolvane");
    EXPECT_EQ(seen.icon, BoxIcon::Information);
    EXPECT_TRUE(seen.arrowCursor);
    EXPECT_EQ(afterWrite.shown, Shown({u"DG2", u"DG1", u"1"}));
    EXPECT_TRUE(afterWrite.writeEnabled);
    EXPECT_EQ(afterSecondRead.shown, Shown({u"10", u"11", u"12"}));
    EXPECT_EQ(sim_write_frames(), 1U);
}

// A list left empty (the decoder reported an assignment it does not offer) must not overwrite
// that assignment when the user writes the others.
TEST_F(MainDialog, WriteKeepsTheDecodersValueForAListWithNoSelection) {
    SetDecoder(2, 20, 200);
    SeenMessage seen;
    user.OnDialog(kTitle,
                  [&](Window dlg) {
                      ReadNow(dlg);
                      dialogtest::SelectListIndex(dlg, IDC_SX1, 5);
                      dialogtest::Click(dlg, IDC_WRITE);
                  })
        .AnswerMessageBox(&seen)
        .OnDialog(kTitle, [](Window dlg) { dialogtest::PressEscape(dlg); });
    Run();

    EXPECT_EQ(seen.text, Expected().written);
    EXPECT_EQ(DecoderAssignments(), (std::array<std::uint8_t, 3>{5, 20, 200}));
}

// --- About box ----------------------------------------------------------------------------------

struct SysCommandCase {
    const char* name;
    UINT command;
    bool opensAbout;
};
void PrintTo(const SysCommandCase& param, std::ostream* os) {
    *os << param.name;
}

class SysCommand : public MainDialog, public ::testing::WithParamInterface<SysCommandCase> {};

// The About box answers every command id whose upper bits are 16; other system commands get the
// default handling.
TEST_P(SysCommand, OpensTheAboutBoxForItsIdRange) {
    const auto [name, command, opensAbout] = GetParam();
    int aboutShown = 0;
    bool stillOpen = false;
    user.OnDialog(kTitle, [&, command = command](Window) {
        if (command == SC_MOVE) {
            dialogtest::QueueEndOfMove();
        }
        dialog.SendMessage(WM_SYSCOMMAND, command, 0);
    });
    if (opensAbout) {
        user.OnDialog(kAboutTitle, [&](Window about) {
            EXPECT_TRUE(dialogtest::ShowsIcon(about));
            EXPECT_TRUE(dialogtest::ShowsText(about, u"Tolvane Version 1.0"));
            ++aboutShown;
            dialogtest::CloseDialog(about);
        });
    }
    user.OnDialog(kTitle, [&](Window dlg) {
        stillOpen = true;
        dialogtest::PressEscape(dlg);
    });
    Run();
    EXPECT_EQ(aboutShown, opensAbout ? 1 : 0);
    EXPECT_TRUE(stillOpen);
}

INSTANTIATE_TEST_SUITE_P(Ids, SysCommand,
                         ::testing::Values(SysCommandCase{"About", 16, true},
                                           SysCommandCase{"AboutLowBitsSet", 31, true},
                                           SysCommandCase{"NextId", 32, false},
                                           SysCommandCase{"Move", SC_MOVE, false}),
                         CaseName<SysCommandCase>);

// --- Application --------------------------------------------------------------------------------

// The program's start-up runs the main dialog as its main window and ends when it closes.
TEST(Application, RunsTheMainDialogAndEndsWhenItCloses) {
    theLink.Close();
    sim_reset();
    bool wasMainWindow = false;
    User user;
    // The user acts only on a dialog that shows and takes input.
    user.OnDialog(kTitle, [&](Window dlg) {
        wasMainWindow =
            AfxGetApp()->m_pMainWnd != nullptr && AfxGetApp()->m_pMainWnd->m_hWnd != nullptr;
        dialogtest::PressEscape(dlg);
    });
    user.Start();
    EXPECT_EQ(AfxWinMain(), 0);
    user.ExpectAllDone();
    EXPECT_TRUE(wasMainWindow);
    EXPECT_EQ(AfxGetApp()->m_pMainWnd, nullptr);
}

} // namespace
