// The Qt shell against real (offscreen) windows: what the player would see
// and what reaches the handlers when keys are pressed and windows clicked.

#include "app/Application.h"
#include "app/Clock.h"
#include "app/Screen.h"
#include "app/qt/CaptionLayout.h"
#include "app/qt/Colors.h"
#include "app/qt/Fonts.h"
#include "app/qt/Geometry.h"
#include "app/qt/IconImages.h"
#include "app/qt/KeyCodes.h"
#include "app/qt/LabelView.h"
#include "app/qt/QtShell.h"
#include "layouts/Layouts.h"
#include "support/QtTestEnvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QInputMethodQueryEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using testing_support::settle;

QColor pixelAt(QWidget* widget, QPoint at)
{
    return widget->grab().toImage().pixelColor(at);
}

// --- Fixture screens -----------------------------------------------------------

using enum app::WidgetKind;

template <std::size_t N>
constexpr std::array<std::string_view, N> solidRows(std::string_view row)
{
    std::array<std::string_view, N> rows{};
    for (auto& r : rows)
        r = row;
    return rows;
}

constexpr auto kRedRows16 = solidRows<16>("9999999999999999");
constexpr auto kBlueRows32 = solidRows<32>("cccccccccccccccccccccccccccccccc");
constexpr app::IconDesc kTestIcon = {.small = {16, kRedRows16}, .large = {32, kBlueRows32}};

// At 96 dpi: a 240 x 160 px client area at (100, 100), light cyan. In pixels:
// Frame1 (120,10) 100x60 light green, holding lblIn (130,20) 30x20 red and
// lblClip (200,50) 60x10 blue, which reaches past the frame's right edge;
// lbl1 (10,10) 80x30 white with a border; lblHidden (10,50) 40x20 red, hidden;
// three buttons at y 110: cmdLow (disabled, tab 1), cmdFirst (tab 2),
// cmdSecond (tab 3). Two timers, both off: tmr (100 ms) and tmrFast (1 ms).
constexpr auto kMainWidgets = std::to_array<app::WidgetDesc>({
    {.name = "Frame1", .kind = Frame, .container = "", .left = 1800, .top = 150, .width = 1500, .height = 900, .backColor = 0xC0FFC0},
    {.name = "lblIn", .kind = Label, .container = "Frame1", .left = 150, .top = 150, .width = 450, .height = 300, .backColor = 0x0000FF},
    {.name = "lblClip", .kind = Label, .container = "Frame1", .left = 1200, .top = 600, .width = 900, .height = 150, .backColor = 0xFF0000},
    {.name = "lbl1", .kind = Label, .container = "", .left = 150, .top = 150, .width = 1200, .height = 450, .caption = "x", .backColor = 0xFFFFFF, .border = app::Border::Single},
    {.name = "lblHidden", .kind = Label, .container = "", .left = 150, .top = 750, .width = 600, .height = 300, .backColor = 0x0000FF, .visible = false},
    {.name = "cmdLow", .kind = Button, .container = "", .left = 150, .top = 1650, .width = 900, .height = 375, .caption = "&Low", .enabled = false, .tabIndex = 1},
    {.name = "cmdFirst", .kind = Button, .container = "", .left = 1200, .top = 1650, .width = 900, .height = 375, .caption = "&First", .tabIndex = 2},
    {.name = "cmdSecond", .kind = Button, .container = "", .left = 2250, .top = 1650, .width = 900, .height = 375, .caption = "&Second", .tabIndex = 3},
    {.name = "tmr", .kind = Timer, .container = "", .enabled = false, .intervalMs = 100},
    {.name = "tmrFast", .kind = Timer, .container = "", .enabled = false, .intervalMs = 1},
});

constexpr app::ScreenDesc kMainDesc = {
    .name = "Main",
    .caption = " テスト  Ver  1.0",
    .left = 1500,
    .top = 1500,
    .width = 3600,
    .height = 2400,
    .backColor = 0xFFFFC0,
    .keyPreview = true,
    .closeBox = app::CloseBox::EndsProgram,
    .icon = &kTestIcon,
    .widgets = kMainWidgets,
};

constexpr auto kToolWidgets = std::to_array<app::WidgetDesc>({
    {.name = "cmdTool", .kind = Button, .container = "", .left = 150, .top = 150, .width = 900, .height = 375, .caption = "&Tool"},
});

