#!/usr/bin/env python3
"""テク・ラン played from end to end, the way a player plays it.

The real program runs on an X server of the test's own (Xvfb, no window
manager); the test only presses keys with xdotool and looks at the screen:
window captions and sizes, and pixels of screenshots.

  e2e_test.py TEKURAN RENDER_SCREENS

What a player would notice, in one run:
  - the title window, with its caption, at its designed place and size;
  - Alt+1, Alt+Q, Alt+A open the ready screen; Alt+Q there the keyboard;
  - Ctrl opens a question whose key is lit red on the keyboard window and
    stays lit; a wrong key makes "ミスタッチ" show, the right one "OK", and
    the ready screen comes back;
  - a whole level-1 game ends on the results screen, whose count labels show
    the hits and misses the test pressed (compared with offscreen renders of
    the same screen by `render-screens --results`);
  - RE START returns to the title; a level-3 question left alone ends on the
    time-over window; END ends the process with status 0.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # keep the source tree clean
from desktop import Desktop, Failure, check, log, read_ppm  # noqa: E402

# Qt on X11 takes 96 dots per inch unless an Xft.dpi resource says otherwise,
# and a fresh Xvfb has none; the server is told the same, so both agree.
DPI = 96
TWIPS_PER_INCH = 1440

TITLE_CAPTION = " テク・ラン  Ver  1.0"  # the title and the ready screen
GAME_CAPTION = " テク・ラン  Ver 1.0"
KEYBOARD_CAPTION = " キーボード・レイアウト"
RESULTS_CAPTION = " テク・ラン  結果表示"
TIME_OVER_CAPTION = " テク・ラン  Ver  1.0   <<< END >>>"

# Client areas as designed, in twips.
TITLE_AREA = (1215, 1530, 7095, 3435)
READY_SIZE = (6825, 3165)

# The keyboard window's 36 caps in four rows, shifted right as on a keyboard,
# by the xdotool names of their keys ("0" is the cap captioned "00").
KEY_ROWS = ["1234567890", "qwertyuiop", "asdfghjkl", "zxcvbnm"]
KEY_ROW_LEFT = [600, 840, 1200, 1440]
KEY_PITCH = 480
KEY_CAP = 495
LIT = (0xFF, 0x00, 0x00)

# Game screen labels, in its client area: "OK" on light blue, "ミスタッチ" on red.
OK_LABEL = (5400, 1560, 1695, 495)
OK_FILL = (0xC0, 0xC0, 0xFF)
MISS_LABEL = (7200, 1560, 1695, 495)
MISS_FILL = (0xFF, 0x00, 0x00)

# Results screen count labels, in the frame at (360, 120).
RESULTS_FRAME = (360, 120)
COUNT_LABELS = {"correct": (1320, 1080, 495, 375), "misses": (3120, 1080, 495, 375)}

# Level 1 allows 5 s a question, and the countdown ticks once a second from
# the opening of each question. Answering 3.4 s after Ctrl counts three ticks
# a question and keeps 0.4 s from every tick and 1.4 s from the limit, so the
# 60-second game takes 20 questions rather than 60.
ANSWER_AFTER = 3.4
# Wrong keys pressed before the right one, by question number.
WRONG_KEYS = {1: 1, 2: 2, 4: 1}


def px(twips):
    return round(twips * DPI / TWIPS_PER_INCH)


def rect_px(left, top, width, height):
    """A widget's pixel rectangle, rounded edge by edge as the program does."""
    x, y = px(left), px(top)
    return x, y, px(left + width) - x, px(top + height) - y


TITLE_SIZE = (px(TITLE_AREA[2]), px(TITLE_AREA[3]))
READY_PX = (px(READY_SIZE[0]), px(READY_SIZE[1]))


def choose_level_and_start(desk, level):
    for keys in (f"alt+{level}", "alt+q", "alt+a"):
        desk.key(keys)
        time.sleep(0.2)
    desk.wait_window(TITLE_CAPTION, READY_PX)
    check(not any(desk.geometry(w)[2:] == TITLE_SIZE for w in desk.visible_windows(TITLE_CAPTION)),
          "the title screen is still shown beside the ready screen")
    log(f"level {level}: Alt+{level}, Alt+Q, Alt+A opened the ready screen, {READY_PX[0]}x{READY_PX[1]}")


