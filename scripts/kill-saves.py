#!/usr/bin/env python3
"""Kills quillary-cli with SIGKILL in the middle of `generate`, again and again, and counts
what each kill left: the old file, the new file, or a torn one (neither); and the
temporary files left beside it. Not a test (its outcome is a matter of chance and of the
machine's load): a measurement, run by hand.

    scripts/kill-saves.py CLI atomic|inplace [RUNS [uniform|focused]]   (1000 runs, focused)

atomic:  the usual save, through a temporary file renamed over the old one.
inplace: the folder takes no temporary file (as user nobody in a read-only folder when
         run as root), so the file is written in place. A torn file counts as
         recoverable when an unfinished-save note names it, its backup holds the old
         bytes and the next run of the tool tells of it.

focused: each kill falls at a random moment up to 1 ms after the save shows (a file
appears in the folder, the file or the backup folder changes); uniform: at a random
moment of the whole run, as long as a complete run takes here.
Temporary files are not removed between runs: those still there at the end, after one
more complete save, are counted, as are the kills that left a new one.
"""
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

cli, mode = os.path.realpath(sys.argv[1]), sys.argv[2]
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 1000
uniform = len(sys.argv) > 4 and sys.argv[4] == "uniform"
work = tempfile.mkdtemp()
os.chmod(work, 0o755)
out, data = os.path.join(work, "out"), os.path.join(work, "data")
backups = os.path.join(data, "Halvex", "Quillary", "in-place-backups")
os.makedirs(backups)
for folder in (out, data, os.path.join(data, "Halvex"), os.path.join(data, "Halvex", "Quillary"), backups):
    os.makedirs(folder, exist_ok=True)
    os.chmod(folder, 0o777)
env = dict(os.environ, XDG_DATA_HOME=data, LC_ALL="C.UTF-8")
other = mode == "inplace" and os.getuid() == 0
def as_user():
    if other:
        os.setgid(65534)
        os.setgroups([])
        os.setuid(65534)
target = os.path.join(out, "config.txt")
old = b"".join(b"old line %02d of the file before\r\n" % i for i in range(1, 41))
new = subprocess.run([cli, "generate", "-o", "-"], capture_output=True, env=env).stdout

def reset():
    os.chmod(out, 0o755)
    with open(target, "wb") as f:
        f.write(old)
    os.chmod(target, 0o666)
    if mode == "inplace":
        os.chmod(out, 0o555)

def state():
    try:
        return (os.stat(out).st_mtime_ns, os.stat(target).st_mtime_ns, os.stat(backups).st_mtime_ns)
    except FileNotFoundError:
        return None

def run(extra=()):
    return subprocess.Popen([cli, *extra], env=env, preexec_fn=as_user, stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE)

def read(path):
    with open(path, "rb") as f:
        return f.read()

reset()
started = time.monotonic()
for _ in range(5):
    run(["generate", "-o", target]).wait()
span = (time.monotonic() - started) / 5
assert read(target) == new, "a complete save did not write the new file"

counts = dict(old=0, new=0, torn=0, lost=0, stray_runs=0)
for n in range(runs):
    reset()
    standing = set(os.listdir(out))
    before = state()
    p = run(["generate", "-o", target])
    if uniform:
        time.sleep(random.uniform(0, span))
    else:
        while p.poll() is None and state() == before:
            pass
        deadline = time.perf_counter() + random.uniform(0, 0.001)
        while time.perf_counter() < deadline:
            pass
    p.send_signal(signal.SIGKILL)
    p.wait()
    now = read(target)
    if now == old:
        counts["old"] += 1
    elif now == new:
        counts["new"] += 1
    else:
        counts["torn"] += 1
        hexname = target.encode().hex()
        notes = [os.path.join(backups, f) for f in os.listdir(backups) if f.endswith(".pending")]
        named = [f for f in notes if ("target %s\n" % hexname) in read(f).decode("latin-1")]
        told = run(["check", os.path.join(work, "none")]).communicate()[1]
        if not named or read(named[0][: -len(".pending")] + ".bak") != old or b"did not finish" not in told:
            counts["lost"] += 1
    if set(os.listdir(out)) - standing:
        counts["stray_runs"] += 1
    for f in os.listdir(backups):
        os.remove(os.path.join(backups, f))

reset()
os.chmod(out, 0o777)
run(["generate", "-o", target]).wait()
left = len(os.listdir(out)) - 1
subprocess.run(["chmod", "-R", "u+rwX", work])
subprocess.run(["rm", "-rf", work])
print(f"{mode}, {'uniform' if uniform else 'focused'}: {runs} runs: old {counts['old']}, new {counts['new']}, torn {counts['torn']} "
      f"(not recoverable or not told {counts['lost']}); kills that left a temporary file {counts['stray_runs']}; "
      f"temporary files left after all runs and one more save {left}")
