// The main dialog as a user meets it, driven through the Qt backend against the simulated
// interface unit and decoder: start-up, Read, Write, their error messages, the About box, the
// keyboard and the Write button's states.

#include "app/TolvaneDlg.h"
#include "app/resource.h"
#include "framework/WinApp.h"
#include "link/Pellix.h"
#include "simulator/SimControl.h"
#include "tests/dialog/Driver.h"
#include "tests/dialog/ExpectedTexts.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <functional>

using dialogtest::Button;
using dialogtest::Combo;
using dialogtest::Driver;
using dialogtest::Expected;
using dialogtest::ExpectedTexts;
using dialogtest::SeenMessage;

namespace {

const QString kTitle = QStringLiteral("Tolvane");
const QString kAboutTitle = QStringLiteral("Morrick Tolvane");
constexpr std::uint32_t kIoError = 4; // a D2XX failure status

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

// What the three lists show.
QStringList Shown(QWidget* dialog) {
    return {Combo(dialog, IDC_SX1)->currentText(), Combo(dialog, IDC_SX2)->currentText(),
            Combo(dialog, IDC_SX3)->currentText()};
}

bool WriteEnabled(QWidget* dialog) {
    return Button(dialog, IDC_WRITE)->isEnabled();
}

// What the test saw of the dialog at one moment.
struct Snapshot {
    QStringList shown;
    bool writeEnabled = false;
    bool waitCursor = false;
    void Take(QWidget* dialog) {
        shown = Shown(dialog);
        writeEnabled = WriteEnabled(dialog);
        waitCursor = QGuiApplication::overrideCursor() != nullptr;
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
        driver.Start();
        const INT_PTR result = dialog.DoModal();
        driver.ExpectAllDone();
        return result;
    }

    static void ReadNow(QWidget* dlg) { Button(dlg, IDC_READ)->click(); }

