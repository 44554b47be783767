#!/usr/bin/env python3
"""Checks that the folders' includes follow the layers the build declares.

Each folder that says `vantel_library(FOLDER LINKS ...)` in its CMakeLists.txt
is one library; its files are the .cpp, .h and .ui files right in that folder
(the glob of vantel_library is not recursive). vantel_library links with
PUBLIC, so the arrows are transitive: a library may include the headers of
itself, of every vantel_ library on its LINKS line, and of whatever those link
in turn. Anything else in LINKS (Qt6::..., ${...}) is not one of ours and is
ignored.

An include is one of ours when it names a path from the root (`#include
"folder/File.h"`, or a custom widget's <header> in a .ui file) under one of our
folders; its library is the longest library folder it lies in, so
"platform/sound/X.h" is platform/sound. It fails the check when:
  - a library's file includes a header of a library it does not reach, or a
    path under a folder of ours that is no library;
  - the folders' includes form a circle (A includes B and B, directly or
    through others, includes A), whatever the LINKS lines say.

Tests, benchmarks and fuzz targets stand outside the layers. Tests are checked
against the libraries their folder's vantel_test_folder(...) line in
tests/CMakeLists.txt links, when there is one; headers under tests/ are theirs
to share.

Usage: check-layers.py [ROOT]    (ROOT defaults to the repository)
Exits 0 when the tree keeps its layers, 1 with one line per fault otherwise.
"""

import os
import re
import sys

SOURCE_SUFFIXES = (".cpp", ".h", ".ui")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
# A Designer form names the headers of its custom widgets; uic includes them.
UI_HEADER = re.compile(r"<header[^>]*>\s*([^<\s]+)\s*</header>")
LIBRARY_CALL = re.compile(r"\bvantel_library\s*\(([^)]*)\)", re.DOTALL)
TEST_FOLDER_CALL = re.compile(r"\bvantel_test_folder\s*\(([^)]*)\)", re.DOTALL)
# Test targets that stand for a library's closure (tests/CMakeLists.txt).
TEST_SUPPORT_TARGETS = {"vantel_form_test_support": ["app"]}


def strip_cmake_comments(text):
    return "\n".join(line.split("#", 1)[0] for line in text.splitlines())


def read_libraries(root):
    """Maps each library folder to the library folders on its LINKS line."""
    libraries = {}
    for dirpath, dirnames, filenames in os.walk(root):
        rel = os.path.relpath(dirpath, root)
        top = rel.split(os.sep)[0]
        if rel != "." and top.startswith(".") or top.startswith("build") or top in ("tests", "bench", "fuzz"):
            dirnames[:] = []
            continue
        if "CMakeLists.txt" not in filenames:
            continue
        with open(os.path.join(dirpath, "CMakeLists.txt"), encoding="utf-8") as f:
            text = strip_cmake_comments(f.read())
        for match in LIBRARY_CALL.finditer(text):
            words = match.group(1).split()
            folder, links = words[0], []
            if "LINKS" in words:
                links = words[words.index("LINKS") + 1:]
            libraries[folder] = [w for w in links if w.startswith("vantel_")]
    # Target names back to folders: vantel_platform_sound is platform/sound.
    by_target = {"vantel_" + folder.replace("/", "_"): folder for folder in libraries}
    faults = []
    for folder, targets in libraries.items():
        resolved = []
        for target in targets:
            if target in by_target:
                resolved.append(by_target[target])
            else:
                faults.append(f"{folder}/CMakeLists.txt: links {target}, which is no vantel_library")
        libraries[folder] = resolved
    return libraries, by_target, faults


def closure(libraries, start):
    seen, todo = set(), list(start)
    while todo:
        folder = todo.pop()
        if folder not in seen:
            seen.add(folder)
            todo.extend(libraries.get(folder, []))
    return seen


def library_of(path, libraries):
    """The library folder an include path belongs to, or None."""
    best = None
    for folder in libraries:
        if path.startswith(folder + "/") and (best is None or len(folder) > len(best)):
            best = folder
    return best


