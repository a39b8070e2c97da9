#!/usr/bin/env python3
"""Peak memory and the longest time the window does not answer, on hostile shops.

    hostile_shops.py ZBIRNIK_EXECUTABLE [--only NAME...]

Each case makes a shop, starts the program on a private Xvfb display, drives it with xdotool
and meanwhile pings the main window with _NET_WM_PING (as a window manager does to see
whether a program hangs). It prints the program's peak resident memory (VmHWM) and the
longest wait for a ping's answer, from the start of the action to the end of the case.
"""

import argparse
import os
import select
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

from Xlib import X
from Xlib import display as xdisplay
from Xlib.protocol import event as xevent


def start_display():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                               "1024x768x24", "-nolisten", "tcp"], pass_fds=[write_end],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        number += os.read(read_end, 16)
    os.close(read_end)
    return server, ":" + number.decode().strip()


class Pinger(threading.Thread):
    """Pings a window again as soon as it answers; keeps the longest wait."""

    def __init__(self, name, window):
        super().__init__(daemon=True)
        self.connection = xdisplay.Display(name)
        root = self.connection.screen().root
        # Without a window manager the answer comes to whoever redirects the root's children.
        root.change_attributes(event_mask=X.SubstructureNotifyMask | X.SubstructureRedirectMask)
        self.protocols = self.connection.intern_atom("WM_PROTOCOLS")
        self.ping = self.connection.intern_atom("_NET_WM_PING")
        self.window = window
        self.longest = 0.0
        self.stopping = False

    def run(self):
        target = self.connection.create_resource_object("window", self.window)
        stamp = 0
        while not self.stopping:
            stamp += 1
            target.send_event(xevent.ClientMessage(
                window=target, client_type=self.protocols,
                data=(32, [self.ping, stamp, self.window, 0, 0])), event_mask=X.NoEventMask)
            self.connection.flush()
            sent = time.monotonic()
            answered = False
            while not answered and not self.stopping:
                select.select([self.connection.fileno()], [], [], 0.01)
                while self.connection.pending_events():
                    answer = self.connection.next_event()
                    if answer.type == X.ClientMessage and answer.data[1][1] == stamp:
                        answered = True
                    elif answer.type == X.MapRequest:
                        answer.window.map()
                    elif answer.type == X.ConfigureRequest:
                        configure(answer)
                self.longest = max(self.longest, time.monotonic() - sent)
            time.sleep(0.01)


def configure(request):
    # Redirecting the root's children makes this client the window manager: what the
    # program asks of its windows is done as asked.
    fields = {X.CWX: "x", X.CWY: "y", X.CWWidth: "width", X.CWHeight: "height",
              X.CWBorderWidth: "border_width"}
    request.window.configure(**{name: getattr(request, name)
                                for bit, name in fields.items() if request.value_mask & bit})


def peak_memory_mb(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1]) / 1024
    return 0.0


def xdotool(name, *args):
    return subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=name),
                          capture_output=True, text=True).stdout.split()


def wait_window(name, title, timeout=120):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = xdotool(name, "search", "--onlyvisible", "--name", f"^{title}$")
        if found:
            return found[0]
        time.sleep(0.05)
    raise RuntimeError(f"no window {title}")


def write_shop(folder, listings, shop_list=None):
    (folder / "PlayLists").mkdir(parents=True)
    (folder / "PlayList.kat").write_bytes(
        shop_list or b"".join(b'"CD %d"\r\n' % (i + 1) for i in range(len(listings))))
    for i, data in enumerate(listings):
        (folder / "PlayLists" / f"Muzika {i + 1:03d}.kat").write_bytes(data)


SMALL = b'"D:\\a.mp3","001.0000"\r\n'
CASES = {}


def case(function):
    CASES[function.__name__] = function
    return function


@case
def bare_line_feeds_64mb(shop):
    write_shop(shop, [SMALL, b"\n" * (64 << 20)])
    return [("key", "Down"), ("sleep", 6)]


@case
def records_of_four_bytes_64mb(shop):
    # The listing with the most rows a size allows: every record a name and a size of one
    # character.
    write_shop(shop, [SMALL, b"a,1\n" * (16 << 20)])
    return [("key", "Down"), ("sleep", 15)]


@case
def records_of_four_bytes_256mb(shop):
    # The same at the listing's cap of 256 MB.
    write_shop(shop, [SMALL, b"a,1\n" * (64 << 20)])
    return [("key", "Down"), ("sleep", 30)]


