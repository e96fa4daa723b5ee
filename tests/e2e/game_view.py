"""テク・ラン's windows as designed, and how a player reads them: captions,
places in twips, the lit key cap, the OK and ミスタッチ labels, and count
labels compared with offscreen renders of the same screen.
"""

import os
import subprocess
import time

from desktop import Failure, check, log, read_ppm

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


def open_keyboard(desk):
    """Alt+Q on the ready screen; returns the keyboard window's geometry."""
    desk.key("alt+q")
    keyboard = desk.wait_window(KEYBOARD_CAPTION)
    desk.wait_window(TITLE_CAPTION, READY_PX)
    log(f"Alt+Q opened the keyboard window at {keyboard[0]},{keyboard[1]}; the ready screen is shown again")
    return keyboard


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


def wait_label(desk, game, label, fill, timeout):
    """Seconds until the label shows its fill on the game screen, or None."""
    x, y, w, h = rect_px(*label)
    since = time.monotonic()
    while time.monotonic() - since < timeout:
        if desk.shot(game[0] + x, game[1] + y, w, h).share_of(fill) > 0.3:
            return time.monotonic() - since
    return None


class Renders:
    """Offscreen renders of one screen showing given counts, each made once by
    `render-screens --MODE CORRECT MISSES`; MODE is "results" or "ready"."""

    def __init__(self, desk, render_screens, mode, size):
        self.desk, self.render_screens, self.mode, self.size = desk, render_screens, mode, size
        self.made = {}

    def of(self, correct, misses):
        if (correct, misses) not in self.made:
            path = os.path.join(self.desk.workdir, f"{self.mode}-{correct}-{misses}.ppm")
            done = subprocess.run([self.render_screens, f"--{self.mode}", str(correct), str(misses), path],
                                  env=dict(self.desk.env, QT_QPA_PLATFORM="offscreen"), capture_output=True,
                                  timeout=60)
            check(done.returncode == 0,
                  f"render-screens --{self.mode} failed: {done.stderr.decode(errors='replace')}")
            render = read_ppm(path)
            check((render.width, render.height) == self.size,
                  f"the render is {render.width}x{render.height}, the window {self.size[0]}x{self.size[1]}")
            self.made[(correct, misses)] = render
        return self.made[(correct, misses)]


def label_scores(shown, box, renders):
    """Samples of the label's box that differ between the shown window and
    each render, by the value the render shows."""
    return {value: shown.crop(*box).differing_samples(render.crop(*box)) for value, render in renders.items()}


def clear_match(scores, value, box):
    """Whether the label is the render of this value: almost exactly, since
    the offscreen and X11 renderings could differ a little in anti-aliasing,
    and far better than any other value."""
    return (min(scores, key=scores.get) == value and scores[value] <= 0.02 * box[2] * box[3] * 3
            and all(s >= 4 * scores[value] + 30 for v, s in scores.items() if v != value))


def format_scores(scores):
    return ", ".join(f"{v}: {s}" for v, s in sorted(scores.items()))


def end_with_alt_e(desk):
    """END by its access key on the active screen: the program must exit 0."""
    desk.key("alt+e")
    try:
        status = desk.program.wait(timeout=20)
    except subprocess.TimeoutExpired:
        raise Failure("END (Alt+E) did not end the program") from None
    check(status == 0, f"the program ended with status {status}")
    log("END (Alt+E): the program ended with status 0")
