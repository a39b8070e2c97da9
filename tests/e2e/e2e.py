#!/usr/bin/env python3
"""End-to-end tests of the real zbirnik executable.

Each scenario makes a shop folder of its own, starts the program in it on a private Xvfb
display with a private XDG_CONFIG_HOME and XDG_STATE_HOME (so that no recovery copy of one
run is offered to another), drives it with the keyboard only (xdotool key and
type, as a person would: mnemonics, Tab, arrows, Enter and Escape in message boxes) and
checks what that person gets: the message boxes that appear (by window title), the files
written, the settings file, the exit status.

    e2e.py ZBIRNIK_EXECUTABLE [--only NAME...]

Every wait has a timeout and the whole run stops after RUN_BUDGET seconds.
"""

import argparse
import configparser
import json
import os
import re
import select
import signal
import subprocess
import sys
import tempfile
import time
import traceback
from pathlib import Path

from Xlib import X
from Xlib import display as xdisplay
from Xlib.protocol import event as xevent

RUN_BUDGET = 200.0  # seconds for every scenario together
WAIT = 8.0  # seconds a window or an exit may take to appear
QUIET = 1.0  # seconds during which a window that must not appear is watched for
ERROR_TITLE = "Greska"
MAIN_TITLE = "Zbirnik"
EXIT_TITLE = "Izlaz"
COLOUR_TITLE = "Odaberi boju"
RECOVERY_TITLE = "Vracanje narudzbe"

# The main window's tab order. The harness keeps track of the focus to reach buttons without
# a mnemonic by Tab. A mnemonic presses its button without moving the focus (Qt moves it only
# when the mnemonic is ambiguous), and a closed modal window gives the focus back to the
# control that had it.
TAB_ORDER = ["cmbCDovi", "lstCD", "lstCDNarucen", "cmdDodaj", "cmdDodajSve", "cmdIzbrisi",
             "cmdIzbrisiSve", "cmdNadji", "cmdNadjiSve", "cmdSave", "cmdOpen", "cmdAbout",
             "cmdIzlaz", "cmdProsli", "cmdOpcije"]

deadline = 0.0


class Failure(Exception):
    pass


def remaining():
    left = deadline - time.monotonic()
    if left <= 0:
        raise Failure(f"the run took longer than {RUN_BUDGET:.0f} s")
    return left


# --- the shop folder ------------------------------------------------------------------

def write_text(path, lines):
    """Writes lines as the shop does: windows-1250, CR LF after every line."""
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("cp1250"))


def listing(cd_number, files):
    """Listing lines of a source CD: files is a list of (file name, size text)."""
    return [f'"D:\\CD{cd_number}\\{name}","{size}"' for name, size in files]


def make_shop(folder, listings):
    """A shop whose source CD i+1 has the listing listings[i]; None leaves it missing."""
    write_text(folder / "PlayList.kat", [f'"Izvorni CD {i + 1}"' for i in range(len(listings))])
    for i, files in enumerate(listings):
        if files is not None:
            write_text(folder / "PlayLists" / f"Muzika {i + 1:03d}.kat", listing(i + 1, files))


# --- the program on the display ---------------------------------------------------------