@case
def records_of_three_bytes_256mb(shop):
    # The shortest records that give a row: a name of one character and an empty size.
    write_shop(shop, [SMALL, b"a,\n" * ((256 << 20) // 3)])
    return [("key", "Down"), ("sleep", 30)]


@case
def empty_search_of_a_million(shop):
    # 1 000 source CDs of 1 000 files each, searched with an empty text.
    files = b"".join(b'"D:\\CD\\pjesma %04d.mp3","004.0512"\r\n' % i for i in range(1000))
    write_shop(shop, [files] * 1000)
    return [("key", "alt+n"), ("window", "Pronadjite datoteku"), ("key", "Tab", "Right", "Return"),
            ("sleep", 20)]


@case
def long_name_search_then_esc(shop):
    # Fifty names of 32 000 letters searched with a pattern of 3 000 letters that fits
    # almost everywhere (name length x pattern length steps each), Esc at once.
    name = b"D:\\" + b"a" * 32000 + b".mp3,001.0000\r\n"
    write_shop(shop, [SMALL, name * 50])
    return [("key", "alt+n"), ("window", "Pronadjite datoteku"),
            ("type", "b" + "a" * 2999), ("key", "Tab", "Right", "Return"),
            ("window", "Pretraga"), ("mark",), ("key", "Escape"), ("sleep", 3)]


@case
def add_all_of_12_million(shop):
    write_shop(shop, [SMALL, b"".join(b"%08d,1\r\n" % i for i in range(1_000_000)) * 12])
    return [("key", "Down"), ("sleep", 15), ("mark",), ("key", "alt+s"), ("sleep", 10)]


@case
def sixteen_million_source_cds(shop):
    write_shop(shop, [SMALL], shop_list=b"CD\n" + b"\n" * ((16 << 20) - 4))
    return [("mark",), ("key", "alt+Down"), ("sleep", 5)]


@case
def name_of_200mb(shop):
    write_shop(shop, [SMALL, b"D:\\" + b"x" * (200 << 20) + b".mp3,001.0000\r\n"])
    return [("key", "Down"), ("sleep", 8), ("mark",), ("key", "Tab", "Down"), ("sleep", 4),
            ("key", "alt+d"), ("sleep", 6)]


def run(executable, name, shop_case):
    server, display = start_display()
    try:
        with tempfile.TemporaryDirectory(prefix="zbirnik-hostile-") as folder:
            shop = Path(folder) / "shop"
            steps = CASES[shop_case](shop)
            env = dict(os.environ, DISPLAY=display, XDG_CONFIG_HOME=folder,
                       QT_QPA_PLATFORM="xcb")
            started = time.monotonic()
            program = subprocess.Popen([executable], cwd=shop, env=env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            # A message at start-up (a shop list too long) comes before the window.
            while not xdotool(display, "search", "--onlyvisible", "--name", "^Zbirnik$"):
                for box in xdotool(display, "search", "--name", "^Greska$"):
                    xdotool(display, "windowfocus", "--sync", box)
                    xdotool(display, "key", "Return")
                time.sleep(0.05)
            window = wait_window(display, "Zbirnik")
            start_up = time.monotonic() - started
            pinger = Pinger(display, int(window))
            pinger.start()
            focused = window
            for step in steps:
                if step[0] == "key":
                    xdotool(display, "windowfocus", "--sync", focused)
                    xdotool(display, "key", "--delay", "30", *step[1:])
                elif step[0] == "type":
                    xdotool(display, "windowfocus", "--sync", focused)
                    xdotool(display, "type", "--delay", "0", step[1])
                elif step[0] == "window":
                    focused = wait_window(display, step[1])
                elif step[0] == "mark":
                    pinger.longest = 0.0
                elif step[0] == "sleep":
                    time.sleep(step[1])
            pinger.stopping = True
            memory = peak_memory_mb(program.pid)
            program.kill()
            program.wait()
            print(f"{shop_case}: start-up {start_up:.1f} s, VmHWM {memory:.0f} MB, "
                  f"longest unanswered {pinger.longest:.2f} s", flush=True)
    finally:
        server.terminate()
        server.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("executable")
    parser.add_argument("--only", nargs="*")
    options = parser.parse_args()
    for shop_case in CASES:
        if not options.only or shop_case in options.only:
            run(str(Path(options.executable).resolve()), shop_case, shop_case)


if __name__ == "__main__":
    sys.exit(main())
