#!/usr/bin/env python3
"""Fails when a layer of the source tree includes a layer above it.

    python3 scripts/check_layers.py        # from anywhere; CI runs it from scripts/test.sh

Layers point one way: common/ (the Qt-free helpers at the bottom, a library
without dependencies) includes no Qt and nothing but common/; kernel/ and
numerics/ include no Qt and nothing of shell/, charts/, topics/ or
platform/symbolic (which depends on the kernel); charts/ nothing of shell/ or topics/;
shell/ nothing of topics/; platform/ nothing of shell/, charts/ or topics/
(its symbolic library reads terms with the kernel's parser, so
platform/symbolic may include kernel/); topics/frame/ nothing of the topic
areas; nothing but app/ includes app/. Tests, benchmarks, tools and fuzz
targets may include everything.

Every offending include is printed as "file:line: #include ... (rule)".
Uses the Python standard library only.
"""
import os
import re
import sys

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
TOP = ("app", "platform", "shell", "kernel", "charts", "numerics", "topics", "common")
SOURCE_EXT = (".h", ".hpp", ".cpp", ".cc", ".inc")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
# Qt's own headers: <QString>, <QtWidgets/QLabel>, <qglobal.h>, and the Qt
# chart widget some charts use.
QT_HEADER = re.compile(r"^(Qt\w*/|Q[A-Z]\w*(\.h)?$|q\w+\.h$|qcustomplot)")


def folder_of(rel):
    """The layer a root-relative path belongs to: 'kernel', 'platform/symbolic', ..."""
    parts = rel.split("/")
    if parts[0] in ("platform", "topics") and len(parts) > 2:
        return parts[0] + "/" + parts[1]
    return parts[0]


def forbidden(src_layer, target, qt):
    """The rule an include breaks, or None. target is a root-relative path or None."""
    top = src_layer.split("/")[0]
    tgt_top = target.split("/")[0] if target else None
    if top == "common":
        if qt:
            return "common includes no Qt"
        if tgt_top and tgt_top != "common":
            return f"common includes nothing of {tgt_top}/"
    if top in ("kernel", "numerics"):
        if qt:
            return "kernel and numerics include no Qt"
        if tgt_top in ("shell", "charts", "topics", "app"):
            return f"{top} includes nothing of {tgt_top}/"
        # The symbolic library sits above the kernel (it reads terms with
        # the kernel's parser); the rest of platform/ lies below it.
        if target and folder_of(target) == "platform/symbolic":
            return f"{top} includes nothing of platform/symbolic (it depends on the kernel)"
    if top == "charts" and tgt_top in ("shell", "topics", "app"):
        return f"charts includes nothing of {tgt_top}/"
    if top == "shell" and tgt_top in ("topics", "app"):
        return f"shell includes nothing of {tgt_top}/"
    if top == "platform":
        if tgt_top in ("shell", "charts", "topics", "app", "numerics"):
            return f"platform includes nothing of {tgt_top}/"
        if tgt_top == "kernel" and src_layer != "platform/symbolic":
            return "only platform/symbolic includes the kernel"
    if src_layer == "topics/frame" and target and folder_of(target).startswith("topics/") \
            and folder_of(target) != "topics/frame":
        return "topics/frame includes none of the topic areas"
    if top == "topics" and tgt_top == "app":
        return "topics include nothing of app/"
    return None


def resolve(src_rel, name, quoted):
    """Root-relative path of an include, or None for a system header."""
    if not quoted:
        return name if name.split("/")[0] in TOP and "/" in name else None
    if name.split("/")[0] in TOP and "/" in name:
        return os.path.normpath(name)
    # Relative to the including file ("Foo.h", "../shell/Bar.h").
    rel = os.path.normpath(os.path.join(os.path.dirname(src_rel), name))
    return rel if rel.split("/")[0] in TOP else None


def main():
    problems = []
    for top in TOP:
        for dirpath, _dirs, files in os.walk(os.path.join(ROOT, top)):
            for f in sorted(files):
                if not f.endswith(SOURCE_EXT):
                    continue
                path = os.path.join(dirpath, f)
                rel = os.path.relpath(path, ROOT).replace(os.sep, "/")
                layer = folder_of(rel)
                with open(path, encoding="utf-8", errors="replace") as fh:
                    for number, line in enumerate(fh, 1):
                        m = INCLUDE.match(line)
                        if not m:
                            continue
                        quoted, name = m.group(1) == '"', m.group(2).strip()
                        qt = not quoted and QT_HEADER.match(name) is not None
                        rule = forbidden(layer, resolve(rel, name, quoted), qt)
                        if rule:
                            problems.append(f"{rel}:{number}: {line.strip()}  ({rule})")
    for p in problems:
        print(p)
    if problems:
        print(f"layer check: {len(problems)} include(s) reach up a layer", file=sys.stderr)
        return 1
    print("layer check: every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
