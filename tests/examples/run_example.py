"""Runs one getting-started example and compares what it prints with the
output its page shows.

    run_example.py EXPECTED -- COMMAND ARGUMENT...

`@DB@` in an argument is a database file in a scratch folder of this run,
which the command before it in `--setup COMMAND ... --` may fill first. The
example must print exactly EXPECTED, exit 0, and log nothing at WARNING or
above (GLib's and GTK's messages go to standard error).
"""
import os
import re
import subprocess
import sys
import tempfile

SERIOUS = re.compile(r"-(WARNING|CRITICAL|ERROR) \*\*|^\*\* \(|Traceback |ERROR: \w+Sanitizer", re.M)


def main(argv):
    expected_file, rest = argv[0], argv[1:]
    setup = []
    if rest[:1] == ["--setup"]:
        end = rest.index("--", 1)
        setup, rest = rest[1:end], rest[end:]
    command = rest[1:]
    with open(expected_file, encoding="utf-8") as f:
        expected = f.read()
    with tempfile.TemporaryDirectory() as folder:
        database = os.path.join(folder, "example.db")
        for step in (setup, command):
            if not step:
                continue
            run = subprocess.run([a.replace("@DB@", database) for a in step],
                                 capture_output=True, text=True, timeout=120)
            sys.stderr.write(run.stderr)
            if run.returncode != 0:
                print(f"{step[0]} exited with {run.returncode}")
                return 1
            if SERIOUS.search(run.stderr):
                print(f"{step[0]} logged a warning or worse")
                return 1
        if run.stdout != expected:
            print("printed:\n" + run.stdout + "\nexpected:\n" + expected)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
