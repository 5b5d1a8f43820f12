#!/usr/bin/env python3
"""The layer check of the Qt-free core, run by ctest as layer_check.

Every include in the core must point down the layers: a file may include its own library and
the libraries that library links, directly or through them. The check fails, naming file:line
and the rule, on an include that points up or sideways, on any Qt include, on an include of the
Qt layers (platform and the programs' views and dialogs), and on a core library whose LINKS in
its folder's CMakeLists.txt differ from the table below.

    scripts/check-layers.py [SOURCE_ROOT]
"""

import os
import re
import sys

# The allowed-include table, lowest layer first: library, the paths that belong to it (a folder
# ends in "/"; the longest matching prefix wins), and the libraries it links. It must agree with
# the quorvi_core_library() calls of the CMake files; the check compares the two.
LAYERS = [
    ("quorvi_common", ["common/"], []),
    ("quorvi_surface", ["label/surface/"], []),
    ("quorvi_definition_format",
     ["label/definition/barcode_kind."], []),
    ("quorvi_definition", ["label/definition/"],
     ["quorvi_definition_format", "quorvi_surface", "quorvi_common"]),
    ("quorvi_barcode_rules",
     ["label/barcode/barcode_rules.", "label/barcode/editor_barcode_rules.",
      "label/barcode/barcode_charsets.h"],
     ["quorvi_definition_format", "quorvi_common"]),
    ("quorvi_barcode", ["label/barcode/"],
     ["quorvi_barcode_rules", "quorvi_definition", "quorvi_surface", "quorvi_common"]),
    ("quorvi_data", ["label/data/"], ["quorvi_definition", "quorvi_common"]),
    ("quorvi_print", ["label/print/"],
     ["quorvi_barcode", "quorvi_data", "quorvi_definition", "quorvi_surface", "quorvi_common"]),
    ("quorvi_editor_forms", ["label/editor/forms/"],
     ["quorvi_print", "quorvi_barcode", "quorvi_data", "quorvi_definition", "quorvi_surface",
      "quorvi_common"]),
    ("rowsmith_core", ["editor/model/"], ["quorvi_barcode_rules", "quorvi_common"]),
]

# The Qt layers above the core: platform, and the views, dialogs and windows of both programs.
QT_LAYERS = ["platform/", "label/app/", "label/editor/widgets/", "editor/app/",
             "editor/dialogs/", "editor/widgets/"]

INCLUDE = re.compile(r'\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"Q[A-Za-z]*(/|$)")
CORE_CALL = re.compile(r"quorvi_core_library\(\s*(\w+)(.*?)\)", re.DOTALL)
CALL_KEYWORDS = {"SOURCES", "LINKS"}


def library_of(path):
    """The core library a repository path belongs to, or None."""
    best, best_length = None, 0
    for name, prefixes, _ in LAYERS:
        for prefix in prefixes:
            if path.startswith(prefix) and len(prefix) > best_length:
                best, best_length = name, len(prefix)
    return best


def reachable_from(name):
    """The library itself and every library it links, directly or through others."""
    links = {library: set(linked) for library, _, linked in LAYERS}
    seen, pending = {name}, [name]
    while pending:
        for linked in links[pending.pop()]:
            if linked not in seen:
                seen.add(linked)
                pending.append(linked)
    return seen


def include_problem(library, kind, target):
    """The rule an include breaks, or None."""
    if kind == "<":
        return "no Qt in the core" if QT_HEADER.match(target) else None
    if any(target.startswith(folder) for folder in QT_LAYERS):
        return "the core does not include the Qt layers"
    included = library_of(target)
    if included is None:
        return "a core file includes only core headers"
    if included not in reachable_from(library):
        return f"{library} does not link {included} (an include up or sideways)"
    return None


def core_files(root):
    folders = sorted({p[: p.rindex("/") + 1] for _, prefixes, _ in LAYERS for p in prefixes})
    for folder in folders:
        for name in sorted(os.listdir(os.path.join(root, folder))):
            path = folder + name
            if name.endswith((".h", ".cpp")) and os.path.isfile(os.path.join(root, path)):
                yield path


def include_failures(root):
    for path in core_files(root):
        library = library_of(path)
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as source:
            for number, line in enumerate(source, 1):
                match = INCLUDE.match(line)
                problem = match and include_problem(library, match.group(1), match.group(2))
                if problem:
                    yield f"{path}:{number}: {match.group(2)}: {problem}"


def cmake_links(root):
    """Library name -> (CMakeLists.txt path, set of LINKS) of every quorvi_core_library call."""
    found = {}
    folders = sorted({p[: p.rindex("/") + 1] for _, prefixes, _ in LAYERS for p in prefixes})
    for folder in folders:
        path = folder + "CMakeLists.txt"
        with open(os.path.join(root, path), encoding="utf-8") as cmake:
            text = re.sub(r"#.*", "", cmake.read())
        for name, arguments in CORE_CALL.findall(text):
            links, keyword = set(), None
            for word in arguments.split():
                if word in CALL_KEYWORDS:
                    keyword = word
                elif keyword == "LINKS":
                    links.add(word)
            found[name] = (path, links)
    return found


def cmake_failures(root):
    found = cmake_links(root)
    for name, _, links in LAYERS:
        if name not in found:
            yield f"{name}: no quorvi_core_library({name} ...) in the core folders"
            continue
        path, cmake = found[name]
        if cmake != set(links):
            yield (f"{path}: {name} links {sorted(cmake)}, the table of "
                   f"scripts/check-layers.py says {sorted(links)}")


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    failures = list(include_failures(root)) + list(cmake_failures(root))
    for failure in failures:
        print(failure)
    print(f"layer check: {len(failures)} problem(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
