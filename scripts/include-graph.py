#!/usr/bin/env python3
"""The includes between the source folders, checked and drawn.

    scripts/include-graph.py            check: exit status 1 when two folders include each
                                        other (directly or round a longer cycle), when core
                                        or cli code includes widget code, or when the committed
                                        picture shows other arrows than the sources have
    scripts/include-graph.py --dot      print the graph in Graphviz's language
    scripts/include-graph.py --svg      also render it with Graphviz's `dot` into
                                        docs/architecture.svg (Debian package graphviz)

A node is a feature folder (core/options, gui/app, cli); an arrow A -> B says that some
file of A includes a file of B. An include is resolved as the compiler does: beside the
including file first, then in the include folders of its target (src/core for core and
cli, src/gui then src/core for gui); a form's header ui_NAME.h belongs to the folder of
NAME.ui. Needs python3 only; rendering needs dot.
"""
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SRC = os.path.join(ROOT, "src")
PICTURE = os.path.join(ROOT, "docs", "architecture.svg")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def folder_of(path):
    """core/options for src/core/options/x.h, cli for src/cli/x.cpp."""
    parts = os.path.relpath(path, SRC).split(os.sep)
    return "/".join(parts[:2]) if parts[0] in ("core", "gui") else parts[0]


def sources():
    for top in ("core", "gui", "cli"):
        for folder, _, names in os.walk(os.path.join(SRC, top)):
            for name in sorted(names):
                if name.endswith((".h", ".cpp")):
                    yield os.path.join(folder, name)


def forms():
    """ui_NAME.h -> the folder of NAME.ui."""
    found = {}
    for folder, _, names in os.walk(os.path.join(SRC, "gui")):
        for name in names:
            if name.endswith(".ui"):
                found["ui_" + name[:-3] + ".h"] = os.path.join(folder, name)
    return found


def resolve(path, included, generated):
    """The file an include names. Widget code is looked for last, also where the compiler would
    not find it (from core and cli), so that such an include is told as what it is."""
    roots = [os.path.join(SRC, "core"), os.path.join(SRC, "gui")]
    if folder_of(path).startswith("gui/"):
        roots.reverse()
    for base in [os.path.dirname(path)] + roots:
        candidate = os.path.normpath(os.path.join(base, included))
        if os.path.isfile(candidate):
            return candidate
    return generated.get(included)


def edges():
    """{(from folder, to folder): [the includes that make the arrow]}, and includes not found."""
    generated = forms()
    found, unresolved = {}, []
    for path in sources():
        with open(path, encoding="utf-8") as f:
            text = f.read()
        for included in INCLUDE.findall(text):
            target = resolve(path, included, generated)
            if target is None:
                unresolved.append("%s: %s" % (os.path.relpath(path, ROOT), included))
                continue
            a, b = folder_of(path), folder_of(target)
            if a != b:
                found.setdefault((a, b), []).append("%s -> %s" % (os.path.relpath(path, SRC), included))
    return found, unresolved


def cycles(arrows):
    """The groups of folders that reach each other (Tarjan's strongly connected components)."""
    graph = {}
    for a, b in arrows:
        graph.setdefault(a, set()).add(b)
        graph.setdefault(b, set())
    index, low, stack, on_stack, groups = {}, {}, [], set(), []

    def visit(v):
        index[v] = low[v] = len(index)
        stack.append(v)
        on_stack.add(v)
        for w in sorted(graph[v]):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                groups.append(sorted(group))

    for v in sorted(graph):
        if v not in index:
            visit(v)
    return groups


def dot_text(arrows):
    nodes = sorted({n for arrow in arrows for n in arrow})
    lines = ["digraph includes {",
             '  graph [rankdir=BT, fontname="sans-serif", label="Includes between the source folders (an arrow: includes)"];',
             '  node [shape=box, style="rounded,filled", fontname="sans-serif"];',
             '  edge [color="#555555"];']
    for top, colour in (("gui", "#dbe8f6"), ("core", "#e4f2dc")):
        lines.append('  subgraph cluster_%s { label="src/%s"; style=dashed;' % (top, top))
        for n in nodes:
            if n.startswith(top + "/"):
                lines.append('    "%s" [label="%s", fillcolor="%s"];' % (n, n.split("/")[1], colour))
        lines.append("  }")
    for n in nodes:
        if "/" not in n:
            lines.append('  "%s" [label="src/%s", fillcolor="#f6ecd6"];' % (n, n))
    for a, b in sorted(arrows):
        lines.append('  "%s" -> "%s";' % (a, b))
    lines.append("}")
    return "\n".join(lines) + "\n"


def drawn_arrows():
    """The arrows of the committed picture, from the titles dot gives its edges."""
    with open(PICTURE, encoding="utf-8") as f:
        svg = f.read()
    titles = re.findall(r'<g id="edge\d+" class="edge">\s*<title>(.*?)</title>', svg)
    return {tuple(t.replace("&#45;&gt;", "->").replace("&gt;", ">").split("->")) for t in titles}


def main(argv):
    arrows, unresolved = edges()
    if "--dot" in argv:
        sys.stdout.write(dot_text(arrows))
        return 0
    if "--svg" in argv:
        svg = subprocess.run(["dot", "-Tsvg"], input=dot_text(arrows), text=True, check=True,
                             stdout=subprocess.PIPE).stdout
        with open(PICTURE, "w", encoding="utf-8") as f:
            f.write(svg)
    faults = ["include not found: " + u for u in unresolved]
    for group in cycles(arrows):
        faults.append("folders that include each other: " + ", ".join(group))
        faults += ["    " + i for (a, b), why in sorted(arrows.items()) if a in group and b in group for i in why]
    for (a, b), why in sorted(arrows.items()):
        if not a.startswith("gui/") and b.startswith("gui/"):
            faults.append("%s includes widget code: %s" % (a, "; ".join(why)))
    if set(arrows) != drawn_arrows():
        faults.append("docs/architecture.svg is not the graph of the sources: run scripts/include-graph.py --svg")
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
