"""A private desktop session for talking to the calculator through AT-SPI.

Everything runs on private sockets in one scratch directory: an X server
(Xvfb), a session bus, the accessibility bus behind at-spi2-core's launcher,
and on request Orca with its own speech-dispatcher. Every process started
here, and everything those processes start in turn, carries one marker in its
environment, so the session ends them all by their ids when it closes, also
after a failure.
"""

import codecs
import contextlib
import os
import re
import select
import shutil
import signal
import subprocess
import tempfile
import threading
import time
import tty
import uuid

MARKER = "ORVANE_AT_SPI_SESSION"


class SetupError(Exception):
    """The session itself could not be set up: a missing tool, not a fault."""


def poll(predicate, timeout, interval=0.05):
    """The predicate's first true value within timeout, else its value at the end."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    return predicate()


def require(*tools):
    for tool in tools:
        if not shutil.which(tool):
            raise SetupError(f"{tool} is not installed")


def _read_line(fd, timeout, what):
    """One line from a pipe that a server writes when it is ready."""
    data, deadline = b"", time.monotonic() + timeout
    while not data.endswith(b"\n"):
        if not select.select([fd], [], [], max(0, deadline - time.monotonic()))[0]:
            raise TimeoutError(f"timed out after {timeout} s waiting for {what}")
        chunk = os.read(fd, 256)
        if not chunk:
            raise SetupError(f"{what}: the server exited before it was ready")
        data += chunk
    return data.decode().strip()


def generate_locale(root, name):
    """Compiles a locale such as ja_JP.UTF-8 into root, for LOCPATH=root, when
    the system does not have it; returns the LOCPATH to use, or None."""
    have = subprocess.run(["locale", "-a"], capture_output=True, text=True, check=False).stdout
    if name.lower().replace("-", "") in have.lower().replace("-", "").split():
        return None
    language, charset = name.split(".")
    os.makedirs(root, exist_ok=True)
    result = subprocess.run(
        ["localedef", "-i", language, "-f", charset, os.path.join(root, name)],
        capture_output=True, text=True, timeout=60, check=False)
    if not os.path.isdir(os.path.join(root, name)):
        raise SetupError(f"localedef could not build {name}: {result.stderr.strip()}")
    return root


def _alive(pid):
    """Neither gone nor a zombie."""
    try:
        with open(f"/proc/{pid}/stat", "rb") as f:
            return f.read().rsplit(b")", 1)[1].split()[0] != b"Z"
    except OSError:
        return False


def stop(process):
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait(timeout=5)


class SpeechLog:
    """Orca's debug log, read as it is written: through a terminal, so that
    Orca writes it line by line instead of in blocks."""

    def __init__(self):
        self.master, self.slave = os.openpty()
        tty.setraw(self.slave)
        self.path = os.ttyname(self.slave)
        self.text = ""
        # A character may come in two reads.
        self.decode = codecs.getincrementaldecoder("utf-8")(errors="replace").decode
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        with contextlib.suppress(OSError):
            while data := os.read(self.master, 65536):
                with self.lock:
                    self.text += self.decode(data)

    def spoken(self):
        with self.lock:
            return re.findall(r"SPEECH OUTPUT: '([^']*)'", self.text)

    def wait_for_speech(self, predicate, timeout):
        return bool(poll(lambda: any(map(predicate, self.spoken())), timeout))


class Session:
    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="orvane-at-spi-")
        self.marker = uuid.uuid4().hex
        self.processes = []
        home = os.path.join(self.dir, "home")
        # speech-dispatcher's own log: what it was given to say, and when it
        # was told to stop.
        self.speech_log_dir = os.path.join(self.dir, "speech-dispatcher")
        os.makedirs(self.speech_log_dir)
        xdg = {"XDG_CONFIG_HOME": ".config", "XDG_DATA_HOME": ".local/share",
               "XDG_CACHE_HOME": ".cache", "XDG_RUNTIME_DIR": "runtime"}
        xdg = {key: os.path.join(home, sub) for key, sub in xdg.items()}
        for path in xdg.values():
            os.makedirs(path, mode=0o700)
        # Sound goes nowhere: ALSA's null device is every program's default.
        with open(os.path.join(home, ".asoundrc"), "w", encoding="ascii") as f:
            f.write("pcm.!default { type null }\n")
        env = {
            key: value for key, value in os.environ.items()
            if not key.startswith(("DBUS_", "AT_SPI", "XDG_", "QT_", "LC_", "WAYLAND"))
            and key not in ("DISPLAY", "LANG", "LANGUAGE", "XAUTHORITY", "SPEECHD_ADDRESS")
        }
        env.update({
            MARKER: self.marker,
            "HOME": home,
            **xdg,
            "GSETTINGS_BACKEND": "memory",
            "NO_AT_BRIDGE": "0",
            "LANG": "C.UTF-8",
        })
        self.env = env

    def start(self, argv, env=None, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs):
        process = subprocess.Popen(argv, env=env or self.env, start_new_session=True,
                                   stdin=subprocess.DEVNULL, stdout=stdout, stderr=stderr, **kwargs)
        self.processes.append(process)
        return process

    def _start_server(self, argv, what):
        """Starts a server that writes a line to the pipe named "{fd}" in argv
        once it listens; returns the line."""
        read_fd, write_fd = os.pipe()
        try:
            self.start([arg.format(fd=write_fd) for arg in argv], pass_fds=(write_fd,))
            os.close(write_fd)
            return _read_line(read_fd, 20, what)
        finally:
            os.close(read_fd)

    def start_servers(self):
        require("Xvfb", "dbus-daemon", "/usr/libexec/at-spi-bus-launcher", "xdotool")
        self.env["DISPLAY"] = ":" + self._start_server(
            ["Xvfb", "-displayfd", "{fd}", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             "-noreset"], "Xvfb")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._start_server(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile",
             "--address=unix:path=" + os.path.join(self.dir, "bus"), "--print-address={fd}"],
            "dbus-daemon")
        # The accessibility bus, up before anyone asks for it.
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        if not poll(lambda: subprocess.run(
                ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                 "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                env=self.env, capture_output=True, timeout=5, check=False).returncode == 0, 20):
            raise TimeoutError("timed out after 20 s waiting for the accessibility bus")

    def xdotool(self, *args, timeout):
        """xdotool on the session's display; the words it prints, none where
        it took longer than timeout (a window still coming on a busy machine)."""
        try:
            return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                                  timeout=timeout, check=False).stdout.split()
        except subprocess.TimeoutExpired:
            return []

    def find_window(self, process, title, timeout, attempt):
        """The visible X windows of a started process whose title matches;
        searched again when a window vanishing at the program's start broke
        the search, each search given attempt seconds."""
        return poll(lambda: process.poll() is None and self.xdotool(
            "search", "--sync", "--onlyvisible", "--pid", str(process.pid), "--name", title,
            timeout=attempt), timeout)

    @contextlib.contextmanager
    def orca(self, env, timeout):
        """Orca for a with block, speaking to ALSA's null device; yields its log.
        Orca runs once per user: it leaves at once while another of the same
        user's runs, also one of another session, so it is started until it stays."""
        require("orca", "speech-dispatcher")
        config = os.path.join(self.env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(config, exist_ok=True)
        with open("/etc/speech-dispatcher/speechd.conf", encoding="utf-8") as system, \
                open(os.path.join(config, "speechd.conf"), "w", encoding="utf-8") as f:
            f.write(system.read() + '\nAudioOutputMethod "alsa"\n'
                    f'LogLevel 5\nLogDir "{self.speech_log_dir}"\n')
        deadline = time.monotonic() + timeout
        while True:
            log = SpeechLog()
            orca = self.start(["orca", "--debug-file=" + log.path, "--disable", "braille",
                               "--disable", "braille-monitor"], env=env)
            with contextlib.suppress(subprocess.TimeoutExpired):
                orca.wait(timeout=3)
            if orca.returncode is None or deadline - time.monotonic() < 5:
                break
        try:
            yield log
        finally:
            stop(orca)

    def close(self):
        # Everything that carries our marker, including what daemons forked off.
        for sig in (signal.SIGTERM, signal.SIGKILL):
            victims = self._marked_pids()
            for pid in victims:
                with contextlib.suppress(ProcessLookupError):
                    os.kill(pid, sig)
            poll(lambda: not any(map(_alive, victims)), 3)
        for process in self.processes:
            with contextlib.suppress(subprocess.TimeoutExpired):
                process.wait(timeout=1)
        shutil.rmtree(self.dir, ignore_errors=True)

    def _marked_pids(self):
        needle = f"{MARKER}={self.marker}".encode()

        def marked(pid):
            try:
                with open(f"/proc/{pid}/environ", "rb") as f:
                    return needle in f.read().split(b"\0")
            except OSError:
                return False
        return [pid for pid in map(int, filter(str.isdigit, os.listdir("/proc")))
                if pid != os.getpid() and marked(pid)]
