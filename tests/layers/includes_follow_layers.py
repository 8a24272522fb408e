#!/usr/bin/env python3
"""Every #include "..." under src/ points to its own layer or one below it,
and within a layer no folder leads back to itself through its includes.

Usage: includes_follow_layers.py LAYERS_TXT SRC_DIR

LAYERS_TXT is written by the build (src/CMakeLists.txt): one line per target,
"TARGET SOURCE_DIR SOURCE,SOURCE,...", so a file's layer is the target that
builds it. Fails naming file and line for each include against the table."""
import os
import re
import sys
from collections import defaultdict

# The layers, lowest first: a target may include files of its own layer and
# of the layers before it. Peers in one row may include each other.
LAYERS = [
    ["gridly_document"],                        # core: the Puzzle, its grid arrays, files, formats
    ["gridly_grid"],                            # core: searches, generators, size
    ["gridly_rules"],                           # core: the plain rules of panel/, play/, print/, view/
    ["gridly_desktop", "gridly_filestore"],     # platform: the desktop seam, the file store (Qt Core)
    ["gridly_undo"],                            # the document every change goes through, and its history
    ["gridly_render", "gridly_draw_icons"],     # the grid renderer, the page, its PDF (Qt Gui)
    ["gridly_widgets", "gridly_desktop_qt"],    # the widgets of view/, the seam's Qt side
    ["gridly_parts"],                           # word panel, entry strip, drag, play side
    ["gridly_window", "gridly"],                # the main window
]
# gridly-tool stands beside the window, on the core, the file store and the renderer.
BESIDE = {"gridly-tool": {"gridly_document", "gridly_grid", "gridly_rules", "gridly_filestore", "gridly_render"}}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def main(layers_txt, src_dir):
    src_dir = os.path.realpath(src_dir)
    level = {t: i for i, row in enumerate(LAYERS) for t in row}
    target_of = {}
    with open(layers_txt) as listing:
        for line in listing:
            target, source_dir, sources = (line.rstrip("\n").split(" ", 2) + [""])[:3]
            for source in filter(None, (s.strip() for s in sources.split(","))):
                path = os.path.realpath(os.path.join(source_dir, source))
                if path.startswith(src_dir + os.sep):  # not the build's generated files
                    target_of[os.path.relpath(path, src_dir)] = target

    def allowed(user, used):
        if user in BESIDE:
            return used == user or used in BESIDE[user]
        return used in level and level[used] <= level[user]

    faults = []
    folder_edges = defaultdict(list)  # (from folder, to folder) -> [(file, line)]
    for root, _, files in os.walk(src_dir):
        for name in sorted(files):
            if not name.endswith((".h", ".cpp")):
                continue
            rel = os.path.relpath(os.path.join(root, name), src_dir)
            user = target_of.get(rel)
            if user is None or (user not in level and user not in BESIDE):
                faults.append(f"src/{rel}: built by no layer's target")
                continue
            with open(os.path.join(root, name), encoding="utf-8") as text:
                for number, line in enumerate(text, 1):
                    found = INCLUDE.match(line)
                    if not found:
                        continue
                    header = os.path.normpath(found.group(1))
                    used = target_of.get(header)
                    if used is None:
                        faults.append(f"src/{rel}:{number}: includes {header}, which no layer's target builds")
                    elif not allowed(user, used):
                        faults.append(f"src/{rel}:{number}: {user} includes {header} of {used}, a layer above it")
                    # Folders that share a layer must not include each other either.
                    folder_from, folder_to = rel.split(os.sep)[0], header.split(os.sep)[0]
                    if folder_from != folder_to and used == user:
                        folder_edges[(folder_from, folder_to)].append(f"src/{rel}:{number}")

    # A folder that reaches itself through its includes is half of a cycle.
    graph = defaultdict(set)
    for a, b in folder_edges:
        graph[a].add(b)

    def reaches(start, goal):
        seen, todo = set(), [start]
        while todo:
            folder = todo.pop()
            if folder == goal:
                return True
            if folder not in seen:
                seen.add(folder)
                todo.extend(graph[folder])
        return False

    for (a, b), places in sorted(folder_edges.items()):
        if reaches(b, a):
            faults.append(f"{places[0]}: {a}/ includes {b}/, and {b}/ leads back to {a}/ (a folder cycle)")

    for fault in faults:
        print(fault)
    print(f"{len(target_of)} files in {len(set(target_of.values()))} targets; {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
