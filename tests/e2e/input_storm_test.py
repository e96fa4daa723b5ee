#!/usr/bin/env python3
"""テク・ラン under a storm of wrong keys, played on the real program.

A question opened by a click on the ready screen's Ctrl line has neither
countdown nor time limit, so nothing ends it but the right key: a player (or
a cat on the keyboard) can pour keys into it for as long as they like. The
test pours 5,000 wrong keys into one, as fast as xdotool sends them, and
wants the program to keep up and stay usable.

  input_storm_test.py TEKURAN RENDER_SCREENS

On an X server of its own (Xvfb, no window manager), the test:
  - starts level 1 (Alt+1, Alt+Q, Alt+A) and opens the keyboard window;
  - moves the ready screen aside, as a player drags a window, since without
    a window manager the game screen would cover it and its miss count;
  - clicks the Ctrl line: the game screen opens and the ready screen stays;
    the keyboard window's red cap is the target, frozen by the click;
  - presses one wrong key (ミスタッチ must show, the ready screen count 1),
    then 5,000 more in one burst, every one of them a key of the game's 36
    other than the target;
  - waits, at most 30 s, until the ready screen's miss count shows 5,001,
    read by comparing its pixels with offscreen renders of the ready screen
    (`render-screens --ready`) showing that count and its neighbours; the
    question is still open, with no countdown and no time-over;
  - presses the target: "OK" shows, the ready screen counts 1 right and
    5,001 wrong; a click on the ready screen and Alt+E end the program with
    status 0.

The miss label is 495 twips wide: "5001", right-aligned, shows its last
three digits, so the pixels tell 5,001 from 5,000 and 5,002 but not from
4,001 or 6,001. A count off by an exact thousand would pass; anything else
would not.
"""

import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
from desktop import check, log, run_test  # noqa: E402
from game_view import (end_with_alt_e, DPI, GAME_CAPTION, KEY_ROWS, MISS_FILL, MISS_LABEL, OK_FILL,  # noqa: E402
                       OK_LABEL, READY_PX, TIME_OVER_CAPTION, TITLE_CAPTION, TITLE_SIZE, Renders,
                       choose_level_and_start, clear_match, format_scores, label_scores, lit_key, open_keyboard,
                       rect_px, wait_label)

STORM = 5000

# Ready screen widgets in its client area, where Frame1 lies at (0, 0): the
# Ctrl line; the mode name, in Frame2, a harmless place to click; the counts,
# in Frame4.
CTRL_LINE = (120, 1800, 4215, 855)
MODE_NAME = (240, 360, 3375, 615)
READY_COUNTS = {"correct": (6000, 2040, 495, 375), "misses": (6000, 2520, 495, 375)}

# The game screen's seconds-left label, empty until the countdown's first
# tick, on light blue.
SECONDS_LEFT = (7440, 480, 615, 375)
SECONDS_LEFT_FILL = (0xC0, 0xC0, 0xFF)
LEVEL_1_LIMIT = 5.0

# Where the ready screen is moved: right of the game screen, above the
# keyboard window.
READY_ASIDE = (780, 100)


def centre(window, widget):
    x, y, w, h = rect_px(*widget)
    return window[0] + x + w // 2, window[1] + y + h // 2


class ReadyCounts:
    """Reads the ready screen's two count labels against renders."""

    def __init__(self, desk, render_screens):
        self.desk = desk
        self.renders = Renders(desk, render_screens, "ready", READY_PX)

    def candidates(self, correct, misses):
        """For each label, the render of the expected counts and of the
        neighbours of that label's count."""
        return {"correct": {c: (c, misses) for c in (correct - 1, correct, correct + 1) if c >= 0},
                "misses": {m: (correct, m) for m in (misses - 1, misses, misses + 1) if m >= 0}}

    def prepare(self, correct, misses):
        """Makes the renders ahead, so that making them does not delay the
        looks that time the program."""
        for pairs in self.candidates(correct, misses).values():
            for pair in pairs.values():
                self.renders.of(*pair)

    def match(self, correct, misses):
        """(whether both labels clearly show these counts, the scores)."""
        ready = self.desk.wait_window(TITLE_CAPTION, READY_PX, timeout=5)
        shown = self.desk.shot(*ready)
        expected = {"correct": correct, "misses": misses}
        ok, all_scores = True, {}
        for name, pairs in self.candidates(correct, misses).items():
            box = rect_px(*READY_COUNTS[name])
            scores = label_scores(shown, box, {value: self.renders.of(*pair) for value, pair in pairs.items()})
            all_scores[name] = scores
            ok &= clear_match(scores, expected[name], box)
        return ok, all_scores

    def wait(self, correct, misses, timeout):
        """The moment (time.monotonic()) from which both labels showed these
        counts, seen twice in a row 0.3 s apart so that a count passing by
        does not count."""
        since = time.monotonic()
        first_seen = None
        while True:
            ok, scores = self.match(correct, misses)
            now = time.monotonic()
            if ok and first_seen is not None and now - first_seen >= 0.3:
                log(f"ready screen: {correct} right, {misses} wrong; samples differing from renders of: "
                    + "; ".join(f"{name} {format_scores(s)}" for name, s in scores.items()))
                return first_seen
            if ok and first_seen is None:
                first_seen = now
            elif not ok:
                first_seen = None
            check(now - since < timeout,
                  f"the ready screen did not show {correct} right and {misses} wrong within {timeout} s; "
                  f"last samples differing from renders: {scores}")
            time.sleep(0.1)