class Display:
    """A private Xvfb server; its number is chosen by the server itself."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        end = time.monotonic() + WAIT
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, end - time.monotonic()))
            if not ready:
                self.close()
                raise Failure("Xvfb did not start")
            chunk = os.read(read_end, 16)
            if not chunk:
                self.close()
                raise Failure("Xvfb ended at start")
            number += chunk
        os.close(read_end)
        self.name = ":" + number.decode().strip()

    def close(self):
        self.server.terminate()
        try:
            self.server.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.server.kill()


class Program:
    """One run of zbirnik in a shop folder, with its own settings folder."""

    def __init__(self, executable, display, shop, config_home, state_home, runtime_dir,
                 arguments=(), folder=None):
        self.env = dict(os.environ, DISPLAY=display.name, XDG_CONFIG_HOME=str(config_home),
                        XDG_STATE_HOME=str(state_home), XDG_RUNTIME_DIR=str(runtime_dir),
                        QT_QPA_PLATFORM="xcb",
                        LC_ALL="C.UTF-8")
        self.env.pop("WAYLAND_DISPLAY", None)
        self.focus = TAB_ORDER[0]  # the CD chooser has the focus at start
        self.disabled = {"cmdNadjiSve"}  # "Resetuj listu" until a search
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen([executable, *arguments], cwd=folder or shop, env=self.env,
                                         stdout=self.log, stderr=subprocess.STDOUT)

    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                                text=True, timeout=min(5.0, remaining()))
        if check and result.returncode != 0:
            raise Failure(f"xdotool {' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    def windows(self, title):
        """Visible windows whose title is exactly title; the main window's title may end in
        the "*" of an unsaved order."""
        pattern = "^" + "".join("\\" + c if c in ".[]()*+?{}|^$\\" else c for c in title)
        pattern += "\\*?$" if title == MAIN_TITLE else "$"
        found = self.xdotool("search", "--onlyvisible", "--name", pattern, check=False)
        return found.split()

    def shown(self):
        """The titles of the visible windows, to tell what stood in the way when a step fails."""
        found = self.xdotool("search", "--onlyvisible", "--name", ".", check=False).split()
        titles = [self.xdotool("getwindowname", window, check=False).strip() for window in found]
        return ", ".join(f'"{title}"' for title in titles if title) or "none"

    def wait_window(self, title, timeout=WAIT):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            remaining()
            found = self.windows(title)
            if found:
                return found[-1]
            if self.process.poll() is not None:
                raise Failure(f'the program ended (status {self.process.returncode}) '
                              f'before a window "{title}" appeared; output:\n{self.output()}')
            time.sleep(0.1)
        raise Failure(f'no window "{title}" within {timeout:.0f} s; shown: {self.shown()}')

    def wait_gone(self, window, title, after):
        end = time.monotonic() + WAIT
        while window in self.windows(title):
            if time.monotonic() > end:
                raise Failure(f'the window "{title}" stayed open after {after}; '
                              f'shown: {self.shown()}')
            time.sleep(0.05)

    def expect_no_window(self, title, seconds=QUIET):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if self.windows(title):
                raise Failure(f'unexpected window "{title}"')
            time.sleep(0.1)

    def keys(self, window, *keys):
        """Gives the window the keyboard focus and presses the keys one after another."""
        self.xdotool("windowfocus", "--sync", window)
        self.xdotool("key", "--clearmodifiers", "--delay", "30", *keys)

    def type(self, window, text):
        self.xdotool("windowfocus", "--sync", window)
        self.xdotool("type", "--delay", "12", text)

    def answer(self, title, *keys):
        """Waits for the message box titled title, answers it with keys, waits until it is gone."""
        box = self.wait_window(title)
        self.keys(box, *keys)
        self.wait_gone(box, title, after=" ".join(keys))

    def choose_file(self, title, path):
        """Types an absolute path into the file dialog titled title and accepts it with Return."""
        dialog = self.wait_window(title)
        self.type(dialog, str(path))
        self.keys(dialog, "Return")
        self.wait_gone(dialog, title, after=f"typing {path} and Return")

    def main_window(self):
        return self.wait_window(MAIN_TITLE)

    def ping(self, window, timeout=WAIT):
        """Seconds until the window answers the window manager's _NET_WM_PING."""
        connection = xdisplay.Display(self.env["DISPLAY"])
        try:
            root = connection.screen().root
            # The answer goes to the root window, to the client that manages its children:
            # without a window manager, this one.
            root.change_attributes(event_mask=X.SubstructureNotifyMask | X.SubstructureRedirectMask)
            protocols = connection.intern_atom("WM_PROTOCOLS")
            ping = connection.intern_atom("_NET_WM_PING")
            target = connection.create_resource_object("window", int(window))
            stamp = int(time.monotonic() * 1000) & 0xFFFFFFFF
            target.send_event(xevent.ClientMessage(window=target, client_type=protocols,
                                                   data=(32, [ping, stamp, int(window), 0, 0])),
                              event_mask=X.NoEventMask)
            connection.flush()
            started = time.monotonic()
            while time.monotonic() - started < min(timeout, remaining()):
                while connection.pending_events():
                    answer = connection.next_event()
                    if (answer.type == X.ClientMessage and answer.client_type == protocols
                            and answer.data[1][0] == ping and answer.data[1][1] == stamp):
                        return time.monotonic() - started
                select.select([connection.fileno()], [], [], 0.01)
            raise Failure(f"the window did not answer a ping within {timeout:.0f} s")
        finally:
            connection.close()

    def wait_exit(self, timeout=WAIT):
        try:
            return self.process.wait(timeout=min(timeout, remaining()))
        except subprocess.TimeoutExpired:
            raise Failure(f"the program did not end within {timeout:.0f} s; "
                          f"shown: {self.shown()}") from None

    def press(self, mnemonic):
        """Presses a button of the main window by its mnemonic, such as alt+s."""
        self.keys(self.main_window(), mnemonic)

    def tab_to(self, control):
        """Moves the focus to a control of the main window with Tab, as a person would."""
        order = [name for name in TAB_ORDER if name not in self.disabled]
        steps = (order.index(control) - order.index(self.focus)) % len(order)
        if steps <= len(order) // 2:
            presses = ["Tab"] * steps
        else:
            presses = ["shift+Tab"] * (len(order) - steps)
        if presses:
            self.keys(self.main_window(), *presses)
        self.focus = control

    def press_izlaz(self):
        """Izlaz has no mnemonic: Tab to it and press Space."""
        self.tab_to("cmdIzlaz")
        self.keys(self.main_window(), "space")

    def exit_with_izlaz(self):
        self.press_izlaz()
        status = self.wait_exit()
        if status != 0:
            raise Failure(f"the program ended with status {status}; output:\n{self.output()}")

    def output(self):
        self.log.seek(0)
        return self.log.read().decode(errors="replace")[-3000:]

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=5)
        self.log.close()


