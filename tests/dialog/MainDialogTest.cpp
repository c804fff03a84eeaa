// The main dialog through ways in that the Qt backend provides on its own: the system menu as a
// popup (keyboard and right-click), the keyboard and tab order. The scenarios every platform shares
// are in MainDialogScenarios.cpp.

#include "app/TolvaneDlg.h"
#include "app/resource.h"
#include "link/Pellix.h"
#include "simulator/SimControl.h"
#include "tests/dialog/Driver.h"
#include "tests/dialog/ExpectedTexts.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using dialogtest::Button;
using dialogtest::Combo;
using dialogtest::Driver;
using dialogtest::Expected;

namespace {

const QString kTitle = QStringLiteral("Tolvane");
const QString kAboutTitle = QStringLiteral("Morrick Tolvane");

QString Q(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

class MainDialogQt : public ::testing::Test {
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

TEST_F(MainDialogQt, SystemMenuHoldsCloseAndTheAboutItemWhichOpensTheAboutBox) {
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

    EXPECT_EQ(items, QStringList({Q(Expected().closeItem), "-", Q(Expected().aboutItem)}));
    EXPECT_EQ(aboutShown, 2);
}

// Test names from the cases' names.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& param) {
    return param.param.name;
}

// --- Keyboard -----------------------------------------------------------------------------------

struct EndCase {
    const char* name;
    std::function<void(Driver&)> steps;
    INT_PTR result;
};
void PrintTo(const EndCase& param, std::ostream* os) {
    *os << param.name;
}

class Ending : public MainDialogQt, public ::testing::WithParamInterface<EndCase> {};

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

class KeyOnButton : public MainDialogQt, public ::testing::WithParamInterface<Qt::Key> {};

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
TEST_F(MainDialogQt, TabMovesThroughTheControlsInTemplateOrder) {
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

} // namespace
