// The real screens in real (offscreen) windows, played with real key events
// through the shell's key path; time stays virtual.

#include "app/qt/QtShell.h"
#include "support/GameDriver.h"
#include "support/QtTestEnvironment.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

using testing_support::GameDriver;
using testing_support::settle;

class QtGame : public ::testing::Test {
protected:
    testing_support::GameDriver d;
    qtshell::QtShell shell{d.app, d.clock};

    QWidget* window(std::string_view screen) const { return shell.windowOf(d.app.screen(screen)); }
    void key(std::string_view screen, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window(screen)->windowHandle(), key, modifiers);
        settle();
    }
    bool viewShown(std::string_view screen, std::string_view widget) const
    {
        const QWidget* view = shell.viewOf(*d.app.screen(screen).find(widget));
        return view && view->isVisible();
    }
};

TEST_F(QtGame, CtrlThenTheTargetKeyShowsOkAndTheReadyScreenComesBack)
{
    d.app.start();
    settle();
    key("Form1", Qt::Key_1, Qt::AltModifier);
    key("Form1", Qt::Key_Q, Qt::AltModifier);
    key("Form1", Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(window("Form4")->isVisible());
    EXPECT_FALSE(window("Form1")->isVisible());

    d.keys.draw(GameDriver::indexOf("K"));
    d.wait(5);
    key("Form4", Qt::Key_Control);
    ASSERT_TRUE(window("Form3")->isVisible());
    EXPECT_FALSE(window("Form4")->isVisible());

    key("Form3", Qt::Key_J);
    EXPECT_EQ(d.caption("Form4", "Mlbl"), "1");
    key("Form3", Qt::Key_K, Qt::ShiftModifier);
    EXPECT_TRUE(viewShown("Form3", "lbl3")) << "OK is shown";
    EXPECT_EQ(d.caption("Form4", "Slbl"), "1");

    d.wait(200);
    settle();
    EXPECT_TRUE(window("Form4")->isVisible());
    EXPECT_FALSE(window("Form3")->isVisible());
    EXPECT_FALSE(viewShown("Form3", "lbl3")) << "the game screen came back with its layout";
}

} // namespace
