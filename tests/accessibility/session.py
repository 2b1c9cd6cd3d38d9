"""A private desktop session for talking to the calculator through AT-SPI.

Everything runs on private sockets in one scratch directory: an X server
(Xvfb), a session bus, the accessibility bus behind at-spi2-core's launcher,
and on request Orca with its own speech-dispatcher. Every process started
here, and everything those processes start in turn, carries one marker in its
environment, so the session ends them all by their ids when it closes, also
after a failure.
"""

import contextlib
import os
import re
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


def _wait_for(predicate, timeout, what):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.05)
    raise TimeoutError(f"timed out after {timeout} s waiting for {what}")


def _read_line(fd, timeout, what):
    """One line from a pipe that a server writes when it is ready."""
    data = b""
    deadline = time.monotonic() + timeout
    os.set_blocking(fd, False)
    while not data.endswith(b"\n"):
        if time.monotonic() > deadline:
            raise TimeoutError(f"timed out after {timeout} s waiting for {what}")
        try:
            chunk = os.read(fd, 256)
        except BlockingIOError:
            time.sleep(0.02)
            continue
        if not chunk:
            raise SetupError(f"{what}: the server exited before it was ready")
        data += chunk
    return data.decode().strip()


def generate_locale(root, name):
    """Compiles a locale such as ja_JP.UTF-8 into root, for LOCPATH=root, when
    the system does not have it; returns the LOCPATH to use, or None."""
    probe = subprocess.run(["locale", "-a"], capture_output=True, text=True, check=False)
    wanted = name.lower().replace("-", "")
    have = {line.strip().lower().replace("-", "") for line in probe.stdout.splitlines()}
    if wanted in have:
        return None
    language, charset = name.split(".")
    os.makedirs(root, exist_ok=True)
    result = subprocess.run(
        ["localedef", "-i", language, "-f", charset, os.path.join(root, name)],
        capture_output=True, text=True, timeout=60, check=False)
    if not os.path.isdir(os.path.join(root, name)):
        raise SetupError(f"localedef could not build {name}: {result.stderr.strip()}")
    return root


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
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        while True:
            try:
                data = os.read(self.master, 65536)
            except OSError:
                return
            if not data:
                return
            with self.lock:
                self.text += data.decode("utf-8", errors="replace")

    def spoken(self):
        with self.lock:
            return re.findall(r"SPEECH OUTPUT: '([^']*)'", self.text)

    def wait_for_speech(self, predicate, timeout):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if any(predicate(line) for line in self.spoken()):
                return True
            time.sleep(0.05)
        return False


class Session:
    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="orvane-at-spi-")
        self.marker = uuid.uuid4().hex
        self.processes = []
        home = os.path.join(self.dir, "home")
        for sub in ("", ".config", ".local/share", ".cache", "runtime"):
            os.makedirs(os.path.join(home, sub), exist_ok=True)
        os.chmod(os.path.join(home, "runtime"), 0o700)
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
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local/share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_RUNTIME_DIR": os.path.join(home, "runtime"),
            "GSETTINGS_BACKEND": "memory",
            "NO_AT_BRIDGE": "0",
            "LANG": "C.UTF-8",
        })
        self.env = env

    # -- processes ---------------------------------------------------------

    def start(self, argv, env=None, **kwargs):
        process = subprocess.Popen(argv, env=env or self.env, start_new_session=True,
                                   stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def start_servers(self):
        for tool in ("Xvfb", "dbus-daemon", "/usr/libexec/at-spi-bus-launcher"):
            if not shutil.which(tool):
                raise SetupError(f"{tool} is not installed")
        # The X server tells us its display number once it listens.
        read_fd, write_fd = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24",
                    "-nolisten", "tcp", "-noreset"], pass_fds=(write_fd,),
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        display = _read_line(read_fd, 20, "Xvfb")
        os.close(read_fd)
        self.env["DISPLAY"] = ":" + display

        bus = os.path.join(self.dir, "bus")
        read_fd, write_fd = os.pipe()
        self.start(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                    "--address=unix:path=" + bus, f"--print-address={write_fd}"],
                   pass_fds=(write_fd,), stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
        os.close(write_fd)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = _read_line(read_fd, 20, "dbus-daemon")
        os.close(read_fd)

        # The accessibility bus, up before anyone asks for it.
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _wait_for(lambda: self._a11y_bus_address(), 20, "the accessibility bus")

    def find_window(self, pid, title, timeout):
        """The visible X windows of the started program pid whose title matches."""
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                str(pid), "--name", title], env=self.env,
                               capture_output=True, text=True, timeout=timeout, check=False)
        return found.stdout.split()

    @contextlib.contextmanager
    def orca(self, env, timeout):
        """Orca for a with block, speaking to ALSA's null device; yields its log.
        Orca runs once per user: it leaves at once while another of the same
        user's runs, also one of another session, so it is started until it stays."""
        for tool in ("orca", "speech-dispatcher"):
            if not shutil.which(tool):
                raise SetupError(f"{tool} is not installed")
        config = os.path.join(self.env["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(config, exist_ok=True)
        with open("/etc/speech-dispatcher/speechd.conf", encoding="utf-8") as f:
            system_config = f.read()
        with open(os.path.join(config, "speechd.conf"), "w", encoding="utf-8") as f:
            f.write(system_config + '\nAudioOutputMethod "alsa"\n')
        deadline = time.monotonic() + timeout
        while True:
            log = SpeechLog()
            orca = self.start(["orca", "--debug-file=" + log.path, "--disable", "braille",
                               "--disable", "braille-monitor"], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            try:
                orca.wait(timeout=3)
            except subprocess.TimeoutExpired:
                break
            if deadline - time.monotonic() < 5:
                break
        try:
            yield log
        finally:
            stop(orca)

    def _a11y_bus_address(self):
        result = subprocess.run(
            ["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
             "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
            env=self.env, capture_output=True, text=True, timeout=5, check=False)
        return result.stdout.strip() if result.returncode == 0 else None

    def close(self):
        # Everything that carries our marker, including what daemons forked off.
        for attempt in range(2):
            victims = [pid for pid in self._marked_pids() if pid != os.getpid()]
            for pid in victims:
                try:
                    os.kill(pid, signal.SIGTERM if attempt == 0 else signal.SIGKILL)
                except ProcessLookupError:
                    pass
            deadline = time.monotonic() + 3
            while victims and time.monotonic() < deadline:
                victims = [pid for pid in victims if os.path.exists(f"/proc/{pid}")
                           and not self._is_zombie(pid)]
                for process in self.processes:
                    process.poll()
                time.sleep(0.05)
        for process in self.processes:
            try:
                process.wait(timeout=1)
            except subprocess.TimeoutExpired:
                pass
        shutil.rmtree(self.dir, ignore_errors=True)

    def _marked_pids(self):
        needle = f"{MARKER}={self.marker}".encode()
        pids = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open(f"/proc/{entry}/environ", "rb") as f:
                    if needle in f.read().split(b"\0"):
                        pids.append(int(entry))
            except OSError:
                pass
        return pids

    @staticmethod
    def _is_zombie(pid):
        try:
            with open(f"/proc/{pid}/stat", "rb") as f:
                return f.read().rsplit(b")", 1)[1].split()[0] == b"Z"
        except OSError:
            return True

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
        return False