def play(desk, tekuran, render_screens):
    desk.start_server()
    desk.start_program(tekuran)
    desk.wait_window(TITLE_CAPTION, TITLE_SIZE)
    choose_level_and_start(desk, 1)
    keyboard = open_keyboard(desk)

    counts = ReadyCounts(desk, render_screens)
    for correct, misses in ((0, 1), (0, 1 + STORM), (1, 1 + STORM)):
        counts.prepare(correct, misses)

    window, ready = desk.wait_window_id(TITLE_CAPTION, READY_PX)
    desk.move_window(window, *READY_ASIDE)
    ready = desk.geometry(window)
    check(ready[:2] == READY_ASIDE, f"the ready screen did not move aside: it is at {ready[0]},{ready[1]}")

    clicked = time.monotonic()
    desk.click(*centre(ready, CTRL_LINE))
    game = desk.wait_window(GAME_CAPTION, timeout=5)
    check(window in desk.visible_windows(TITLE_CAPTION), "the click on the Ctrl line hid the ready screen")
    time.sleep(0.2)
    target = lit_key(desk, keyboard)
    time.sleep(0.3)
    again = lit_key(desk, keyboard)
    check(again == target, f"the lit key went on changing after the click: {target!r}, then {again!r}")
    log(f"a click on the Ctrl line opened the game screen; the ready screen stays; the target is {target!r}")

    wrong = [k for k in "".join(KEY_ROWS) if k != target]
    desk.key(wrong[0])
    seen = wait_label(desk, game, MISS_LABEL, MISS_FILL, 3.0)
    check(seen is not None, f"the wrong key {wrong[0]!r} did not make ミスタッチ show")
    counts.wait(0, 1, timeout=10)

    keys = [wrong[i % len(wrong)] for i in range(STORM)]
    began = time.monotonic()
    took = desk.key_burst(keys)
    log(f"storm: {STORM} wrong keys sent by xdotool in {took:.2f} s ({STORM / took:.0f} a second)")
    right = counts.wait(0, 1 + STORM, timeout=30 + took) - began
    log(f"the miss count was seen right {right:.2f} s after the storm began, {right - took:.2f} s after"
        " xdotool returned (looks take about 0.1 s)")

    # Past the level's limit: a question opened by the Ctrl line has none,
    # and no countdown either.
    time.sleep(max(0.0, clicked + LEVEL_1_LIMIT + 1.0 - time.monotonic()))
    check(not desk.visible_windows(TIME_OVER_CAPTION), "the question opened by the Ctrl line timed out")
    check(desk.visible_windows(GAME_CAPTION), "the game screen closed without the right key")
    x, y, w, h = rect_px(*SECONDS_LEFT)
    check(desk.shot(game[0] + x + 1, game[1] + y + 1, w - 2, h - 2).share_of(SECONDS_LEFT_FILL) > 0.99,
          "the seconds-left label shows a countdown")
    log(f"{time.monotonic() - clicked:.1f} s after the click the question is still open, without a countdown")

    desk.key(target)
    seen = wait_label(desk, game, OK_LABEL, OK_FILL, 3.0)
    check(seen is not None, f"the right key {target!r} did not show OK")
    log(f"the right key {target!r}: OK after {seen * 1000:.0f} ms")
    counts.wait(1, 1 + STORM, timeout=10)
    check(window in desk.visible_windows(TITLE_CAPTION), "the ready screen is no longer shown")

    # The ready screen is active again, its focus on END; a click on it
    # makes sure that Alt+E goes there.
    desk.click(*centre(desk.geometry(window), MODE_NAME))
    time.sleep(0.3)
    end_with_alt_e(desk)


def main():
    return run_test("input-storm", "input_storm_test.py TEKURAN RENDER_SCREENS", DPI, play)


if __name__ == "__main__":
    sys.exit(main())