class Scenario:
    """What a scenario gets: a fresh shop folder, settings folder and program starter."""

    def __init__(self, executable, display, folder):
        self.executable = executable
        self.display = display
        self.shop = folder / "shop"
        self.config_home = folder / "config"
        self.state_home = folder / "state"
        self.runtime_dir = folder / "runtime"
        self.shop.mkdir()
        self.config_home.mkdir()
        self.runtime_dir.mkdir(mode=0o700)
        self.programs = []

    def recovery_copies(self):
        """The recovery copies of the orders, as their bytes."""
        return [path.read_bytes() for path in (self.state_home / "zbirnik").glob("narudzba-*.txt")]

    @property
    def settings_file(self):
        return self.config_home / "zbirnik" / "zbirnik.ini"

    def start(self, arguments=(), folder=None):
        """Starts the program in the shop folder, or in folder with arguments."""
        program = Program(self.executable, self.display, self.shop, self.config_home,
                          self.state_home, self.runtime_dir, arguments, folder)
        self.programs.append(program)
        return program

    def close(self):
        for program in self.programs:
            program.close()


# --- scenarios --------------------------------------------------------------------------

SCENARIOS = []


def scenario(function):
    SCENARIOS.append(function)
    return function


ROCK = [("a.mp3", "004.0512"), ("b.mp3", "003.0100"), ("c.DAT", "020.0000")]
POP = [("d.mp3", "005.0000"), ("e.mp3", "006.0001")]


@scenario
def starts_on_a_made_shop(s):
    make_shop(s.shop, [ROCK, POP])
    program = s.start()
    program.main_window()
    program.expect_no_window(ERROR_TITLE)
    program.exit_with_izlaz()
    if s.settings_file.exists():
        raise Failure("start-up and exit wrote the settings file")


