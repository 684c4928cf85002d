#!/usr/bin/env python3
# tests/wine_icons/compare_with_wrestool.py GROUPS_TEST_EXE
# Runs the dump mode of the icon group test under Wine (every icon group of a set of the
# prefix's programs and libraries, written through ExtractIconGroup), then checks it against
# wrestool (icoutils): the same group names in the same order, and the same bytes for every group.
# Needs the Wine session of scripts/with-wine.sh ($WINE, $WINEPREFIX).
import os
import re
import shutil
import subprocess
import sys
import tempfile

LISTED = re.compile(r"^--type=14 --name=('?)([^' ]*)\1 --language=(\d+)")


def same_icon(ref: bytes, ours: bytes) -> bool:
    # wrestool 0.32 sizes its output buffer with the group resource included and writes the
    # unused end of it (6 + 14 x count bytes, not initialised) after the icon: compare the rest.
    if len(ours) < 6 or ref[: len(ours)] != ours:
        return False
    count = int.from_bytes(ours[4:6], "little")
    return len(ref) - len(ours) in (0, 6 + 14 * count)


def main() -> int:
    exe = sys.argv[1]
    wine, prefix = os.environ.get("WINE"), os.environ.get("WINEPREFIX")
    if not wine or not prefix:
        print("run inside scripts/with-wine.sh", file=sys.stderr)
        return 2
    if not shutil.which("wrestool"):
        print("wrestool (icoutils) is missing", file=sys.stderr)
        return 2
    out = tempfile.mkdtemp(prefix="tovenk-icons.")
    try:
        env = dict(os.environ, TOVENK_ICON_DUMP_DIR="Z:" + out.replace("/", "\\"))
        run = subprocess.run([wine, exe, "--gtest_filter=IconGroupDump.*"], env=env, stdin=subprocess.DEVNULL,
                             capture_output=True, text=True, errors="replace")
        if run.returncode != 0:
            print(run.stdout, run.stderr, "the dump failed", sep="\n")
            return 1
        failures = groups = files = 0
        for entry in sorted(os.listdir(out), key=int):
            folder = os.path.join(out, entry)
            windows_path = open(os.path.join(folder, "source.txt"), encoding="ascii").read().strip()
            unix_path = os.path.join(prefix, "drive_c", windows_path[3:].replace("\\", "/"))
            files += 1
            listing = subprocess.run(["wrestool", "-l", "--type=14", unix_path], capture_output=True, text=True).stdout
            theirs = [m.group(2, 3) for m in map(LISTED.match, listing.splitlines()) if m]
            ours = open(os.path.join(folder, "names.txt"), encoding="ascii").read().split()
            if [name for name, _ in theirs] != ours:
                print(f"FAIL {windows_path}: group names or order differ\n  wrestool: {theirs}\n  ours: {ours}")
                failures += 1
                continue
            # All groups at once: wrestool names them FILE_14_NAME_LANGUAGE.ico.
            extracted = os.path.join(folder, "wrestool")
            os.mkdir(extracted)
            subprocess.run(["wrestool", "-x", "--type=14", "-o", extracted + "/", unix_path], capture_output=True)
            base = os.path.basename(unix_path)
            for position, (name, language) in enumerate(theirs, 1):
                groups += 1
                ref_path = os.path.join(extracted, f"{base}_14_{name}_{language}.ico")
                ref = open(ref_path, "rb").read() if os.path.exists(ref_path) else b""
                with open(os.path.join(folder, f"{position}.ico"), "rb") as f:
                    mine = f.read()
                if not same_icon(ref, mine):
                    print(f"FAIL {windows_path}: group {position} ({name}) differs from wrestool's")
                    failures += 1
            print(f"{windows_path}: {len(theirs)} groups, same as wrestool's")
        print(f"{files} files, {groups} groups compared with wrestool; {failures} failures")
        if files < 8 or groups < 190:
            print("too little was compared", file=sys.stderr)
            return 1
        return 1 if failures else 0
    finally:
        shutil.rmtree(out, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
