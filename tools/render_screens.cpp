// Renders every screen offscreen to PNG: the six layouts as designed, and a
// few moments of a game for the README. With --results or --ready, renders
// only the results screen or the ready screen for the given counts: the
// end-to-end tests compare the real window's count labels with it.
//
//   QT_QPA_PLATFORM=offscreen render-screens OUTDIR
//   QT_QPA_PLATFORM=offscreen render-screens --results CORRECT MISSES OUT.png
//   QT_QPA_PLATFORM=offscreen render-screens --ready CORRECT MISSES OUT.png

#include "app/Application.h"
#include "app/qt/QtShell.h"
#include "game/Form3.h"
#include "layouts/KeyTable.h"
#include "layouts/Layouts.h"
#include "screens/Screens.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <string_view>

namespace {

// Draws the key that the picture wants.
class ChosenKey final : public game::RandomSource {
public:
    void draw(std::string_view caption) { m_index = layouts::keyIndexOfCaption(caption); }
    float next() override { return (static_cast<float>(m_index) + 0.5f) / layouts::kKeyCount; }

private:
    int m_index = 0;
};

bool save(qtshell::QtShell& shell, const app::Screen& screen, const QString& path)
{
    QApplication::processEvents();
    QWidget* window = shell.windowOf(screen);
    if (!window || !window->grab().save(path)) {
        std::fprintf(stderr, "could not render %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Each screen as its description builds it, without any handler.
bool renderLayouts(const QDir& out)
{
    app::ManualClock clock;
    app::Application program(clock);
    for (const app::ScreenDesc* desc : layouts::kAllScreens)
        program.add<app::Screen>(*desc);
    qtshell::QtShell shell(program, clock);
    bool ok = true;
    for (const auto& screen : program.screens()) {
        screen->Show();
        ok &= save(shell, *screen, out.filePath(QString::fromUtf8(screen->name()).toLower() + ".png"));
    }
    return ok;
}

// A level-1 game: the ready screen with the keyboard, a hit, the results.
bool renderPlay(const QDir& out)
{
    app::ManualClock clock;
    app::Application program(clock);
    ChosenKey key;
    screens::addAll(program, key);
    qtshell::QtShell shell(program, clock);
    const auto wait = [&](std::int64_t ms) { app::runFor(program, clock, ms); };
    const auto click = [&](const char* screen, const char* widget) {
        program.click(*program.screen(screen).find(widget));
    };
    const auto press = [&](std::string_view caption) {
        program.keyDown(static_cast<std::int16_t>(layouts::kKeys[static_cast<std::size_t>(
                                                      layouts::keyIndexOfCaption(caption))].keyCode));
    };

    program.start();
    click("Form1", "cmd1");
    click("Form1", "cmdok");
    bool ok = save(shell, program.screen("Form1"), out.filePath("play-title.png"));
    click("Form1", "cmd4");
    key.draw("F");
    wait(3);
    click("Form4", "Command2");
    ok &= save(shell, program.screen("Form4"), out.filePath("play-ready.png"));
    ok &= save(shell, program.screen("Form2"), out.filePath("play-keyboard.png"));
    program.keyDown(17);
    wait(1200);
    press("G");
    wait(100);
    ok &= save(shell, program.screen("Form3"), out.filePath("play-miss.png"));
    press("F");
    ok &= save(shell, program.screen("Form3"), out.filePath("play-hit.png"));
    wait(200);
    for (int q = 0; q < 60 && !program.screen("Form6").isVisible(); ++q) {
        key.draw("J");
        wait(400);
        program.keyDown(17);
        wait(900);
        press("J");
        wait(200);
    }
    ok &= save(shell, program.screen("Form6"), out.filePath("play-results.png"));
    click("Form6", "ReCmd");
    click("Form1", "cmd3");
    click("Form1", "cmdok");
    click("Form1", "cmd4");
    wait(3);
    program.keyDown(17);
    wait(1700);
    ok &= save(shell, program.screen("Form7"), out.filePath("play-timeover.png"));
    return ok;
}

enum class CountsScreen { Ready, Results };

// The ready screen of a level-1 game showing these counts, or the results
// screen that such a game ends on: it takes the counts from the ready screen
// when it loads.
bool renderCounts(CountsScreen which, const char* correct, const char* misses, const QString& path)
{
    app::ManualClock clock;
    app::Application program(clock);
    ChosenKey key;
    screens::addAll(program, key);
    qtshell::QtShell shell(program, clock);
    const auto click = [&](const char* screen, const char* widget) {
        program.click(*program.screen(screen).find(widget));
    };
    program.start();
    click("Form1", "cmd1");
    click("Form1", "cmdok");
    click("Form1", "cmd4");
    app::Screen& ready = program.screen("Form4");
    ready.label("Slbl").setCaption(correct);
    ready.label("Mlbl").setCaption(misses);
    if (which == CountsScreen::Ready)
        return save(shell, ready, path);
    program.screen("Form6").Show();
    return save(shell, program.screen("Form6"), path);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication toolkit(argc, argv);
    if (argc == 5 && (std::string_view(argv[1]) == "--results" || std::string_view(argv[1]) == "--ready")) {
        const auto which = std::string_view(argv[1]) == "--ready" ? CountsScreen::Ready : CountsScreen::Results;
        return renderCounts(which, argv[2], argv[3], QString::fromLocal8Bit(argv[4])) ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: render-screens OUTDIR\n"
                             "       render-screens --results CORRECT MISSES OUT.png\n"
                             "       render-screens --ready CORRECT MISSES OUT.png\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    return renderLayouts(out) && renderPlay(out) ? 0 : 1;
}