constexpr app::ScreenDesc toolDesc(app::CloseBox closeBox)
{
    return {.name = "Tool", .caption = "Tool", .left = 6000, .top = 1500, .width = 1500, .height = 1500,
            .backColor = 0xC0FFC0, .closeBox = closeBox, .widgets = kToolWidgets};
}

constexpr app::ScreenDesc kToolEnds = toolDesc(app::CloseBox::EndsProgram);
constexpr app::ScreenDesc kToolHides = toolDesc(app::CloseBox::HidesScreen);
constexpr app::ScreenDesc kToolAbsent = toolDesc(app::CloseBox::Absent);

// What a handler of a test does is given by the test itself.
class MainScreen : public app::Screen {
public:
    using app::Screen::Screen;

    std::function<void()> onFirst;
    std::function<void()> onSecond;
    int firstClicks = 0;
    int secondClicks = 0;
    int lowClicks = 0;
    int labelClicks = 0;
    int ticks = 0;
    std::vector<std::pair<std::int16_t, std::int16_t>> keys;

protected:
    const app::Bindings& bindings() const override
    {
        static const app::Bindings table = {
            app::on("cmdFirst", app::Event::Click, &MainScreen::cmdFirst_Click),
            app::on("cmdSecond", app::Event::Click, &MainScreen::cmdSecond_Click),
            app::on("cmdLow", app::Event::Click, &MainScreen::cmdLow_Click),
            app::on("lbl1", app::Event::Click, &MainScreen::lbl1_Click),
            app::on("tmr", app::Event::Timer, &MainScreen::tmr_Timer),
            app::on(app::kFormName, app::Event::KeyDown, &MainScreen::Form_KeyDown),
        };
        return table;
    }

private:
    void cmdFirst_Click()
    {
        ++firstClicks;
        if (onFirst)
            onFirst();
    }
    void cmdSecond_Click()
    {
        ++secondClicks;
        if (onSecond)
            onSecond();
    }
    void cmdLow_Click() { ++lowClicks; }
    void lbl1_Click() { ++labelClicks; }
    void tmr_Timer() { ++ticks; }
    void Form_KeyDown(std::int16_t keyCode, std::int16_t shift) { keys.emplace_back(keyCode, shift); }
};

class ToolScreen : public app::Screen {
public:
    using app::Screen::Screen;
};

// Main and Tool on one frame with the shell; Main is shown first.
class ShellTest : public ::testing::Test {
protected:
    void start()
    {
        app.start();
        settle();
    }
    QWidget* window(const app::Screen& screen) const { return shell.windowOf(screen); }
    QWindow* handle(const app::Screen& screen) const { return window(screen)->windowHandle(); }
    QWidget* view(app::Screen& screen, std::string_view name) const { return shell.viewOf(*screen.find(name)); }
    QPushButton* button(std::string_view name) const { return qobject_cast<QPushButton*>(view(main, name)); }
    void click(std::string_view name) const { QTest::mouseClick(view(main, name), Qt::LeftButton); }

    app::ManualClock clock;
    app::Application app{clock};
    MainScreen& main = app.add<MainScreen>(kMainDesc);
    ToolScreen& tool = app.add<ToolScreen>(kToolHides);
    qtshell::QtShell shell{app, clock};
};

