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

import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean
from desktop import check, log, run_test  # noqa: E402
from game_view import (end_with_alt_e, DPI, GAME_CAPTION, KEY_ROWS, MISS_FILL, MISS_LABEL, OK_FILL,  # noqa: E402
                       OK_LABEL, RESULTS_CAPTION, TIME_OVER_CAPTION, TITLE_AREA, TITLE_CAPTION, TITLE_SIZE,
                       READY_PX, Renders, choose_level_and_start, clear_match, format_scores, label_scores,
                       lit_key, open_keyboard, px, rect_px, wait_label)

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


def another_key(key):
    keys = "".join(KEY_ROWS)
    return keys[(keys.index(key) + 7) % len(keys)]


def play_level_1_game(desk):
    """Plays until the results screen opens; returns the (right, wrong) keys
    pressed."""
    choose_level_and_start(desk, 1)
    keyboard = open_keyboard(desk)
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
    # Three renders, both counts one higher from each to the next.
    renders = Renders(desk, render_screens, "results", results[2:])
    pairs = list(zip(candidates["correct"], candidates["misses"]))
    frame_x, frame_y = px(RESULTS_FRAME[0]), px(RESULTS_FRAME[1])
    for index, (name, label) in enumerate(COUNT_LABELS.items()):
        x, y, w, h = rect_px(*label)
        box = (frame_x + x, frame_y + y, w, h)
        by_value = {pair[index]: renders.of(*pair) for pair in pairs}
        scores = label_scores(shown, box, by_value)
        log(f"results, {name} label: samples differing from renders of {format_scores(scores)}")
        count = pressed[name]
        best = min(scores, key=scores.get)
        check(best == count, f"the {name} count label looks most like {best}; the test pressed {count}")
        check(clear_match(scores, count, box), f"the {name} count label is no clear match for {count}: {scores}")


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

    end_with_alt_e(desk)


def main():
    return run_test("e2e", "e2e_test.py TEKURAN RENDER_SCREENS", DPI, play)


if __name__ == "__main__":
    sys.exit(main())
