#!/usr/bin/env python3
"""Checks the shape of the includes: no layer includes a layer above it, no two units include
each other, and the tools use no engine global and reach, through any chain of includes, no
module that changes the machine. Exit 1 with each fault named."""
import glob, os, re, sys

LAYERS = {"text": 0, "path": 1, "platform": 2, "setup_source": 3, "install": 4, "ui": 5}
ENGINE_GLOBALS = ("g_InstallFolder", "g_InstallKind", "g_TypeMask")
# The record, the folder log, folder creation, the copy, the uninstall, the registry and the
# dialogs that drive them: a publisher's tool must never write what the launcher writes.
WRITERS = tuple("src/install/" + m for m in
                ("installed_state", "folder_log", "folder_creation", "copy_step", "uninstaller"))
WRITERS += ("src/platform/registry", "src/platform/copy_with_progress")
os.chdir(sys.argv[1])
faults, includes = [], {}
sources = glob.glob("src/**/*.[ch]*", recursive=True) + glob.glob("tools/**/*.[ch]*", recursive=True)
for path in sources:
    unit, text = os.path.splitext(path)[0], open(path, encoding="utf-8").read()
    for name in re.findall(r'#include "([^"]+)"', text):
        beside = os.path.join(os.path.dirname(path), name)
        target = beside if os.path.exists(beside) else "src/" + name
        includes.setdefault(unit, set()).add(os.path.splitext(target)[0])
        parts = path.split("/")
        if parts[0] == "src" and LAYERS.get(name.split("/")[0], -1) > LAYERS.get(parts[1], 9):
            faults.append(f"{path} includes {name}, a layer above it")
    if path.startswith("tools/"):
        faults += [f"{path} uses {g}" for g in ENGINE_GLOBALS if re.search(r"\b%s\b" % g, text)]
for unit, others in includes.items():
    for other in others:
        if unit < other and unit in includes.get(other, ()):
            faults.append(f"{unit} and {other} include each other")
for unit in [u for u in includes if u.startswith("tools/")]:
    reached, todo = set(), [unit]
    while todo:
        todo += includes.get(todo.pop(), set()) - reached
        reached.update(todo)
    faults += [f"{unit} reaches {other}, which changes the machine" for other in sorted(reached)
               if other in WRITERS or other.startswith("src/ui/")]
print("\n".join(faults) or "includes: each layer looks only down, no two units include each other, "
      "no tool reaches a writer")
sys.exit(1 if faults else 0)