@scenario
def switching_source_cd_with_the_keyboard(s):
    # Source CD 2 has no listing: choosing it must name the file and leave the program running.
    make_shop(s.shop, [ROCK, None, POP])
    program = s.start()
    window = program.main_window()
    program.expect_no_window(ERROR_TITLE)
    program.keys(window, "Down")
    program.answer(ERROR_TITLE, "Return")
    program.keys(program.main_window(), "Down")
    program.expect_no_window(ERROR_TITLE)
    program.keys(program.main_window(), "Up")
    program.answer(ERROR_TITLE, "Return")
    program.keys(program.main_window(), "Up")
    program.expect_no_window(ERROR_TITLE)
    program.exit_with_izlaz()


@scenario
def missing_shop_list_ends_start_up(s):
    program = s.start()
    program.answer(ERROR_TITLE, "Return")
    status = program.wait_exit()
    if status != 1:
        raise Failure(f"exit status {status}, expected 1; output:\n{program.output()}")


def order_lines(items):
    """An order file as the program writes it: items of (CD label, full path, size)."""
    return "".join(f'"{label}","{path}","{size}"\r\n' for label, path, size in items).encode(
        "cp1250")


def save_order(program, path):
    program.press("alt+a")
    program.choose_file("Sacuvajte PlayListu", path)


def open_order(program, path):
    program.press("alt+o")
    program.choose_file("Otvorite PlayListu", path)


def expect_file(program, path, expected):
    """The file is written once its dialog has closed: waits for it, then compares bytes."""
    end = time.monotonic() + WAIT
    while not path.exists():
        if time.monotonic() > end:
            raise Failure(f"{path} was not written; shown: {program.shown()}")
        remaining()
        time.sleep(0.05)
    actual = path.read_bytes()
    if actual != expected:
        raise Failure(f"{path} holds {actual!r}, expected {expected!r}")


def rock_order():
    return [("CD 001", f"D:\\CD1\\{name}", size) for name, size in ROCK]


@scenario
def add_all_of_a_source_cd(s):
    make_shop(s.shop, [ROCK, POP])
    program = s.start()
    program.press("alt+s")
    save_order(program, s.shop / "narudzba.txt")  # an error box would keep the dialog away
    expect_file(program, s.shop / "narudzba.txt", order_lines(rock_order()))
    program.exit_with_izlaz()


@scenario
def duplicate_refused(s):
    make_shop(s.shop, [ROCK])
    program = s.start()
    window = program.main_window()
    # Tab leaves the list without a current file; Down makes the first current and selected.
    # It is added twice.
    program.tab_to("lstCD")
    program.keys(window, "Down")
    program.press("alt+d")
    program.expect_no_window("Trenutna datoteka vec je dodana")
    program.press("alt+d")
    program.answer("Trenutna datoteka vec je dodana", "Return")
    save_order(program, s.shop / "narudzba.txt")
    expect_file(program, s.shop / "narudzba.txt", order_lines(rock_order()[:1]))
    program.exit_with_izlaz()


@scenario
def capacity_warning_once(s):
    big = [(f"spot{i}.DAT", "300.0000") for i in range(3)]
    make_shop(s.shop, [big, ROCK])
    program = s.start()
    program.press("alt+s")
    program.answer("Previse datoteka izabrano", "Return")
    # Still over the capacity: adding more does not warn again. A second warning would keep
    # the save dialog or the exit away; the saved order shows that the second add happened.
    program.tab_to("cmbCDovi")
    program.keys(program.main_window(), "Down")
    program.press("alt+s")
    save_order(program, s.shop / "narudzba.txt")
    expect_file(program, s.shop / "narudzba.txt", order_lines(
        [("CD 001", f"D:\\CD1\\{name}", size) for name, size in big] +
        [("CD 002", f"D:\\CD2\\{name}", size) for name, size in ROCK]))
    program.exit_with_izlaz()