    Driver driver;
    CTolvaneDlg dialog;
};

TEST_F(MainDialog, StartsWithEveryListAtChannelOneAndWriteDisabled) {
    Snapshot before;
    QString readText;
    QString writeText;
    bool focusOnFirstList = false;
    bool hasIcon = false;
    driver.OnDialog(kTitle, [&](QWidget* dlg) {
        before.Take(dlg);
        readText = Button(dlg, IDC_READ)->text();
        writeText = Button(dlg, IDC_WRITE)->text();
        focusOnFirstList = dlg->focusWidget() == Combo(dlg, IDC_SX1);
        hasIcon = !dlg->windowIcon().isNull();
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    EXPECT_EQ(Run(), IDCANCEL);

    EXPECT_EQ(before.shown, QStringList({"1", "1", "1"}));
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
    driver.AnswerMessageBox(&seen);
    EXPECT_EQ(Run(), IDCANCEL);

    EXPECT_EQ(seen.text, Expected().notConnected);
    EXPECT_EQ(seen.caption, Expected().error);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
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
    QStringList shown;
};
void PrintTo(const ReadCase& param, std::ostream* os) {
    *os << param.name;
}

class ReadShows : public MainDialog, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadShows, TheDecodersAssignmentsAndEnablesWrite) {
    const auto& [name, decoder, shown] = GetParam();
    SetDecoder(decoder[0], decoder[1], decoder[2]);
    Snapshot after;
    driver.OnDialog(kTitle, [&](QWidget* dlg) {
        ReadNow(dlg);
        after.Take(dlg);
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    Run();
    EXPECT_EQ(after.shown, shown);
    EXPECT_TRUE(after.writeEnabled);
    EXPECT_FALSE(after.waitCursor);
}

INSTANTIATE_TEST_SUITE_P(
    Assignments, ReadShows,
    ::testing::Values(ReadCase{"FirstAndDgChannels", {0, 16, 17}, {"1", "DG1", "DG2"}},
                      ReadCase{"Channels", {15, 9, 1}, {"16", "10", "2"}},
                      // Values the lists do not offer leave them with no selection.
                      ReadCase{"NotOffered", {18, 200, 255}, {"", "", ""}}),
    CaseName<ReadCase>);

// A failure injected into the simulator, and the text the user must get for it.
struct FailureCase {
    const char* name;
    std::function<void()> inject;
    QString ExpectedTexts::*text;
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
    driver
        .OnDialog(kTitle,
                  [&](QWidget* dlg) {
                      GetParam().inject();
                      ReadNow(dlg);
                  })
        .AnswerMessageBox(&seen)
        .OnDialog(kTitle, [&](QWidget* dlg) {
            after.Take(dlg);
            QTest::keyClick(dlg, Qt::Key_Escape);
        });
    Run();

    EXPECT_EQ(seen.text, Expected().*GetParam().text);
    EXPECT_EQ(seen.caption, Expected().error);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    // The box shows the arrow, and the wait cursor ends with the command.
    EXPECT_EQ(seen.overrideCursor, static_cast<int>(Qt::ArrowCursor));
    EXPECT_FALSE(after.waitCursor);
    EXPECT_EQ(after.shown, QStringList({"1", "1", "1"}));
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
    driver
        .OnDialog(kTitle,
                  [&](QWidget* dlg) {
                      ReadNow(dlg);
                      Combo(dlg, IDC_SX1)->setCurrentIndex(17);
                      writeFramesBefore = sim_write_frames();
                      GetParam().inject();
                      Button(dlg, IDC_WRITE)->click();
                  })
        .AnswerMessageBox(&seen)
        .OnDialog(kTitle, [&](QWidget* dlg) {
            after.Take(dlg);
            QTest::keyClick(dlg, Qt::Key_Escape);
        });
    Run();

    EXPECT_EQ(seen.text, Expected().*GetParam().text);
    EXPECT_EQ(seen.caption, Expected().error);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.overrideCursor, static_cast<int>(Qt::ArrowCursor));
    EXPECT_FALSE(after.waitCursor);
    EXPECT_EQ(after.shown, QStringList({"DG2", "7", "8"}));
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
    driver
        .OnDialog(kTitle,
                  [&](QWidget* dlg) {
                      ReadNow(dlg);
                      Combo(dlg, IDC_SX1)->setCurrentIndex(17);
                      Combo(dlg, IDC_SX2)->setCurrentIndex(16);
                      Combo(dlg, IDC_SX3)->setCurrentIndex(0);
                      Button(dlg, IDC_WRITE)->click();
                  })
        .AnswerMessageBox(&seen)
        .OnDialog(kTitle, [&](QWidget* dlg) {
            afterWrite.Take(dlg);
            SetDecoder(9, 10, 11);
            ReadNow(dlg);
            afterSecondRead.Take(dlg);
            QTest::keyClick(dlg, Qt::Key_Escape);
        });
    Run();

    EXPECT_EQ(seen.text, Expected().written);
    EXPECT_EQ(seen.caption, QStringLiteral("Tolvane"));
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.overrideCursor, static_cast<int>(Qt::ArrowCursor));
    EXPECT_EQ(afterWrite.shown, QStringList({"DG2", "DG1", "1"}));
    EXPECT_TRUE(afterWrite.writeEnabled);
    EXPECT_EQ(afterSecondRead.shown, QStringList({"10", "11", "12"}));
    EXPECT_EQ(sim_write_frames(), 1U);
}

// A list left empty (the decoder reported an assignment it does not offer) must not overwrite
// that assignment when the user writes the others.
TEST_F(MainDialog, WriteKeepsTheDecodersValueForAListWithNoSelection) {
    SetDecoder(2, 20, 200);
    SeenMessage seen;
    driver
        .OnDialog(kTitle,
                  [&](QWidget* dlg) {
                      ReadNow(dlg);
                      Combo(dlg, IDC_SX1)->setCurrentIndex(5);
                      Button(dlg, IDC_WRITE)->click();
                  })
        .AnswerMessageBox(&seen)
        .OnDialog(kTitle, [](QWidget* dlg) { QTest::keyClick(dlg, Qt::Key_Escape); });
    Run();

    EXPECT_EQ(seen.text, Expected().written);
    EXPECT_EQ(DecoderAssignments(), (std::array<std::uint8_t, 3>{5, 20, 200}));
}

// --- System menu and About box ------------------------------------------------------------------

// Checks the About box and closes it one of the ways a user can.
Driver::Action CheckAboutAndClose(std::function<void(QWidget*)> close, int* shown) {
    return [close = std::move(close), shown](QWidget* about) {
        bool hasIcon = false;
        bool hasVersion = false;
        for (const QLabel* label : about->findChildren<QLabel*>()) {
            hasIcon = hasIcon || !label->pixmap().isNull();
            hasVersion = hasVersion || label->text() == QStringLiteral("Tolvane Version 1.0");
        }
        EXPECT_TRUE(hasIcon);
        EXPECT_TRUE(hasVersion);
        ++*shown;
        close(about);
    };
}

TEST_F(MainDialog, SystemMenuHoldsCloseAndTheAboutItemWhichOpensTheAboutBox) {
    QStringList items;
    int aboutShown = 0;
    driver
        .OnDialog(kTitle,
                  [](QWidget* dlg) { QTest::keyClick(dlg, Qt::Key_Space, Qt::AltModifier); })
        .When(
            "system menu", [] { return dialogtest::FindPopupMenu(); },
            [&](QWidget* widget) {
                for (const QAction* action : widget->actions()) {
                    items << (action->isSeparator() ? QStringLiteral("-") : action->text());
                }
                QTest::keyClick(widget, Qt::Key_A); // the item's access key
            })
        .OnDialog(
            kAboutTitle,
            CheckAboutAndClose([](QWidget* about) { Button(about, IDOK)->click(); }, &aboutShown))
        // A right-click on the dialog opens the same menu.
        .OnDialog(kTitle,
                  [](QWidget* dlg) {
                      QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                              dlg->mapToGlobal(QPoint(5, 5)));
                      QCoreApplication::sendEvent(dlg, &event);
                  })
        .When(
            "system menu again", [] { return dialogtest::FindPopupMenu(); },
            [](QWidget* menu) { QTest::keyClick(menu, Qt::Key_A); })
        .OnDialog(kAboutTitle,
                  CheckAboutAndClose([](QWidget* about) { QTest::keyClick(about, Qt::Key_Escape); },
                                     &aboutShown))
        .OnDialog(kTitle, [](QWidget* dlg) { QTest::keyClick(dlg, Qt::Key_Escape); });
    EXPECT_EQ(Run(), IDCANCEL);

    EXPECT_EQ(items, QStringList({Expected().closeItem, "-", Expected().aboutItem}));
    EXPECT_EQ(aboutShown, 2);
}

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
    driver.OnDialog(kTitle, [&, command = command](QWidget*) {
        dialog.SendMessage(WM_SYSCOMMAND, command, 0);
    });
    if (opensAbout) {
        driver.OnDialog(kAboutTitle,
                        CheckAboutAndClose([](QWidget* about) { about->close(); }, &aboutShown));
    }
    driver.OnDialog(kTitle, [&](QWidget* dlg) {
        stillOpen = true;
        QTest::keyClick(dlg, Qt::Key_Escape);
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

// --- Keyboard -----------------------------------------------------------------------------------

struct EndCase {
    const char* name;
    std::function<void(Driver&)> steps;
    INT_PTR result;
};
void PrintTo(const EndCase& param, std::ostream* os) {
    *os << param.name;
}

class Ending : public MainDialog, public ::testing::WithParamInterface<EndCase> {};

TEST_P(Ending, EndsTheDialogTheFrameworksWay) {
    GetParam().steps(driver);
    EXPECT_EQ(Run(), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Ending,
    ::testing::Values(EndCase{"EnterOnAList",
                              [](Driver& d) {
                                  d.OnDialog(kTitle, [](QWidget* dlg) {
                                      QTest::keyClick(Combo(dlg, IDC_SX2), Qt::Key_Return);
                                  });
                              },
                              IDOK},
                      EndCase{"Escape",
                              [](Driver& d) {
                                  d.OnDialog(kTitle, [](QWidget* dlg) {
                                      QTest::keyClick(Combo(dlg, IDC_SX1), Qt::Key_Escape);
                                  });
                              },
                              IDCANCEL},
                      EndCase{
                          "CloseBox",
                          [](Driver& d) { d.OnDialog(kTitle, [](QWidget* dlg) { dlg->close(); }); },
                          IDCANCEL},
                      EndCase{"SystemMenuClose",
                              [](Driver& d) {
                                  d.OnDialog(kTitle,
                                             [](QWidget* dlg) {
                                                 QTest::keyClick(dlg, Qt::Key_Space,
                                                                 Qt::AltModifier);
                                             })
                                      .When(
                                          "system menu", [] { return dialogtest::FindPopupMenu(); },
                                          [](QWidget* widget) {
                                              auto* menu = qobject_cast<QMenu*>(widget);
                                              menu->setActiveAction(menu->actions().first());
                                              QTest::keyClick(menu, Qt::Key_Return);
                                          });
                              },
                              IDCANCEL}),
    CaseName<EndCase>);

class KeyOnButton : public MainDialog, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(KeyOnButton, PressesTheFocusedButton) {
    bool stillOpen = false;
    driver.OnDialog(kTitle, [&](QWidget* dlg) {
        QPushButton* read = Button(dlg, IDC_READ);
        read->setFocus();
        QTest::keyClick(read, GetParam());
        stillOpen = dlg->isVisible();
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    Run();
    EXPECT_EQ(sim_read_requests(), 1U);
    EXPECT_TRUE(stillOpen);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyOnButton,
                         ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space),
                         [](const ::testing::TestParamInfo<Qt::Key>& key) {
                             return std::string(key.param == Qt::Key_Space   ? "Space"
                                                : key.param == Qt::Key_Enter ? "Enter"
                                                                             : "Return");
                         });

// Tab walks the controls that take focus in template order (statics and a disabled Write button
// are skipped); Shift+Tab walks back.
TEST_F(MainDialog, TabMovesThroughTheControlsInTemplateOrder) {
    std::vector<int> forward;
    std::vector<int> backward;
    std::vector<int> withWrite;
    const auto walk = [](QWidget* dlg, Qt::KeyboardModifiers modifiers, int steps) {
        std::vector<int> ids;
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(dlg->focusWidget(), Qt::Key_Tab, modifiers);
            ids.push_back(dlg->focusWidget()->property("fwControlId").toInt());
        }
        return ids;
    };
    driver.OnDialog(kTitle, [&](QWidget* dlg) {
        forward = walk(dlg, Qt::NoModifier, 5);
        backward = walk(dlg, Qt::ShiftModifier, 2);
        ReadNow(dlg);
        Combo(dlg, IDC_SX1)->setFocus();
        withWrite = walk(dlg, Qt::NoModifier, 5);
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    Run();
    EXPECT_EQ(forward, (std::vector<int>{IDC_SX2, IDC_SX3, IDC_READ, IDC_SX1, IDC_SX2}));
    EXPECT_EQ(backward, (std::vector<int>{IDC_SX1, IDC_READ}));
    EXPECT_EQ(withWrite, (std::vector<int>{IDC_SX2, IDC_SX3, IDC_READ, IDC_WRITE, IDC_SX1}));
}

// --- Application --------------------------------------------------------------------------------

// The program's start-up runs the main dialog as its main window and ends when it closes.
TEST(Application, RunsTheMainDialogAndEndsWhenItCloses) {
    theLink.Close();
    sim_reset();
    bool wasMainWindow = false;
    Driver driver;
    driver.OnDialog(kTitle, [&](QWidget* dlg) {
        wasMainWindow = AfxGetApp()->m_pMainWnd != nullptr &&
                        AfxGetApp()->m_pMainWnd->m_hWnd != nullptr && dlg->isVisible();
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    driver.Start();
    EXPECT_EQ(AfxWinMain(), 0);
    driver.ExpectAllDone();
    EXPECT_TRUE(wasMainWindow);
    EXPECT_EQ(AfxGetApp()->m_pMainWnd, nullptr);
}

} // namespace
