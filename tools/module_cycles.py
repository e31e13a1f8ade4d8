#!/usr/bin/env python3
"""Prints every dependency cycle between the modules under src/, and between their folders, and
fails when there is one; without one, prints the level of every folder.

A module is a header together with its source file (foo.h + foo.cpp is the module foo); a file
without a partner is a module by itself. Module A depends on module B when A's header or source
includes B's header with a quoted include, resolved from src/ (the include root of the build).
A folder is the folder a module lies in, so each win/ and posix/ folder is a folder of its own;
folder A depends on folder B when a module of A depends on one of B. A folder that depends on
none is on level 0, any other one level above the highest it depends on.

Usage: tools/module_cycles.py [SOURCE_ROOT]   (SOURCE_ROOT defaults to src/ beside tools/)
Exit status: 0 without cycles, 1 with cycles, 2 on a usage error.
"""
import os
import re
import sys

SOURCE_SUFFIXES = (".h", ".cpp")
QUOTED_INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
MAX_CYCLES_SHOWN = 200


def module_of(relative_path):
    return os.path.splitext(relative_path)[0].replace(os.sep, "/")


def read_graph(root):
    """Maps every module to the set of modules whose headers it includes."""
    files = []
    for folder, _, names in os.walk(root):
        files += [os.path.relpath(os.path.join(folder, name), root)
                  for name in names if name.endswith(SOURCE_SUFFIXES)]
    headers = {f.replace(os.sep, "/") for f in files if f.endswith(".h")}
    graph = {module_of(f): set() for f in files}
    for relative in files:
        source = module_of(relative)
        with open(os.path.join(root, relative), encoding="utf-8", errors="replace") as text:
            for included in QUOTED_INCLUDE.findall(text.read()):
                if included in headers and module_of(included) != source:
                    graph[source].add(module_of(included))
    return graph


def folder_of(module):
    return module.rsplit("/", 1)[0] if "/" in module else "."


def folder_graph(modules):
    """Maps every folder to the set of other folders its modules depend on."""
    graph = {folder_of(m): set() for m in modules}
    for source, targets in modules.items():
        for target in targets:
            if folder_of(target) != folder_of(source):
                graph[folder_of(source)].add(folder_of(target))
    return graph


def levels(graph):
    """The level of every node of a graph without cycles."""
    level = {}
    for start in sorted(graph):
        work = [start]
        while work:
            node = work[-1]
            waiting = [t for t in graph[node] if t not in level]
            if waiting:
                work.extend(waiting)
                continue
            work.pop()
            level[node] = 1 + max((level[t] for t in graph[node]), default=-1)
    return level


def strongly_connected_components(graph):
    """Tarjan's algorithm, iterative; returns the components with more than one module."""
    index_of, low, on_stack, stack, components = {}, {}, set(), [], []
    counter = 0
    for start in sorted(graph):
        if start in index_of:
            continue
        work = [(start, iter(sorted(graph[start])))]
        index_of[start] = low[start] = counter
        counter += 1
        stack.append(start)
        on_stack.add(start)
        while work:
            node, successors = work[-1]
            advanced = False
            for successor in successors:
                if successor not in index_of:
                    index_of[successor] = low[successor] = counter
                    counter += 1
                    stack.append(successor)
                    on_stack.add(successor)
                    work.append((successor, iter(sorted(graph[successor]))))
                    advanced = True
                    break
                if successor in on_stack:
                    low[node] = min(low[node], index_of[successor])
            if advanced:
                continue
            work.pop()
            if work:
                parent = work[-1][0]
                low[parent] = min(low[parent], low[node])
            if low[node] == index_of[node]:
                component = []
                while True:
                    member = stack.pop()
                    on_stack.discard(member)
                    component.append(member)
                    if member == node:
                        break
                if len(component) > 1:
                    components.append(sorted(component))
    return components


def elementary_cycles(graph, component, limit):
    """Every simple cycle inside one component, each reported once from its smallest module."""
    members = set(component)
    cycles = []
    for start in component:
        allowed = {m for m in members if m >= start}
        path = [start]
        on_path = {start}
        work = [iter(sorted(graph[start] & allowed))]
        while work and len(cycles) < limit:
            successor = next(work[-1], None)
            if successor is None:
                work.pop()
                on_path.discard(path.pop())
            elif successor == start:
                cycles.append(path + [start])
            elif successor not in on_path:
                path.append(successor)
                on_path.add(successor)
                work.append(iter(sorted(graph[successor] & allowed)))
    return cycles


def report_circles(graph, kind):
    """Prints the circles of a graph with their cycles; returns how many circles there are."""
    components = strongly_connected_components(graph)
    shown = 0
    for component in components:
        cycles = elementary_cycles(graph, component, MAX_CYCLES_SHOWN - shown)
        print(f"circle of {len(component)} {kind}: {', '.join(component)}")
        for cycle in cycles:
            print("  " + " -> ".join(cycle))
        shown += len(cycles)
        if shown >= MAX_CYCLES_SHOWN:
            print(f"  (only the first {MAX_CYCLES_SHOWN} cycles are shown)")
            break
    edges = sum(len(targets) for targets in graph.values())
    if components:
        print(f"{len(components)} circles among {len(graph)} {kind} and {edges} dependencies")
    else:
        print(f"no cycles among {len(graph)} {kind} and {edges} dependencies")
    return len(components)


def print_levels(graph):
    level = levels(graph)
    for number in range(max(level.values(), default=-1) + 1):
        print(f"  level {number}: {', '.join(sorted(f for f in level if level[f] == number))}")


def main(arguments):
    if len(arguments) > 1:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    here = os.path.dirname(os.path.abspath(__file__))
    root = arguments[0] if arguments else os.path.join(here, "..", "src")
    if not os.path.isdir(root):
        print(f"module_cycles: no folder {root}", file=sys.stderr)
        return 2
    modules = read_graph(root)
    folders = folder_graph(modules)
    circles = report_circles(modules, "modules") + report_circles(folders, "folders")
    if circles:
        return 1
    print("folder levels (each depends only on lower ones):")
    print_levels(folders)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