@scenario
def save_and_open_again(s):
    make_shop(s.shop, [ROCK, POP])
    program = s.start()
    program.press("alt+s")
    save_order(program, s.shop / "prva.txt")
    expect_file(program, s.shop / "prva.txt", order_lines(rock_order()))
    program.press("alt+z")  # remove all
    open_order(program, s.shop / "prva.txt")
    save_order(program, s.shop / "druga.txt")
    expect_file(program, s.shop / "druga.txt", order_lines(rock_order()))
    program.exit_with_izlaz()


@scenario
def search_all_then_add_all(s):
    make_shop(s.shop, [ROCK, [("Ples.mp3", "005.0000")] + POP, [("ples-remix.mp3", "001.0001")]])
    program = s.start()
    program.press("alt+n")
    finder = program.wait_window("Pronadjite datoteku")
    # The text box has the focus; Tab and Right choose "Pretrazi sve CD-ove", Enter searches.
    program.type(finder, "ples")
    program.keys(finder, "Tab", "Right", "Return")
    program.wait_gone(finder, "Pronadjite datoteku", after="searching")
    program.disabled.discard("cmdNadjiSve")
    program.press("alt+s")
    save_order(program, s.shop / "nadjeno.txt")
    expect_file(program, s.shop / "nadjeno.txt", order_lines([
        ("CD 002", "D:\\CD2\\Ples.mp3", "005.0000"),
        ("CD 003", "D:\\CD3\\ples-remix.mp3", "001.0001"),
    ]))
    program.exit_with_izlaz()


@scenario
def previous_orders_answered_no(s):
    make_shop(s.shop, [ROCK])
    (s.shop / "stari.txt").write_bytes(order_lines(rock_order()[1:2]))
    program = s.start()
    window = program.main_window()
    program.tab_to("cmdProsli")  # "Otvorite stare CD-ove" has no mnemonic
    program.keys(window, "space")
    program.answer("Broj CD-ova", "Return")
    program.choose_file("Otvorite stari CD 1", s.shop / "stari.txt")
    program.press("alt+s")
    program.answer("Datoteke se podudaraju", "Escape")  # No
    save_order(program, s.shop / "narudzba.txt")
    order = rock_order()
    expect_file(program, s.shop / "narudzba.txt", order_lines([order[0], order[2]]))
    program.exit_with_izlaz()


@scenario
def options_ok_stores_settings(s):
    make_shop(s.shop, [ROCK])
    program = s.start()
    program.tab_to("cmdOpcije")  # "Opcije" has no mnemonic
    program.keys(program.main_window(), "space")
    program.answer("Opcije", "Return")  # OK is the default button
    settings = configparser.ConfigParser()
    settings.read(s.settings_file)
    stored = {(section, key): settings.get(section, key, fallback=None)
              for section in ("Boje", "Izabrano") for key in ("1", "2")}
    expected = {("Boje", "1"): "0", ("Boje", "2"): "64", ("Izabrano", "1"): "1",
                ("Izabrano", "2"): "1"}
    if stored != expected:
        raise Failure(f"{s.settings_file} holds {stored}, expected {expected}")
    program.exit_with_izlaz()


@scenario
def colour_swatch_chosen_with_the_keyboard(s):
    make_shop(s.shop, [ROCK])
    program = s.start()
    program.tab_to("cmdOpcije")
    program.keys(program.main_window(), "space")
    options = program.wait_window("Opcije")
    # The check boxes, "OK", then the MP3 colour's swatch.
    program.keys(options, "Tab", "Tab", "Tab", "space")
    picker = program.wait_window(COLOUR_TITLE)
    program.keys(picker, "Escape")
    program.wait_gone(picker, COLOUR_TITLE, after="Escape")
    program.answer("Opcije", "Escape")
    program.exit_with_izlaz()


def python_with_pyatspi():
    for interpreter in (sys.executable, "/usr/bin/python3"):
        if subprocess.run([interpreter, "-c", "import pyatspi"], capture_output=True).returncode == 0:
            return interpreter
    raise Failure("no Python with pyatspi (python3-pyatspi) to read the program through AT-SPI")


