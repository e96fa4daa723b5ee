"""An X server of the test's own, one program on it, and the player's means:
keys and the mouse through xdotool, eyes through screenshots (ImageMagick's
`import`).

Standard library only; needs Xvfb, xdotool and ImageMagick on the PATH.
"""

import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

START = time.monotonic()


def log(message):
    print(f"[{time.monotonic() - START:6.2f}s] {message}", flush=True)


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def _die_with_test():
    # Should the test be killed outright (a ctest timeout), its server and
    # program must not outlive it.
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


class Image:
    """Pixels as bytes, three a pixel (red, green, blue), row by row."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def crop(self, x, y, w, h):
        rows = [self.rgb[((y + r) * self.width + x) * 3:((y + r) * self.width + x + w) * 3] for r in range(h)]
        return Image(w, h, b"".join(rows))

    def points_of(self, colour):
        return [(i // 3 % self.width, i // 3 // self.width) for i in range(0, len(self.rgb), 3)
                if tuple(self.rgb[i:i + 3]) == colour]

    def share_of(self, colour):
        return len(self.points_of(colour)) / (self.width * self.height)

    def differing_samples(self, other, tolerance=16):
        return sum(1 for a, b in zip(self.rgb, other.rgb) if abs(a - b) > tolerance)


def read_ppm(path):
    """A binary 8-bit PPM, as Qt writes it."""
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    check(fields[0] == b"P6" and fields[3] == b"255", f"{path} is no 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    pos += 1
    return Image(width, height, data[pos:pos + width * height * 3])


def _display_taken(number):
    """Whether a live server holds the display number. A lock left by a
    server that was killed is stale: a new server takes it over."""
    try:
        with open(f"/tmp/.X{number}-lock") as lock:
            pid = int(lock.read().strip())
    except FileNotFoundError:
        return os.path.exists(f"/tmp/.X11-unix/X{number}")
    except (OSError, ValueError):
        return True
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    except PermissionError:
        pass
    return True


class Desktop:
    """The test's own X server, without a window manager, and the program."""

    def __init__(self, workdir, dpi):
        self.workdir = workdir
        self.dpi = dpi
        self.xvfb = None
        self.program = None
        self.program_log = os.path.join(workdir, "program.log")
        self.env = None

    # --- Server and program ---------------------------------------------------

    def start_server(self):
        for number in range(93, 100):
            if _display_taken(number):
                continue
            server = subprocess.Popen(
                ["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-dpi", str(self.dpi), "-nolisten", "tcp"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, preexec_fn=_die_with_test)
            self._make_env(number)
            deadline = time.monotonic() + 10
            while time.monotonic() < deadline and server.poll() is None and not self._ready(number, server):
                time.sleep(0.05)
            if server.poll() is None and self._ready(number, server):
                self.xvfb = server
                log(f"Xvfb on :{number}")
                return
            # Lost a race for the number, or the server failed: the next one.
            server.kill()
            server.wait()
        raise Failure("no free display among :93 .. :99")

    def _ready(self, number, server):
        """Whether the display is this server's and a client gets through to
        it. Its socket appears before it listens, and a busy machine can
        show the gap: a program started in it cannot connect."""
        try:
            with open(f"/tmp/.X{number}-lock") as lock:
                if int(lock.read().strip()) != server.pid:
                    return False
        except (OSError, ValueError):
            return False
        done = subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env, capture_output=True, timeout=20)
        return done.returncode == 0

    def _make_env(self, number):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith("QT_") and k not in ("WAYLAND_DISPLAY", "XAUTHORITY")}
        env["DISPLAY"] = f":{number}"
        runtime = os.path.join(self.workdir, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env["XDG_RUNTIME_DIR"] = runtime
        self.env = env

    def start_program(self, binary):
        # On a loaded machine a fresh server has now and then turned a client
        # away although it had just answered another: one more try tells
        # that apart from a program that cannot start at all.
        for attempt in (1, 2):
            self._spawn(binary)
            if not self._turned_away():
                return
            log(f"the program could not connect to the display (attempt {attempt})")
        raise Failure("the program could not connect to the display")

    def _spawn(self, binary):
        env = dict(self.env, QT_QPA_PLATFORM="xcb")
        # In the sanitizer build, leaks of the system's libraries are not the
        # program's and must not decide its exit status.
        suppressions = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lsan-suppressions.txt")
        env["LSAN_OPTIONS"] = ":".join(filter(None, [env.get("LSAN_OPTIONS"), f"suppressions={suppressions}"]))
        with open(self.program_log, "wb") as out:
            try:
                self.program = subprocess.Popen([binary], env=env, stdout=out, stderr=subprocess.STDOUT,
                                                preexec_fn=_die_with_test)
            except OSError as error:
                raise Failure(f"cannot start {binary}: {error}") from None

    def _turned_away(self):
        """Whether the program ended at once because the server refused it."""
        deadline = time.monotonic() + 1.0
        while time.monotonic() < deadline and self.program.poll() is None:
            time.sleep(0.05)
        return self.program.poll() is not None and "could not connect to display" in self.program_output()

    def program_output(self):
        try:
            with open(self.program_log, encoding="utf-8", errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def check_running(self):
        status = self.program.poll()
        check(status is None, f"the program ended unexpectedly with status {status}")

    def stop(self):
        for proc in (self.program, self.xvfb):
            if proc and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()

    # --- Pressing and looking -------------------------------------------------

    def _run(self, *args):
        return subprocess.run(args, env=self.env, capture_output=True, timeout=20)

    def key(self, name):
        self.check_running()
        done = self._run("xdotool", "key", name)
        check(done.returncode == 0, f"xdotool key {name} failed: {done.stderr.decode(errors='replace')}")

    def key_burst(self, names, timeout=120):
        """Presses and releases the keys one after another as fast as xdotool
        sends them, in one invocation; returns the seconds that took."""
        self.check_running()
        since = time.monotonic()
        done = subprocess.run(["xdotool", "key", "--delay", "0", *names], env=self.env, capture_output=True,
                              timeout=timeout)
        took = time.monotonic() - since
        check(done.returncode == 0, f"xdotool key burst failed: {done.stderr.decode(errors='replace')}")
        return took

    def click(self, x, y):
        """A left click at a point of the screen."""
        self.check_running()
        done = self._run("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")
        check(done.returncode == 0, f"xdotool click at {x},{y} failed: {done.stderr.decode(errors='replace')}")

    def move_window(self, window, x, y):
        """Moves a window as a player drags it; without a window manager the
        move is the client area's."""
        done = self._run("xdotool", "windowmove", "--sync", str(window), str(x), str(y))
        check(done.returncode == 0, f"xdotool windowmove failed: {done.stderr.decode(errors='replace')}")

    def visible_windows(self, caption):
        """Ids of the shown windows with exactly this caption."""
        pattern = "^" + "".join("\\" + c if c in ".[]()*+?{}|^$\\" else c for c in caption) + "$"
        return [int(w) for w in self._run("xdotool", "search", "--onlyvisible", "--name", pattern).stdout.split()]

    def geometry(self, window):
        """Client area (x, y, width, height): without a window manager a
        window has no frame."""
        done = self._run("xdotool", "getwindowgeometry", "--shell", str(window))
        values = dict(line.split("=", 1) for line in done.stdout.decode().split() if "=" in line)
        check("WIDTH" in values, f"window {window} has gone")
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def wait_window(self, caption, size=None, timeout=10.0, interval=0.05):
        """The geometry of a shown window with this caption (and this size),
        once there is one."""
        return self.wait_window_id(caption, size, timeout, interval)[1]

    def wait_window_id(self, caption, size=None, timeout=10.0, interval=0.05):
        """The id and the geometry of a shown window with this caption (and
        this size), once there is one."""
        deadline = time.monotonic() + timeout
        while True:
            self.check_running()
            seen = []
            for window in self.visible_windows(caption):
                try:
                    geometry = self.geometry(window)
                except Failure:
                    continue
                if size is None or geometry[2:] == size:
                    return window, geometry
                seen.append(geometry)
            check(time.monotonic() < deadline,
                  f"no window '{caption}'{' of ' + str(size) if size else ''} within {timeout} s"
                  f"{'; shown: ' + str(seen) if seen else ''}")
            time.sleep(interval)

    def shot(self, x, y, w, h):
        done = self._run("import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "-depth", "8", "rgb:-")
        check(done.returncode == 0 and len(done.stdout) == w * h * 3,
              f"screenshot failed: {done.stderr.decode(errors='replace')}")
        return Image(w, h, done.stdout)

    def save_screen(self, path):
        self._run("import", "-window", "root", path)


def run_test(name, usage, dpi, play):
    """The command line of an end-to-end test: checks the tools, gives the
    test a working folder and a desktop of this resolution, calls
    play(desk, *arguments) with the arguments as absolute paths, and always
    stops the server and the program. Returns the exit status."""
    if len(sys.argv) != len(usage.split()):
        print(f"usage: {usage}", file=sys.stderr)
        return 2
    for tool in ("Xvfb", "xdotool", "import"):
        if not shutil.which(tool):
            print(f"{tool} is not installed (Debian: xvfb, xdotool, imagemagick)", file=sys.stderr)
            return 1
    # A polite kill runs the cleanup below.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    workdir = tempfile.mkdtemp(prefix=f"tekuran-{name}-")
    desk = Desktop(workdir, dpi)
    ok = False
    try:
        play(desk, *(os.path.abspath(a) for a in sys.argv[1:]))
        ok = True
    except Failure as failure:
        log(f"FAILED: {failure}")
        if desk.xvfb and desk.xvfb.poll() is None:
            picture = os.path.join(tempfile.gettempdir(), f"tekuran-{name}-failure.png")
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