def includes_of(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        text = f.read()
    return UI_HEADER.findall(text) if path.endswith(".ui") else INCLUDE.findall(text)


def our_top_folders(libraries):
    return {folder.split("/")[0] for folder in libraries}


def check_file(root, rel, may_reach, libraries, tops, owner, graph, faults):
    for included in includes_of(os.path.join(root, rel)):
        if included.split("/")[0] not in tops or "/" not in included:
            continue
        target = library_of(included, libraries)
        if target is None:
            faults.append(f"{rel}: includes \"{included}\", which is in no library")
            continue
        if target not in may_reach:
            faults.append(f"{rel}: includes \"{included}\" of library {target}, "
                          f"which {owner} does not link")
        if graph is not None and target != owner:
            graph.setdefault(owner, {}).setdefault(target, []).append((rel, included))


def library_files(root, folder):
    directory = os.path.join(root, folder)
    for name in sorted(os.listdir(directory)):
        if name.endswith(SOURCE_SUFFIXES) and os.path.isfile(os.path.join(directory, name)):
            yield f"{folder}/{name}"


def find_cycles(graph):
    """Strongly connected components of more than one folder (Tarjan)."""
    index, low, stack, on_stack, components = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in graph.get(node, {}):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == node:
                    break
            if len(component) > 1:
                components.append(sorted(component))

    for node in sorted(graph):
        if node not in index:
            visit(node)
    return components


def read_test_folders(root, by_target):
    """Maps each test folder (under tests/) to the library folders it links."""
    path = os.path.join(root, "tests", "CMakeLists.txt")
    if not os.path.isfile(path):
        return {}
    with open(path, encoding="utf-8") as f:
        text = strip_cmake_comments(f.read())
    folders = {}
    for match in TEST_FOLDER_CALL.finditer(text):
        words = match.group(1).split()
        if not words or words[0].startswith("$"):
            continue  # the function's own definition
        linked = []
        for target in words[1:]:
            linked += TEST_SUPPORT_TARGETS.get(target, [by_target[target]] if target in by_target else [])
        folders[words[0]] = linked
    return folders


def main():
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), ".."))
    libraries, by_target, faults = read_libraries(root)
    if not libraries:
        print(f"check-layers: no vantel_library(...) found under {root}", file=sys.stderr)
        return 1
    tops = our_top_folders(libraries)

    graph = {}
    for folder in sorted(libraries):
        may_reach = closure(libraries, [folder])
        for rel in library_files(root, folder):
            check_file(root, rel, may_reach, libraries, tops, folder, graph, faults)

    for component in find_cycles(graph):
        steps = []
        for a in component:
            for b in component:
                for rel, included in graph.get(a, {}).get(b, [])[:1]:
                    steps.append(f"{rel} includes \"{included}\"")
        faults.append("folders include each other in a circle: " + ", ".join(component)
                      + " (" + "; ".join(steps) + ")")
    link_cycles = find_cycles({a: {b: [] for b in links} for a, links in libraries.items()})
    for component in link_cycles:
        faults.append("libraries link each other in a circle: " + ", ".join(component))

    for test_folder, linked in sorted(read_test_folders(root, by_target).items()):
        directory = os.path.join(root, "tests", test_folder)
        if not os.path.isdir(directory):
            continue
        may_reach = closure(libraries, linked)
        owner = f"the tests of tests/{test_folder}"
        for name in sorted(os.listdir(directory)):
            if name.startswith("tst_") and name.endswith(".cpp"):
                check_file(root, f"tests/{test_folder}/{name}", may_reach, libraries, tops, owner, None, faults)

    for fault in faults:
        print(f"check-layers: {fault}", file=sys.stderr)
    if faults:
        print(f"check-layers: {len(faults)} fault(s); each folder's vantel_library(... LINKS ...) line "
              "lists what it may include", file=sys.stderr)
        return 1
    print(f"check-layers: {len(libraries)} libraries keep their layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