bool offscreenAt96Dpi()
{
    return qtshell::logicalDpi() == 96.0;
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// --- Conversions -----------------------------------------------------------------

TEST(ColorConversion, AmpersandHValuesAreBlueGreenRed)
{
    struct Row {
        const char* name;
        app::Color color;
        QColor expected;
    };
    const Row rows[] = {
        {"&HFF is red", 0xFF, QColor(0xFF, 0, 0)},
        {"&HFF0000 is blue", 0xFF0000, QColor(0, 0, 0xFF)},
        {"&HC0FFC0 light green", 0xC0FFC0, QColor(0xC0, 0xFF, 0xC0)},
        {"&HFFFFC0 light cyan", 0xFFFFC0, QColor(0xC0, 0xFF, 0xFF)},
        {"&H8000000F button face", app::kButtonFace, QApplication::palette().color(QPalette::Button)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(qtshell::toQColor(row.color), row.expected);
    }
}

TEST(KeyCodes, KeyEventsBecomeTheHandlersKeyCodes)
{
    struct Row {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        quint32 scanCode;
        std::int16_t code;
        std::int16_t shift;
    };
    const Row rows[] = {
        {"a", Qt::Key_A, Qt::NoModifier, 38, 65, 0},
        {"Shift+a", Qt::Key_A, Qt::ShiftModifier, 38, 65, 1},
        {"z", Qt::Key_Z, Qt::NoModifier, 52, 90, 0},
        {"main-row 1", Qt::Key_1, Qt::NoModifier, 10, 49, 0},
        {"Shift+1 arrives as !", Qt::Key_Exclam, Qt::ShiftModifier, 10, 49, 1},
        {"Shift+9 arrives as (", Qt::Key_ParenLeft, Qt::ShiftModifier, 18, 57, 1},
        {"Shift+0 arrives as nothing known", Qt::Key_unknown, Qt::ShiftModifier, 19, 48, 1},
        {"keypad 1", Qt::Key_1, Qt::KeypadModifier, 87, 97, 0},
        {"keypad 0", Qt::Key_0, Qt::KeypadModifier, 90, 96, 0},
        {"left Ctrl", Qt::Key_Control, Qt::NoModifier, 37, 17, 2},
        {"right Ctrl", Qt::Key_Control, Qt::ControlModifier, 105, 17, 2},
        {"Shift", Qt::Key_Shift, Qt::NoModifier, 50, 16, 1},
        {"Alt", Qt::Key_Alt, Qt::NoModifier, 64, 18, 4},
        {"Alt+a", Qt::Key_A, Qt::AltModifier, 38, 65, 4},
        {"Ctrl+Shift+q", Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier, 24, 81, 3},
        {"Space", Qt::Key_Space, Qt::NoModifier, 65, 32, 0},
        {"Return", Qt::Key_Return, Qt::NoModifier, 36, 13, 0},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, 104, 13, 0},
        {"Tab", Qt::Key_Tab, Qt::NoModifier, 23, 9, 0},
        {"Shift+Tab arrives as Backtab", Qt::Key_Backtab, Qt::ShiftModifier, 23, 9, 1},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, 9, 27, 0},
        {"Left", Qt::Key_Left, Qt::NoModifier, 113, 37, 0},
        {"Down", Qt::Key_Down, Qt::NoModifier, 116, 40, 0},
        {"F1", Qt::Key_F1, Qt::NoModifier, 67, 112, 0},
        {"F12", Qt::Key_F12, Qt::NoModifier, 96, 123, 0},
        {"a key no handler knows", Qt::Key_Menu, Qt::NoModifier, 135, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QKeyEvent event(QEvent::KeyPress, row.key, row.modifiers, row.scanCode, 0, 0);
        EXPECT_EQ(qtshell::keyCodeOf(event), row.code);
        EXPECT_EQ(qtshell::shiftMaskOf(event), row.shift);
    }
}

TEST(Geometry, TwipsBecomePixelsByTheLogicalDpi)
{
    EXPECT_EQ(qtshell::twipsToPixels(15, 96.0), 1);
    EXPECT_EQ(qtshell::twipsToPixels(7095, 96.0), 473);
    EXPECT_EQ(qtshell::twipsToPixels(1440, 120.0), 120);
    EXPECT_EQ(qtshell::twipsToPixels(7, 96.0), 0);
    EXPECT_EQ(qtshell::twipsToPixels(8, 96.0), 1);
    // Neighbouring key caps overlap by one border line at any resolution.
    const app::WidgetDesc first{.name = "first", .container = "", .left = 0, .width = 495, .height = 495};
    const app::WidgetDesc second{.name = "second", .container = "", .left = 480, .width = 495, .height = 495};
    for (const double dpi : {96.0, 120.0, 144.0}) {
        SCOPED_TRACE(dpi);
        const QRect a = qtshell::widgetRect(first, dpi);
        const QRect b = qtshell::widgetRect(second, dpi);
        EXPECT_EQ(b.left(), qtshell::twipsToPixels(480, dpi));
        EXPECT_EQ(a.right() + 1, qtshell::twipsToPixels(495, dpi));
    }
}

TEST(CaptionLayout, BreaksBetweenWordsAndJapaneseCharactersNeverInsideANumber)
{
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSizeF(15.75);
    const QFontMetrics metrics(font);
    const auto width = [&](const char* text) { return metrics.horizontalAdvance(QString::fromUtf8(text)); };
    struct Row {
        const char* what;
        const char* caption;
        int width;
        std::vector<const char*> lines;
    };
    const Row rows[] = {
        {"a long accuracy is cut, not broken", "8.33333333333333", width("8.33"), {"8.33333333333333"}},
        {"words break at spaces, which go", "ab cd  ef", width("ab cd"), {"ab cd", "ef"}},
        {"doubled spaces inside a line stay", "Push  [ Ctrl ]", width("Push  [ Ctrl ]"), {"Push  [ Ctrl ]"}},
        {"Japanese breaks between characters", "準備が出来たら", width("準備が"), {"準備が", "出来た", "ら"}},
        {"a Latin word after Japanese stays whole", "時間はOK", width("時間は"), {"時間は", "OK"}},
        {"empty caption", "", 10, {""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QStringList expected;
        for (const char* line : row.lines)
            expected.push_back(QString::fromUtf8(line));
        EXPECT_EQ(qtshell::captionLines(QString::fromUtf8(row.caption), metrics, row.width), expected);
    }
}

TEST(IconImages, GridCharactersIndexTheSixteenColourPalette)
{
    EXPECT_EQ(qtshell::paletteColor('0'), QColor(0, 0, 0));
    EXPECT_EQ(qtshell::paletteColor('7'), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(qtshell::paletteColor('9'), QColor(0xFF, 0, 0));
    EXPECT_EQ(qtshell::paletteColor('e'), QColor(0, 0xFF, 0xFF));
    EXPECT_EQ(qtshell::paletteColor('f'), QColor(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(qtshell::paletteColor(' ').alpha(), 0);

    const QIcon icon = qtshell::toQIcon(kTestIcon);
    EXPECT_EQ(icon.pixmap(16).toImage().pixelColor(3, 3), QColor(0xFF, 0, 0));
    EXPECT_EQ(icon.pixmap(32).toImage().pixelColor(20, 20), QColor(0, 0, 0xFF));
}

TEST(Fonts, DesignFaceResolvesToAJapaneseFaceAtFractionalSizes)
{
    qtshell::installFontSubstitutes();
    if (!QFontDatabase::families().contains(QStringLiteral("IPAPGothic")))
        GTEST_SKIP() << "IPAPGothic is not installed";
    const QFont font = qtshell::designFont(20.25);
    EXPECT_EQ(font.pointSizeF(), 20.25);
    EXPECT_EQ(font.weight(), QFont::Normal);
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("IPAPGothic"));
}

// --- Windows ---------------------------------------------------------------------

TEST_F(ShellTest, WindowHasTheClientAreaInPixelsAndIsFixed)
{
    if (!offscreenAt96Dpi())
        GTEST_SKIP() << "display is not at 96 dpi";
    start();
    QWidget* w = window(main);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->geometry(), QRect(100, 100, 240, 160));
    EXPECT_EQ(w->minimumSize(), QSize(240, 160));
    EXPECT_EQ(w->maximumSize(), QSize(240, 160));
    EXPECT_EQ(view(main, "lblIn")->geometry(), QRect(10, 10, 30, 20)); // relative to its frame
}

TEST_F(ShellTest, WindowHasCaptionIconAndOnlyACloseBox)
{
    start();
    QWidget* w = window(main);
    EXPECT_EQ(w->windowTitle(), QStringLiteral(" テスト  Ver  1.0"));
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(w->windowIcon().pixmap(16).toImage().pixelColor(0, 0), QColor(0xFF, 0, 0));
    EXPECT_EQ(w->windowIcon().pixmap(32).toImage().pixelColor(0, 0), QColor(0, 0, 0xFF));
}

TEST_F(ShellTest, LoadCreatesAHiddenWindowAndUnloadRemovesIt)
{
    start();
    main.label("lbl1"); // already loaded: nothing new
    tool.button("cmdTool"); // a reference loads, hidden
    ASSERT_NE(window(tool), nullptr);
    EXPECT_FALSE(window(tool)->isVisible());
    QPointer<QWidget> old = window(tool);
    tool.Unload();
    EXPECT_EQ(window(tool), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
}

TEST_F(ShellTest, PaintsWindowFramesAndLabelsInTheirColours)
{
    if (!offscreenAt96Dpi())
        GTEST_SKIP() << "display is not at 96 dpi";
    start();
    struct Sample {
        const char* name;
        QPoint at;
        QColor expected;
    };
    const QColor lightCyan(0xC0, 0xFF, 0xFF);
    const Sample samples[] = {
        {"window background", {5, 5}, lightCyan},
        {"frame inside", {180, 50}, QColor(0xC0, 0xFF, 0xC0)},
        {"label in a frame", {145, 30}, QColor(0xFF, 0, 0)},
        {"label up to the frame's edge", {210, 55}, QColor(0, 0, 0xFF)},
        {"label cut off beyond its frame", {225, 55}, lightCyan},
        {"label border", {10, 10}, QColor(0, 0, 0)},
        {"label fill inside its border", {85, 35}, QColor(0xFF, 0xFF, 0xFF)},
        {"hidden label draws nothing", {20, 60}, lightCyan},
    };
    const QImage image = window(main)->grab().toImage();
    for (const Sample& s : samples) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(image.pixelColor(s.at), s.expected);
    }
}

TEST_F(ShellTest, VisibleAndBackColorWritesShowAfterTheEvent)
{
    start();
    main.label("lblHidden").setVisible(true);
    main.label("lblIn").setBackColor(0x00FF00);
    settle();
    EXPECT_TRUE(view(main, "lblHidden")->isVisible());
    EXPECT_EQ(pixelAt(view(main, "lblHidden"), {5, 5}), QColor(0xFF, 0, 0));
    EXPECT_EQ(pixelAt(view(main, "lblIn"), {5, 5}), QColor(0, 0xFF, 0));
    main.label("lblHidden").setVisible(false);
    EXPECT_FALSE(view(main, "lblHidden")->isVisible());
}

TEST_F(ShellTest, ABurstOfWritesPaintsOnceAfterwards)
{
    start();
    QWidget* label = view(main, "lblIn");
    PaintCounter counter(label);
    for (app::Color c = 1; c <= 36; ++c) {
        main.label("lblIn").setBackColor(c * 0x010101);
        main.label("lblIn").setCaption(std::to_string(c));
    }
    EXPECT_EQ(counter.paints, 0) << "a write painted at once";
    settle();
    EXPECT_LE(counter.paints, 1);
    EXPECT_EQ(static_cast<qtshell::LabelView*>(label)->caption(), QStringLiteral("36"));
    EXPECT_EQ(static_cast<qtshell::LabelView*>(label)->backColor(), QColor(36, 36, 36));
}

TEST_F(ShellTest, LabelsAreStaticTextNamedByTheirCurrentCaption)
{
    start();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(view(main, "lbl1"));
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::StaticText);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("x"));
    main.label("lbl1").setCaption("ミスタッチ");
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("ミスタッチ"));
}

TEST_F(ShellTest, NoWidgetHandsKeysToAnInputMethod)
{
    start();
    QWidget* w = window(main);
    QList<QWidget*> all = w->findChildren<QWidget*>();
    all.append(w);
    for (QWidget* widget : all) {
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_FALSE(widget->testAttribute(Qt::WA_InputMethodEnabled));
    }
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(w->focusWidget() ? w->focusWidget() : w, &query);
    EXPECT_FALSE(query.value(Qt::ImEnabled).toBool());
}

// --- Focus, keys, clicks ---------------------------------------------------------

TEST_F(ShellTest, FirstShowFocusesTheEnabledButtonWithTheLowestTabIndex)
{
    start();
    EXPECT_TRUE(window(main)->isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget(), view(main, "cmdFirst")); // cmdLow is disabled
}

TEST_F(ShellTest, TheFocusedButtonIsDrawnWithAFocusRectangle)
{
    start();
    const QImage focused = view(main, "cmdFirst")->grab().toImage();
    QTest::keyClick(handle(main), Qt::Key_Tab);
    settle();
    ASSERT_NE(QApplication::focusWidget(), view(main, "cmdFirst"));
    EXPECT_NE(view(main, "cmdFirst")->grab().toImage(), focused);
}

TEST_F(ShellTest, SpaceAndEnterPressTheFocusedButtonOnceAndReachKeyDown)
{
    start();
    QTest::keyClick(handle(main), Qt::Key_Space);
    EXPECT_EQ(main.firstClicks, 1);
    QTest::keyClick(handle(main), Qt::Key_Return);
    EXPECT_EQ(main.firstClicks, 2);
    const decltype(main.keys) expected = {{32, 0}, {13, 0}};
    EXPECT_EQ(main.keys, expected) << "each press once, releases not at all";
}

TEST_F(ShellTest, TabMovesTheFocusAndTheToolkitFollows)
{
    start();
    QTest::keyClick(handle(main), Qt::Key_Tab);
    settle();
    EXPECT_EQ(main.focusedButton(), &main.button("cmdSecond"));
    EXPECT_EQ(QApplication::focusWidget(), view(main, "cmdSecond"));
    QTest::keyClick(handle(main), Qt::Key_Space);
    EXPECT_EQ(main.secondClicks, 1);
    EXPECT_EQ(main.firstClicks, 0);
}

TEST_F(ShellTest, LettersAndCtrlReachKeyDownAsKeyCodes)
{
    start();
    QTest::keyClick(handle(main), Qt::Key_A, Qt::ShiftModifier);
    QTest::keyClick(handle(main), Qt::Key_Control);
    const decltype(main.keys) expected = {{16, 1}, {65, 1}, {17, 2}};
    EXPECT_EQ(main.keys, expected);
}

TEST_F(ShellTest, DisabledButtonIgnoresItsAccessKeyAndTheMouse)
{
    start();
    EXPECT_FALSE(button("cmdLow")->isEnabled());
    EXPECT_TRUE(button("cmdLow")->shortcut().isEmpty()) << "the toolkit would press it a second time";
    QTest::keyClick(handle(main), Qt::Key_L, Qt::AltModifier);
    click("cmdLow");
    EXPECT_EQ(main.lowClicks, 0);

    main.button("cmdLow").setEnabled(true);
    EXPECT_TRUE(button("cmdLow")->isEnabled());
    QTest::keyClick(handle(main), Qt::Key_L, Qt::AltModifier);
    settle();
    EXPECT_EQ(main.lowClicks, 1);
    EXPECT_EQ(QApplication::focusWidget(), view(main, "cmdLow"));
}

TEST_F(ShellTest, DisablingTheFocusedButtonMovesTheToolkitFocusToo)
{
    start();
    main.button("cmdFirst").setEnabled(false);
    settle();
    EXPECT_EQ(QApplication::focusWidget(), view(main, "cmdSecond"));
}

TEST_F(ShellTest, MouseClicksReachButtonsAndVisibleLabels)
{
    start();
    click("cmdSecond");
    EXPECT_EQ(main.secondClicks, 1);
    EXPECT_EQ(main.focusedButton(), &main.button("cmdSecond"));
    click("lbl1");
    EXPECT_EQ(main.labelClicks, 1);
}

TEST_F(ShellTest, AScreenUnloadedByItsOwnButtonsHandlerIsDeletedLater)
{
    start();
    QPointer<QWidget> old = window(main);
    main.onFirst = [this] {
        main.Unload();
        main.label("lbl1").setCaption("back"); // a reference reloads it, hidden
    };
    click("cmdFirst");
    ASSERT_FALSE(old.isNull()) << "deleted under the button's own mouse handler";
    EXPECT_FALSE(old->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    ASSERT_NE(window(main), nullptr);
    EXPECT_FALSE(window(main)->isVisible());
    EXPECT_EQ(static_cast<qtshell::LabelView*>(view(main, "lbl1"))->caption(), QStringLiteral("back"));
}

TEST_F(ShellTest, AScreenUnloadedByASpaceKeyIsDeletedLater)
{
    start();
    QPointer<QWidget> old = window(main);
    main.onFirst = [this] { main.Unload(); };
    QTest::keyClick(handle(main), Qt::Key_Space);
    EXPECT_EQ(main.firstClicks, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(window(main), nullptr);
}

// --- Activation ------------------------------------------------------------------

TEST_F(ShellTest, ShowingTwoScreensInOneHandlerActivatesTheLastOne)
{
    start();
    main.onFirst = [this] {
        tool.Show();
        main.Show();
    };
    click("cmdFirst");
    settle();
    EXPECT_TRUE(window(tool)->isVisible());
    EXPECT_EQ(app.active(), &main);
    EXPECT_EQ(QApplication::activeWindow(), window(main));
}

TEST_F(ShellTest, ClickingAnotherWindowMakesItsScreenActive)
{
    start();
    main.onFirst = [this] { tool.Show(); };
    click("cmdFirst");
    settle();
    ASSERT_EQ(app.active(), &tool);
    // Through the window, as the window system delivers it.
    QTest::mouseClick(handle(main), Qt::LeftButton, {}, QPoint(5, 5));
    settle();
    EXPECT_EQ(app.active(), &main);
    EXPECT_EQ(QApplication::activeWindow(), window(main));
}

TEST_F(ShellTest, AWindowActivatedByTheWindowSystemBecomesTheActiveScreen)
{
    start();
    main.onFirst = [this] { tool.Show(); };
    click("cmdFirst");
    settle();
    ASSERT_EQ(app.active(), &tool);
    window(main)->activateWindow();
    settle();
    EXPECT_EQ(app.active(), &main);
    QTest::keyClick(handle(main), Qt::Key_Q);
    EXPECT_EQ(main.keys.back(), (std::pair<std::int16_t, std::int16_t>{81, 0}));
}

TEST_F(ShellTest, AKeyTypedBeforeARequestedActivationGoesToTheNewActiveScreen)
{
    start();
    main.onFirst = [this] { tool.Show(); };
    app.click(main.button("cmdFirst")); // no toolkit events processed since
    ASSERT_EQ(app.active(), &tool);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QCoreApplication::sendEvent(handle(main), &press);
    EXPECT_TRUE(main.keys.empty());
    EXPECT_EQ(app.active(), &tool);
}

// --- Close box and End -----------------------------------------------------------

TEST(CloseBox, TheScreenDecidesWhatClosingItsWindowDoes)
{
    struct Row {
        const char* name;
        const app::ScreenDesc* desc;
        bool hasCloseBox;
        bool ends;
        bool windowStaysVisible;
    };
    const Row rows[] = {
        {"ends the program", &kToolEnds, true, true, false},
        {"hides the screen", &kToolHides, true, false, false},
        {"absent", &kToolAbsent, false, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        app::ManualClock clock;
        app::Application app(clock);
        app::Screen& screen = app.add<ToolScreen>(*row.desc);
        qtshell::QtShell shell(app, clock);
        app.start();
        settle();
        QWidget* w = shell.windowOf(screen);
        EXPECT_EQ(w->windowFlags().testFlag(Qt::WindowCloseButtonHint), row.hasCloseBox);
        w->close();
        settle();
        EXPECT_EQ(app.ended(), row.ends);
        EXPECT_EQ(w->isVisible(), row.windowStaysVisible);
        if (!row.ends) {
            EXPECT_EQ(screen.isVisible(), row.windowStaysVisible);
        }
    }
}

// --- Time ------------------------------------------------------------------------

using namespace std::chrono_literals;

TEST_F(ShellTest, TheAlarmIsSetForTheNextDueTickAfterEveryEvent)
{
    start();
    EXPECT_EQ(shell.timeDriver().scheduledDelay(), std::nullopt);
    main.onFirst = [this] { main.timer("tmr").setEnabled(true); };
    main.onSecond = [this] { main.timer("tmr").setEnabled(false); };
    click("cmdFirst");
    EXPECT_EQ(shell.timeDriver().scheduledDelay(), 100ms);

    clock.set(100);
    app.activate(main); // any event reschedules
    EXPECT_EQ(shell.timeDriver().scheduledDelay(), 0us);
    for (int pass = 0; pass < 10 && main.ticks == 0; ++pass)
        QCoreApplication::processEvents();
    EXPECT_EQ(main.ticks, 1);
    EXPECT_EQ(shell.timeDriver().scheduledDelay(), 100ms);

    clock.set(350); // two and a half periods late: one tick, then back in step
    app.activate(main);
    for (int pass = 0; pass < 10 && main.ticks == 1; ++pass)
        QCoreApplication::processEvents();
    EXPECT_EQ(main.ticks, 2);
    EXPECT_EQ(shell.timeDriver().scheduledDelay(), 50ms);

    click("cmdSecond");
    EXPECT_EQ(shell.timeDriver().scheduledDelay(), std::nullopt);
}

// However late in its millisecond a run ends, the next one is set for the
// moment the due millisecond begins: a delay in whole milliseconds from
// the end of each run would slip a little further every time.
TEST_F(ShellTest, TheAlarmRingsWhenTheDueMillisecondBegins)
{
    start();
    main.onFirst = [this] { main.timer("tmr").setEnabled(true); };
    clock.setUs(100'300);
    click("cmdFirst"); // armed at 100 ms: due at 200 ms
    EXPECT_EQ(shell.timeDriver().scheduledDelay(), 99'700us);

    clock.setUs(200'900);
    app.activate(main);
    for (int pass = 0; pass < 10 && main.ticks == 0; ++pass)
        QCoreApplication::processEvents();
    EXPECT_EQ(main.ticks, 1);
    EXPECT_EQ(shell.timeDriver().scheduledDelay(), 99'100us);
}

// Setting a timer costs the system more than a tick: while the 1 ms timer
// runs, the alarm repeats every millisecond instead of being set each time.
TEST_F(ShellTest, TheAlarmRepeatsEveryMillisecondWhileTicksFallDueEveryMillisecond)
{
    start();
    main.onFirst = [this] { main.timer("tmrFast").setEnabled(true); };
    main.onSecond = [this] { main.timer("tmrFast").setEnabled(false); };
    clock.setUs(10'200);
    click("cmdFirst"); // armed at 10 ms: due at 11 ms, and every millisecond after
    EXPECT_EQ(shell.timeDriver().scheduledDelay(), 800us);
    EXPECT_TRUE(shell.timeDriver().repeatsEveryMs());

    clock.setUs(10'700);
    app.activate(main);
    EXPECT_EQ(shell.timeDriver().scheduledDelay(), 800us) << "set again while it repeats";

    main.timer("tmr").setEnabled(true); // due at 110 ms
    click("cmdSecond");
    EXPECT_EQ(shell.timeDriver().scheduledDelay(), 99'300us);
    EXPECT_FALSE(shell.timeDriver().repeatsEveryMs());
}

// --- Repaints ----------------------------------------------------------------------

TEST_F(ShellTest, ARepaintWaitsForTheEndOfTheFrameOfTheLastOne)
{
    start();
    const int frameMs = shell.repaints().frameMs();
    main.label("lblIn").setBackColor(0x00FF00);
    EXPECT_EQ(shell.repaints().scheduledDelayMs(), 0) << "the first change goes out at once";
    settle();
    EXPECT_EQ(shell.repaints().scheduledDelayMs(), std::nullopt);

    clock.set(5);
    main.label("lblIn").setBackColor(0x0000FF);
    main.label("lbl1").setBackColor(0x0000FF);
    EXPECT_EQ(shell.repaints().scheduledDelayMs(), frameMs - 5) << "both wait for the same frame";
}

TEST_F(ShellTest, ALabelChangedAndChangedBackWithinAFrameIsNotPaintedAgain)
{
    start();
    QWidget* label = view(main, "lblIn");
    PaintCounter counter(label);
    clock.set(1000);
    main.label("lblIn").setBackColor(0x00FF00);
    main.label("lblIn").setBackColor(0x0000FF);
    EXPECT_EQ(shell.repaints().scheduledDelayMs(), 0);
    settle();
    EXPECT_EQ(shell.repaints().scheduledDelayMs(), std::nullopt) << "the requests went out";
    EXPECT_EQ(counter.paints, 0);
}

// --- The real layouts ------------------------------------------------------------

TEST(Layouts, TitleScreenWindowAndFocus)
{
    app::ManualClock clock;
    app::Application app(clock);
    app::Screen& form1 = app.add<app::Screen>(layouts::Form1);
    qtshell::QtShell shell(app, clock);
    app.start();
    settle();
    QWidget* w = shell.windowOf(form1);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral(" テク・ラン  Ver  1.0"));
    if (offscreenAt96Dpi()) {
        EXPECT_EQ(w->size(), QSize(473, 229));
        EXPECT_EQ(pixelAt(w, {2, 2}), QColor(0xC0, 0xFF, 0xFF));
    }
    EXPECT_EQ(QApplication::focusWidget(), shell.viewOf(*form1.find("cmd1")));
    auto* start = qobject_cast<QPushButton*>(shell.viewOf(*form1.find("cmd4")));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->text(), QStringLiteral("START (&A)"));
    EXPECT_FALSE(start->isEnabled());
    EXPECT_EQ(shell.viewOf(*form1.find("lbl1"))->font().pointSizeF(), 36.0);
}

TEST(Layouts, RecolouringAllKeyCapsPaintsEachOnceAfterwards)
{
    app::ManualClock clock;
    app::Application app(clock);
    app::Screen& form2 = app.add<app::Screen>(layouts::Form2);
    qtshell::QtShell shell(app, clock);
    app.start();
    settle();
    std::vector<std::unique_ptr<PaintCounter>> counters;
    for (int i = 0; i < 36; ++i)
        counters.push_back(std::make_unique<PaintCounter>(shell.viewOf(form2.label("Label1", i))));
    for (int i = 0; i < 36; ++i)
        form2.label("Label1", i).setBackColor(i == 7 ? 0xFF : 0xE0E0E0);
    for (const auto& c : counters)
        EXPECT_EQ(c->paints, 0);
    settle();
    for (int i = 0; i < 36; ++i) {
        SCOPED_TRACE(i);
        EXPECT_LE(counters[static_cast<std::size_t>(i)]->paints, 1);
    }
    EXPECT_EQ(pixelAt(shell.viewOf(form2.label("Label1", 7)), {2, 30}), QColor(0xFF, 0, 0));
}

} // namespace
