# SPDX-License-Identifier: MIT
"""The examples in the README's Python section and in the module's docstrings
give what they show."""
import ast
import doctest
import pathlib
import re
import subprocess

import numerant
from conftest import ROOT

# A build folder and the Debian package hold numerant.so beside numerant.pyi;
# a wheel holds the package numerant/ whose __init__ is the module, beside
# __init__.pyi. PYTHONPATH names the folder that holds either.
MODULE_FILE = pathlib.Path(numerant.__file__)
IS_PACKAGE = hasattr(numerant, "__path__")
MODULE_DIR = str(MODULE_FILE.parents[1] if IS_PACKAGE else MODULE_FILE.parent)
STUB = MODULE_FILE.with_name("__init__.pyi" if IS_PACKAGE else "numerant.pyi")


def readme_section():
    readme = (ROOT / "README.md").read_text()
    return re.search(r"^## Using Numerant from Python\n(.*?)^## ", readme, re.S | re.M).group(1)


def test_the_readmes_command_prints_what_it_shows():
    command, shown = re.search(r"```sh\n(PYTHONPATH=build/python .*)\n# (.*)\n```",
                               readme_section()).groups()
    run = subprocess.run(["bash", "-c", command.replace("build/python", MODULE_DIR)],
                         capture_output=True, text=True, check=True)
    assert run.stdout.strip() == shown


def test_the_readmes_python_examples():
    runner = doctest.DocTestRunner(optionflags=doctest.NORMALIZE_WHITESPACE)
    names = {}
    for number, block in enumerate(re.findall(r"```python\n(.*?)```", readme_section(), re.S)):
        test = doctest.DocTestParser().get_doctest(block, names, f"README block {number}",
                                                   "README.md", 0)
        runner.run(test, clear_globs=False)
        names = test.globs  # later blocks use the names of earlier ones
    assert runner.summarize(verbose=False).failed == 0


def test_the_docstring_examples():
    assert doctest.testmod(numerant, extraglobs={"numerant": numerant}).failed == 0


def test_the_stub_declares_every_function_and_each_has_a_docstring():
    stub = ast.parse(STUB.read_text())
    functions = {node.name for node in stub.body if isinstance(node, ast.FunctionDef)}
    scheme = next(node for node in stub.body if getattr(node, "name", "") == "Scheme")
    methods = {node.name for node in scheme.body if isinstance(node, ast.FunctionDef)}
    public = {name for name in dir(numerant) if not name.startswith("_") and name != "Scheme"}
    assert functions == public
    assert methods - {"__init__", "__getattr__"} == {
        name for name in dir(numerant.Scheme) if not name.startswith("_")}
    for function in [getattr(numerant, name) for name in public] + [
            getattr(numerant.Scheme, name) for name in methods - {"__init__", "__getattr__", "Name"}]:
        assert function.__doc__.startswith(function.__name__ + "("), function.__name__
