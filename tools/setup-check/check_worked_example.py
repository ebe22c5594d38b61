#!/usr/bin/env python3
"""setup-check --json on a disc built like the worked example: the listed values, exit 1."""
import json
import os
import subprocess
import sys
import tempfile

SETUP_INI = r"""#TITLE サンプル ゲーム
#PATH SAMPLE
#DEFDIR c:\Games
#REG_T SAMPLE
#INSTALL_LST
[EXE]
[SOUND]
[DATA]
[CG16]
[CG24]
##
#INSTALL_S
[EXE]
[DATA]
##
#INSTALL_B
[EXE]
[SOUND]
[DATA]
[CG24]
##
#INSTALL_C
[EXE]
[SOUND]
##
#FILE
readme.txt
[EXE]
game.exe
[SOUND]
se.dat
[DATA]
data\script.dat
[]
manual.txt
##
"""

EXPECTED = {
    "settings": {"TITLE": "サンプル ゲーム", "PATH": "SAMPLE", "DEFDIR": "c:\\Games",
                 "MD": "game._md", "EXE": "game.exe", "REG_P": "Software",
                 "REG_S": "QUERN FIELD", "REG_T": "SAMPLE"},
    "product_key_path": "Software\\QUERN FIELD\\SAMPLE",
    "types": [{"index": 0, "name": "[EXE]", "size": 600000},
              {"index": 1, "name": "[SOUND]", "size": 2000002},
              {"index": 2, "name": "[DATA]", "size": 70000},
              {"index": 3, "name": "[CG16]", "size": 0},
              {"index": 4, "name": "[CG24]", "size": 0}],
    "sets": [{"name": "INSTALL_S", "entries": [0, 2], "mask": 5, "size": 670720},
             {"name": "INSTALL_B", "entries": [0, 1, 2, 4], "mask": 23, "size": 2671616},
             {"name": "INSTALL_C", "entries": [0, 1], "mask": 3, "size": 2600960}],
    "files": [{"name": "readme.txt", "mask": 2147483648, "size": 1002},
              {"name": "game.exe", "mask": 1, "size": 600000},
              {"name": "se.dat", "mask": 2, "size": 2000002},
              {"name": "data\\script.dat", "mask": 4, "size": 70000},
              {"name": "manual.txt", "mask": 2147483648, "size": 0}],
}


def main():
    tool = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as disc:
        with open(os.path.join(disc, "setup.ini"), "wb") as f:
            f.write(SETUP_INI.replace("\n", "\r\n").encode("cp932"))
        os.makedirs(os.path.join(disc, "SAMPLE", "data"))
        for name, size in [("readme.txt", 1001), ("game.exe", 600000), ("se.dat", 2000001),
                           (os.path.join("data", "script.dat"), 70000)]:
            with open(os.path.join(disc, "SAMPLE", name), "wb") as f:
                f.write(b"x" * size)

        run = subprocess.run([tool, "--json", disc], capture_output=True)
        if run.returncode != 1:
            failures.append(f"exit status {run.returncode}, expected 1")
        report = json.loads(run.stdout.decode("utf-8"))
        if set(report) != set(EXPECTED) | {"source_folder", "diagnostics"}:
            failures.append(f"members {sorted(report)}")
        for key, value in EXPECTED.items():
            if report.get(key) != value:
                failures.append(f"{key}: {report.get(key)!r}\n  expected {value!r}")
        if report.get("source_folder") != os.path.realpath(disc):
            failures.append(f"source_folder {report.get('source_folder')!r}")
        errors = [d for d in report.get("diagnostics", []) if d["severity"] == "error"]
        if len(errors) != 1 or errors[0]["line"] != 35 or "manual.txt" not in errors[0]["message"]:
            failures.append(f"errors {errors!r}")

        missing = subprocess.run([tool, "--json", os.path.join(disc, "SAMPLE")],
                                 capture_output=True)
        if missing.returncode != 2 or missing.stdout or not missing.stderr:
            failures.append(f"without setup.ini: exit {missing.returncode}, {missing.stdout!r}")
        usage = subprocess.run([tool, "--bogus"], capture_output=True)
        if usage.returncode != 2:
            failures.append(f"bad arguments: exit {usage.returncode}")

    for failure in failures:
        print("FAIL", failure)
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