@scenario
def read_through_atspi(s):
    make_shop(s.shop, [ROCK, POP])
    reader = Path(__file__).with_name("atspi_reader.py")
    program = Program("dbus-run-session", s.display, s.shop, s.config_home, s.state_home,
                      s.runtime_dir, ["--", python_with_pyatspi(), str(reader), s.executable])
    s.programs.append(program)
    status = program.wait_exit(timeout=30)
    output = program.output()
    lines = [line for line in output.splitlines() if line.startswith("{")]
    if status != 0 or not lines:
        raise Failure(f"the AT-SPI reader ended with status {status}; output:\n{output}")
    reading = json.loads(lines[-1])
    expected = {"role": "frame", "name": MAIN_TITLE,
                "lists": ["Datoteke izvornog CD-a", "Narudzba"],
                "total_before": "Ukupno MB izabrano: 000.0000",
                "total_after": "Ukupno MB izabrano: 027.0612", "name_after": MAIN_TITLE + "*"}
    got = {key: reading[key] for key in expected}
    if got != expected:
        raise Failure(f"read {got}, expected {expected}")
    if not any("Ukupno MB izabrano: 027.0612" in heard for heard in reading["heard"]):
        raise Failure(f"no name change of the total was announced; heard {reading['heard']}")


@scenario
def capacity_of_700_mb_warns_once_past_it(s):
    # 699.1023 MB fits a 700 MB CD; one KiB more than 700 MB does not.
    make_shop(s.shop, [[("a.DAT", "400.0000"), ("b.DAT", "299.1023")], [("c.mp3", "000.0002")]])
    program = s.start()
    program.tab_to("cmdOpcije")  # "Opcije" has no mnemonic
    program.keys(program.main_window(), "space")
    options = program.wait_window("Opcije")
    # The capacity is the dialog's last stop: Shift+Tab from the first reaches it.
    program.keys(options, "shift+Tab", "Down", "Return")
    program.wait_gone(options, "Opcije", after="choosing 700 MB")
    program.press("alt+s")
    program.expect_no_window("Previse datoteka izabrano")
    program.tab_to("cmbCDovi")
    program.keys(program.main_window(), "Down")
    program.press("alt+s")
    program.answer("Previse datoteka izabrano", "Return")
    settings = configparser.ConfigParser()
    settings.read(s.settings_file)
    if settings.get("Kapacitet", "MB", fallback=None) != "700":
        raise Failure(f"{s.settings_file} does not hold Kapacitet/MB=700")
    save_order(program, s.shop / "narudzba.txt")
    expect_file(program, s.shop / "narudzba.txt", order_lines(
        [("CD 001", "D:\\CD1\\a.DAT", "400.0000"), ("CD 001", "D:\\CD1\\b.DAT", "299.1023"),
         ("CD 002", "D:\\CD2\\c.mp3", "000.0002")]))
    program.exit_with_izlaz()


def make_shop_with_a_large_second_cd(shop, millions):
    # Source CD 1 is the rock CD; source CD 2 holds millions of short records, so that its
    # load shows the progress dialog.
    make_shop(shop, [ROCK])
    (shop / "PlayList.kat").write_bytes(b'"Izvorni CD 1"\r\n"Velik CD"\r\n')
    (shop / "PlayLists" / "Muzika 002.kat").write_bytes(
        b"".join(b"%08d,1\r\n" % i for i in range(1_000_000)) * millions)


@scenario
def cancelling_a_large_listing(s):
    # Source CD 2 is large enough (twelve million short records, about 2 s to load) that
    # loading it shows the progress dialog; the window answers Esc there while the listing
    # loads, and everything stays as it was.
    make_shop_with_a_large_second_cd(s.shop, millions=12)
    program = s.start()
    program.keys(program.main_window(), "Down")
    program.answer("Ucitavanje", "Escape")
    program.expect_no_window(ERROR_TITLE, seconds=0.3)
    # The list and the chooser show source CD 1 again: "Dodaj Sve" adds its files.
    program.press("alt+s")
    save_order(program, s.shop / "narudzba.txt")
    expect_file(program, s.shop / "narudzba.txt", order_lines(rock_order()))
    program.exit_with_izlaz()


