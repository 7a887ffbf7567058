"""Writes the docstrings of the package's type stubs as C++ constants for the
bindings, so that editors (which read the stubs) and help() (which reads the
module) show the same text, written once.

    docstrings.py STUBS HEADER

Doc_<name> for each function and class, Doc_<class>_<name> for each method
and property; the first of a name's overloads carries its docstring.
"""

import ast
import sys


def documented(body, prefix=""):
    seen = set()
    for node in body:
        if not isinstance(node, (ast.FunctionDef, ast.ClassDef)) or node.name in seen:
            continue
        seen.add(node.name)
        doc = ast.get_docstring(node)
        if doc:
            yield prefix + node.name, doc
        if isinstance(node, ast.ClassDef):
            yield from documented(node.body, node.name + "_")


def main(stubs, header):
    tree = ast.parse(open(stubs, encoding="utf-8").read(), stubs)
    lines = ["// Made by docstrings.py from the type stubs: edit those.", "#pragma once", ""]
    for name, doc in documented(tree.body):
        lines.append(f'inline constexpr const char* Doc_{name} = R"doc({doc})doc";')
    with open(header, "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(*sys.argv[1:])
