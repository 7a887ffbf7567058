"""The type stubs say what the module has, with its docstrings."""
import ast
import inspect
from pathlib import Path

import vexlor


def stub():
    return ast.parse((Path(vexlor.__file__).parent / "__init__.pyi").read_text())


def documented(node):
    """Name and docstring of each function and class of the stub, the first
    of a name's overloads counting."""
    seen = {}
    for item in node.body:
        if isinstance(item, (ast.FunctionDef, ast.ClassDef)) and item.name not in seen:
            seen[item.name] = ast.get_docstring(item, clean=False)
    return seen


def runtime_doc(obj):
    doc = obj.__doc__
    # pybind11 puts the signature first, then a blank line.
    if callable(obj) and not inspect.isclass(obj):
        doc = doc.split("\n\n", 1)[1]
    return doc.strip("\n")


def test_every_public_name_is_typed_and_documented_as_at_run_time():
    module = stub()
    names = set(documented(module)) | {t.target.id for t in module.body if isinstance(t, ast.AnnAssign)}
    assert names - {"_Array"} == set(vexlor.__all__)
    for name, doc in documented(module).items():
        assert inspect.cleandoc(doc) == inspect.cleandoc(runtime_doc(getattr(vexlor, name))), name

    for cls in (n for n in module.body if isinstance(n, ast.ClassDef)):
        runtime = getattr(vexlor, cls.name)
        for name, doc in documented(cls).items():
            if name == "__init__":
                continue
            member = inspect.getattr_static(runtime, name)
            if isinstance(member, staticmethod):
                member = member.__func__
            assert doc is not None and inspect.cleandoc(doc) == inspect.cleandoc(runtime_doc(member)), name
        public = {n for n in dir(runtime) if not n.startswith("_")}
        assert public == set(documented(cls)) - {"__init__"}, cls.name