@scenario
def keys_typed_ahead_of_a_long_load(s):
    # Down starts a load that shows the progress dialog; "Dodaj Sve", typed at once, waits for
    # the load and adds the new source CD's files: more than an order can hold.
    make_shop_with_a_large_second_cd(s.shop, millions=4)
    program = s.start()
    program.keys(program.main_window(), "Down", "alt+s")
    program.answer("Previse datoteka izabrano", "Return")
    program.answer("Narudzba je puna", "Return")


@scenario
def escape_stops_a_long_search_at_once(s):
    # One source CD of twelve million names: the search shows its progress dialog, Esc there
    # ends the wait, and the window answers at once while the search runs down.
    make_shop_with_a_large_second_cd(s.shop, millions=12)
    program = s.start()
    program.press("alt+n")
    finder = program.wait_window("Pronadjite datoteku")
    program.type(finder, "x")
    program.keys(finder, "Tab", "Right", "Return")
    program.answer("Pretraga", "Escape")
    answered = program.ping(program.main_window())
    if answered > 0.5:
        raise Failure(f"the window answered a ping after {answered:.2f} s")
    program.exit_with_izlaz()


@scenario
def exit_asks_to_save_a_changed_order(s):
    make_shop(s.shop, [ROCK])
    program = s.start()
    program.press("alt+s")
    # Esc is Cancel: the program goes on with its order.
    program.press_izlaz()
    program.answer(EXIT_TITLE, "Escape")
    if program.process.poll() is not None:
        raise Failure("the program ended after Cancel")
    # Enter is Yes: the save dialog, and the program ends once the order is saved.
    program.press_izlaz()
    program.answer(EXIT_TITLE, "Return")
    program.choose_file("Sacuvajte PlayListu", s.shop / "narudzba.txt")
    status = program.wait_exit()
    if status != 0:
        raise Failure(f"the program ended with status {status}; output:\n{program.output()}")
    expect_file(program, s.shop / "narudzba.txt", order_lines(rock_order()))
    if s.recovery_copies():
        raise Failure("a recovery copy of the saved order was left behind")


@scenario
def emptied_order_comes_back_with_ctrl_z(s):
    make_shop(s.shop, [ROCK])
    program = s.start()
    program.press("alt+s")
    program.press("alt+z")  # "I&zbrisi Sve"
    program.keys(program.main_window(), "ctrl+z")
    save_order(program, s.shop / "narudzba.txt")
    expect_file(program, s.shop / "narudzba.txt", order_lines(rock_order()))
    program.exit_with_izlaz()


@scenario
def order_comes_back_after_a_kill(s):
    make_shop(s.shop, [ROCK])
    program = s.start()
    program.press("alt+s")
    # Copied a second after the change; the kill gives the program no chance to write.
    end = time.monotonic() + WAIT
    while s.recovery_copies() != [order_lines(rock_order())]:
        if time.monotonic() > end:
            raise Failure(f"no recovery copy of the order; copies: {s.recovery_copies()}")
        remaining()
        time.sleep(0.1)
    program.process.kill()
    program.wait_exit()
    program = s.start()
    program.answer(RECOVERY_TITLE, "Return")  # Da
    save_order(program, s.shop / "narudzba.txt")
    expect_file(program, s.shop / "narudzba.txt", order_lines(rock_order()))
    # SIGTERM at once after a change: the program ends as asked, with the order copied.
    program.tab_to("lstCDNarucen")
    program.keys(program.main_window(), "Down", "Delete")
    program.wait_window(MAIN_TITLE + "*")
    program.process.terminate()
    status = program.wait_exit()
    if status != -signal.SIGTERM:
        raise Failure(f"the program ended with status {status} on SIGTERM")
    if s.recovery_copies() != [order_lines(rock_order()[1:])]:
        raise Failure(f"the copy left on SIGTERM: {s.recovery_copies()}")


