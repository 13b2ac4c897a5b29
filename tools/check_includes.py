#!/usr/bin/env python3
"""Checks the project's #include graph.

Fails (exit 1) when
- a header reaches itself through its own includes,
- a file includes a header of a layer that sits above its own, or
- a header opens a namespace with `using namespace`, which would hand every
  includer the whole namespace (clang-tidy only sees such directives at global
  scope, not inside a namespace).

The order below is the map of the source tree, lowest first. A layer may
include itself and anything listed before it in its stack; `core` stands
alone, and each widget family sees the framework and resources but not the
other families. `codepage` sits under everything and includes nothing of
ours. The command-line calculator `bc16` uses the core and the code page
only, and nothing uses it. Tests and benchmarks may include anything.
"""
import pathlib
import re
import sys

STACK = [
    "codepage",
    "framework/values",
    "framework/text",
    "framework/raster",
    "framework/controls",
    "framework/accessibility",
    "framework/standard",
    "framework/runtime",
    "resources",
    "widgets",
    "main_window",
    "app",
    "tools",
]
# Layers above this point may use the calculator core.
CORE_USERS = {"main_window", "tools", "app"}
# Layers outside the stack, and all they may include besides themselves.
STANDALONE = {"core": {"codepage"}, "bc16": {"core", "codepage"}}
UNCHECKED = ("tests/", "bench/")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
USING_NAMESPACE = re.compile(r'^\s*using\s+namespace\b')


def layer_of(path):
    """(layer, family) of a project path; family is the widget family."""
    for layer in STANDALONE:
        if path.startswith(layer + "/"):
            return layer, None
    if path.startswith("widgets/"):
        return "widgets", path.split("/")[1]
    for layer in STACK:
        if path.startswith(layer + "/"):
            return layer, None
    return None, None


def allowed(src, dst):
    (sl, sf), (dl, df) = layer_of(src), layer_of(dst)
    if src.startswith(UNCHECKED) or sl is None or dl is None:
        return True
    if sl == dl:
        return sl != "widgets" or sf == df
    if sl in STANDALONE:
        return dl in STANDALONE[sl]
    if dl == "core":
        return sl in CORE_USERS
    if dl in STANDALONE:
        return False
    return STACK.index(dl) <= STACK.index(sl)


def read_graph(root):
    """The include graph, and the headers' lines that open a namespace."""
    files = [p for p in root.rglob("*") if p.suffix in (".h", ".cpp") and not any(
        part.startswith(("build", ".")) for part in p.relative_to(root).parts)]
    graph, directives = {}, []
    for f in files:
        rel = f.relative_to(root).as_posix()
        deps = []
        for number, line in enumerate(f.read_text(errors="replace").splitlines(), 1):
            m = INCLUDE.match(line)
            if m and (root / m.group(1)).is_file():
                deps.append(m.group(1))
            if rel.endswith(".h") and USING_NAMESPACE.match(line):
                directives.append(f"{rel}:{number}: a header opens a namespace: {line.strip()}")
        graph[rel] = deps
    return graph, directives


def header_cycles(graph):
    """Every cycle among headers, each reported once from its first member."""
    cycles, state, stack = [], {}, []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for dep in graph.get(node, []):
            if not dep.endswith(".h"):
                continue
            if state.get(dep) == "open":
                cycles.append(stack[stack.index(dep):] + [dep])
            elif dep not in state:
                visit(dep)
        stack.pop()
        state[node] = "done"

    for node in sorted(graph):
        if node.endswith(".h") and node not in state:
            visit(node)
    return cycles


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    graph, directives = read_graph(root)
    problems = [" -> ".join(c) for c in header_cycles(graph)] + directives
    problems += [f"{src} includes {dst}, which sits above it"
                 for src, deps in sorted(graph.items()) for dst in deps if not allowed(src, dst)]
    for p in problems:
        print(p)
    edges = sum(len(d) for d in graph.values())
    print(f"{len(graph)} files, {edges} includes, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
