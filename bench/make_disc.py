#!/usr/bin/env python3
"""Lays out a bench disc: setup.ini listing N files spread over sub-folders and data types,
the files themselves (sizes adding up to the asked total), setup.exe and any extra programs
in the root, every file read-only as on a pressed disc.

  make_disc.py OUT_DIR FILES TOTAL_BYTES REG_T SETUP_EXE SETUP_BMP [EXTRA_FILE...]
"""
import os
import random
import shutil
import stat
import sys

GAME_FOLDER = "BENCH"
TYPES = ["[DATA0] data 0", "[DATA1] data 1", "[DATA2] data 2", "[DATA3] data 3"]


def sizes(count, total, rng):
    # Uneven sizes, as a game's files are: weights from 1 to 16, scaled to the total.
    weights = [rng.randint(1, 16) for _ in range(count)]
    scale = total / sum(weights)
    result = [max(1, int(w * scale)) for w in weights]
    result[-1] += total - sum(result)
    return result


def main():
    out, count, total, reg_t, setup_exe, setup_bmp = sys.argv[1:7]
    extras = sys.argv[7:]
    count, total = int(count), int(total)
    if count > 256:
        sys.exit("make_disc: a description holds at most 256 files")
    if os.path.isdir(out):
        for root, dirs, files in os.walk(out):
            for name in dirs + files:
                os.chmod(os.path.join(root, name), stat.S_IRWXU)
        shutil.rmtree(out)
    rng = random.Random(count * 1000003 + total)
    folders = max(1, min(10, count // 25))
    lines = [
        "#TITLE Bench Disc",
        "#PATH " + GAME_FOLDER,
        "#DEFDIR c:\\Games",
        "#MD bench._md",
        "#REG_S BenchWorks",
        "#REG_T " + reg_t,
        "#INSTALL_LST",
        *TYPES,
        "##",
        "#INSTALL_S",
        "[DATA0]",
        "##",
        "#INSTALL_B",
        *[t.split()[0] for t in TYPES],
        "##",
        "#FILE",
    ]
    for folder in range(folders):
        os.makedirs(os.path.join(out, GAME_FOLDER, "sub%02d" % folder))
    current_type = None
    for index, size in enumerate(sizes(count, total, rng)):
        type_index = index * len(TYPES) // count
        if type_index != current_type:
            current_type = type_index
            lines.append(TYPES[type_index].split()[0])
        relative = "sub%02d\\file%04d.bin" % (index % folders, index)
        lines.append(relative)
        with open(os.path.join(out, GAME_FOLDER, *relative.split("\\")), "wb") as f:
            f.write(rng.randbytes(size))
    lines += ["[]", "##"]
    with open(os.path.join(out, "setup.ini"), "w", encoding="cp932", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")
    shutil.copyfile(setup_exe, os.path.join(out, "setup.exe"))
    shutil.copyfile(setup_bmp, os.path.join(out, "setup.bmp"))
    for extra in extras:
        shutil.copyfile(extra, os.path.join(out, os.path.basename(extra)))
    for root, _, files in os.walk(out):
        for name in files:
            os.chmod(os.path.join(root, name), stat.S_IRUSR | stat.S_IRGRP | stat.S_IROTH)


if __name__ == "__main__":
    main()