@scenario
def fifo_as_a_listing_is_named(s):
    # A FIFO would hang the program for good: it is named, and the program goes on.
    make_shop(s.shop, [ROCK, None])
    os.mkfifo(s.shop / "PlayLists" / "Muzika 002.kat")
    program = s.start()
    program.keys(program.main_window(), "Down")
    program.answer(ERROR_TITLE, "Return")
    program.keys(program.main_window(), "Up")
    program.expect_no_window(ERROR_TITLE)
    program.exit_with_izlaz()


@scenario
def delete_key_and_enter_on_a_focused_button(s):
    make_shop(s.shop, [ROCK])
    program = s.start()
    program.press("alt+s")
    program.tab_to("lstCDNarucen")
    program.keys(program.main_window(), "Down", "Delete")  # removes the first item
    save_order(program, s.shop / "prva.txt")
    expect_file(program, s.shop / "prva.txt", order_lines(rock_order()[1:]))
    program.tab_to("cmdIzbrisiSve")
    program.keys(program.main_window(), "Return")  # "I&zbrisi Sve", not "&Dodaj >"
    save_order(program, s.shop / "druga.txt")
    expect_file(program, s.shop / "druga.txt", b"")
    program.exit_with_izlaz()


@scenario
def alt_up_moves_the_last_item_up(s):
    make_shop(s.shop, [ROCK])
    program = s.start()
    program.press("alt+s")
    program.tab_to("lstCDNarucen")
    # The first key makes the first item current, End the last.
    program.keys(program.main_window(), "Down", "End", "alt+Up")
    save_order(program, s.shop / "narudzba.txt")
    items = rock_order()
    expect_file(program, s.shop / "narudzba.txt",
                order_lines(items[:-2] + [items[-1], items[-2]]))
    program.exit_with_izlaz()


@scenario
def command_line_help_version_and_shop_folder(s):
    # Help and version need no display.
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    shown = subprocess.run([s.executable, "--help"], env=env, capture_output=True, text=True,
                           timeout=min(WAIT, remaining()))
    if shown.returncode != 0 or not shown.stdout.startswith(
            "Usage: zbirnik [options] [SHOP_FOLDER]\n") or "SHOP_FOLDER" not in shown.stdout:
        raise Failure(f"--help: status {shown.returncode}, output {shown.stdout!r}")
    version = subprocess.run([s.executable, "--version"], env=env, capture_output=True,
                             text=True, timeout=min(WAIT, remaining()))
    if version.returncode != 0 or not re.fullmatch(r"zbirnik \d+\.\d+\.\d+\n", version.stdout):
        raise Failure(f"--version: status {version.returncode}, output {version.stdout!r}")
    # The shop folder given as the argument, started from another folder.
    make_shop(s.shop, [ROCK])
    program = s.start(arguments=[str(s.shop)], folder=s.config_home)
    program.main_window()
    program.expect_no_window(ERROR_TITLE)
    program.exit_with_izlaz()


# --- the runner -------------------------------------------------------------------------

def main():
    global deadline
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("executable")
    parser.add_argument("--only", nargs="*", help="run only these scenarios")
    options = parser.parse_args()
    executable = str(Path(options.executable).resolve())

    deadline = time.monotonic() + RUN_BUDGET
    display = Display()
    failures = 0
    try:
        for function in SCENARIOS:
            name = function.__name__
            if options.only and name not in options.only:
                continue
            started = time.monotonic()
            with tempfile.TemporaryDirectory(prefix="zbirnik-e2e-") as folder:
                s = Scenario(executable, display, Path(folder))
                try:
                    function(s)
                    print(f"PASS {name} ({time.monotonic() - started:.1f} s)")
                except (Failure, subprocess.TimeoutExpired) as failure:
                    failures += 1
                    print(f"FAIL {name}: {failure}")
                except Exception:  # a fault of the harness itself
                    failures += 1
                    print(f"FAIL {name}:\n{traceback.format_exc()}")
                finally:
                    s.close()
    finally:
        display.close()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