def lit_key(desk, keyboard):
    """The key whose cap is red on the keyboard window, the only red one."""
    image = desk.shot(*keyboard)
    red = image.points_of(LIT)
    check(red, "no key cap is red on the keyboard window")
    cx = sum(p[0] for p in red) / len(red) * TWIPS_PER_INCH / DPI
    cy = sum(p[1] for p in red) / len(red) * TWIPS_PER_INCH / DPI
    row = int(cy // KEY_PITCH)
    check(0 <= row < len(KEY_ROWS), f"the red area is centred below or above the keys (row {row})")
    col = int((cx - KEY_ROW_LEFT[row]) // KEY_PITCH)
    check(0 <= col < len(KEY_ROWS[row]), f"the red area is centred beside row {row} (column {col})")
    x, y, w, h = rect_px(KEY_ROW_LEFT[row] + col * KEY_PITCH, row * KEY_PITCH, KEY_CAP, KEY_CAP)
    strays = [p for p in red if not (x <= p[0] < x + w and y <= p[1] < y + h)]
    check(not strays, f"red outside the lit cap of {KEY_ROWS[row][col]!r}, at {strays[:3]}")
    return KEY_ROWS[row][col]


def another_key(key):
    keys = "".join(KEY_ROWS)
    return keys[(keys.index(key) + 7) % len(keys)]


def wait_label(desk, game, label, fill, timeout):
    """Seconds until the label shows its fill on the game screen, or None."""
    x, y, w, h = rect_px(*label)
    since = time.monotonic()
    while time.monotonic() - since < timeout:
        if desk.shot(game[0] + x, game[1] + y, w, h).share_of(fill) > 0.3:
            return time.monotonic() - since
    return None


def play_level_1_game(desk):
    """Plays until the results screen opens; returns the (right, wrong) keys
    pressed."""
    choose_level_and_start(desk, 1)
    desk.key("alt+q")
    keyboard = desk.wait_window(KEYBOARD_CAPTION)
    desk.wait_window(TITLE_CAPTION, READY_PX)
    log(f"Alt+Q opened the keyboard window at {keyboard[0]},{keyboard[1]}; the ready screen is shown again")
    time.sleep(0.2)

    hits = misses = 0
    game = None
    for question in range(1, 41):
        opened = time.monotonic()
        desk.key("Control_L")
        # Ctrl froze the target; give the keyboard window a frame to show it.
        time.sleep(0.15)
        target = lit_key(desk, keyboard)
        if game is None:
            game = desk.wait_window(GAME_CAPTION, timeout=3)
        for n in range(WRONG_KEYS.get(question, 0)):
            wrong = another_key(target)
            desk.key(wrong)
            misses += 1
            if question == 1 and n == 0:
                seen = wait_label(desk, game, MISS_LABEL, MISS_FILL, 1.5)
                check(seen is not None, f"the wrong key {wrong!r} did not make ミスタッチ show")
                log(f"question 1: wrong key {wrong!r} for {target!r}; ミスタッチ showed after {seen * 1000:.0f} ms")
        time.sleep(max(0.0, opened + ANSWER_AFTER - 0.15 - time.monotonic()))
        # The countdown's 60th second falls on a tick: the last question ends
        # there, unanswered.
        if desk.visible_windows(RESULTS_CAPTION):
            log(f"question {question}: the results screen opened before the answer")
            break
        again = lit_key(desk, keyboard)
        check(again == target, f"question {question}: the lit key changed from {target!r} to {again!r}")
        time.sleep(max(0.0, opened + ANSWER_AFTER - time.monotonic()))
        desk.key(target)
        hits += 1
        seen = wait_label(desk, game, OK_LABEL, OK_FILL, 1.0)
        check(seen is not None, f"question {question}: the right key {target!r} did not show OK")
        # Answers keep 0.4 s from every tick; a results screen now would leave
        # it open whether the key was judged (and would show its light blue
        # where OK was looked for).
        check(not desk.visible_windows(RESULTS_CAPTION),
              f"question {question}: the countdown ended at the answer; the machine is too slow for this test")
        desk.wait_window(TITLE_CAPTION, READY_PX, timeout=3, interval=0.03)
        log(f"question {question}: key {target!r}, OK after {seen * 1000:.0f} ms, the ready screen back"
            f" ({hits} right, {misses} wrong so far)")
        time.sleep(0.1)
    return hits, misses


def compare_counts(desk, render_screens, results, hits, misses):
    """The results screen's count labels against offscreen renders of the
    pressed counts and of their neighbours."""
    time.sleep(0.3)
    shown = desk.shot(*results)
    pressed = {"correct": hits, "misses": misses}
    candidates = {name: [c for c in range(count - 1, count + 3) if c >= 0][:3] for name, count in pressed.items()}
    renders = []
    env = dict(desk.env, QT_QPA_PLATFORM="offscreen")
    for correct, wrong in zip(candidates["correct"], candidates["misses"]):
        path = os.path.join(desk.workdir, f"results-{correct}-{wrong}.ppm")
        done = subprocess.run([render_screens, "--results", str(correct), str(wrong), path], env=env,
                              capture_output=True, timeout=60)
        check(done.returncode == 0, f"render-screens --results failed: {done.stderr.decode(errors='replace')}")
        render = read_ppm(path)
        check((render.width, render.height) == results[2:],
              f"the render is {render.width}x{render.height}, the window {results[2]}x{results[3]}")
        renders.append(({"correct": correct, "misses": wrong}, render))
    frame_x, frame_y = px(RESULTS_FRAME[0]), px(RESULTS_FRAME[1])
    for name, label in COUNT_LABELS.items():
        x, y, w, h = rect_px(*label)
        box = (frame_x + x, frame_y + y, w, h)
        scores = {counts[name]: shown.crop(*box).differing_samples(render.crop(*box)) for counts, render in renders}
        log(f"results, {name} label: samples differing from renders of "
            + ", ".join(f"{c}: {s}" for c, s in sorted(scores.items())))
        count = pressed[name]
        best = min(scores, key=scores.get)
        check(best == count, f"the {name} count label looks most like {best}; the test pressed {count}")
        # The offscreen and X11 renderings could differ a little in
        # anti-aliasing; the pressed count must still match almost exactly,
        # and far better than its neighbours.
        check(scores[count] <= 0.02 * w * h * 3, f"the {name} count label differs from {count} in "
                                                 f"{scores[count]} samples")
        check(all(s >= 4 * scores[count] + 30 for c, s in scores.items() if c != count),
              f"the {name} count label is no clear match for {count}: {scores}")


def play(desk, tekuran, render_screens):
    desk.start_server()
    desk.start_program(tekuran)

    title = desk.wait_window(TITLE_CAPTION, TITLE_SIZE)
    check(title[:2] == (px(TITLE_AREA[0]), px(TITLE_AREA[1])),
          f"the title window is at {title[0]},{title[1]}, designed at {px(TITLE_AREA[0])},{px(TITLE_AREA[1])}")
    log(f"title window '{TITLE_CAPTION}', {title[2]}x{title[3]} at {title[0]},{title[1]}")

    hits, misses = play_level_1_game(desk)
    results = desk.wait_window(RESULTS_CAPTION, timeout=10)
    log(f"results screen, {results[2]}x{results[3]}; the test pressed {hits} right and {misses} wrong keys")
    check(misses == sum(WRONG_KEYS.values()), "the game ended before every planned wrong key")
    compare_counts(desk, render_screens, results, hits, misses)

    desk.key("alt+r")
    desk.wait_window(TITLE_CAPTION, TITLE_SIZE)
    check(not desk.visible_windows(RESULTS_CAPTION), "RE START left the results screen shown")
    log("RE START (Alt+R): the title screen is back")

    choose_level_and_start(desk, 3)
    time.sleep(0.2)
    opened = time.monotonic()
    desk.key("Control_L")
    desk.wait_window(TIME_OVER_CAPTION, timeout=8, interval=0.02)
    delay = time.monotonic() - opened
    log(f"a level-3 question left alone: the time-over window after {delay * 1000:.0f} ms")
    check(1.5 <= delay <= 6.0, f"the time-over came {delay:.2f} s after Ctrl; the limit is 1.7 s")

    desk.key("alt+e")
    try:
        status = desk.program.wait(timeout=20)
    except subprocess.TimeoutExpired:
        raise Failure("END (Alt+E) did not end the program") from None
    check(status == 0, f"the program ended with status {status}")
    log("END (Alt+E): the program ended with status 0")


def main():
    if len(sys.argv) != 3:
        print("usage: e2e_test.py TEKURAN RENDER_SCREENS", file=sys.stderr)
        return 2
    for tool in ("Xvfb", "xdotool", "import"):
        if not shutil.which(tool):
            print(f"{tool} is not installed (Debian: xvfb, xdotool, imagemagick)", file=sys.stderr)
            return 1
    # A polite kill runs the cleanup below.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    workdir = tempfile.mkdtemp(prefix="tekuran-e2e-")
    desk = Desktop(workdir, DPI)
    ok = False
    try:
        play(desk, os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
        ok = True
    except Failure as failure:
        log(f"FAILED: {failure}")
        if desk.xvfb and desk.xvfb.poll() is None:
            picture = os.path.join(tempfile.gettempdir(), "tekuran-e2e-failure.png")
            desk.save_screen(picture)
            log(f"the screen at the failure: {picture}")
    finally:
        desk.stop()
        output = desk.program_output()
        if output.strip():
            print("--- program output ---\n" + output.rstrip("\n"))
        shutil.rmtree(workdir, ignore_errors=True)
    log("passed" if ok else "failed")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
