# SPDX-License-Identifier: MIT
"""The wheel of the Python module `numerant`: setuptools for the packaging,
CMake for the build, so that the module is compiled by the same CMake files,
with the same flags, as in every other build of the project.

Only the module's target is built (core, schemes and python/), with the window
and the tests switched off: no Qt, no network. The wheel holds the package
`numerant` whose __init__ is the compiled module itself, beside its type stub
and the py.typed marker that lets type checkers use the stub.

setuptools' own build folders and the egg-info go to build/pip rather than
beside the sources, or to NUMERANT_PIP_BUILD_DIR when that is set. CMake's
build of the module lives in there too and is reused by the next build;
CMAKE_BUILD_PARALLEL_LEVEL sets how many compilers run at once.
"""
import os
import pathlib
import re
import shutil
import subprocess
import sys
import sysconfig

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = pathlib.Path(__file__).resolve().parent
BUILD_BASE = pathlib.Path(os.environ.get("NUMERANT_PIP_BUILD_DIR") or ROOT / "build" / "pip")


def project_version():
    """The version of the project() call in CMakeLists.txt, the one place it is written."""
    cmake_lists = (ROOT / "CMakeLists.txt").read_text(encoding="utf-8")
    return re.search(r"\bproject\(\s*Numerant\s+VERSION\s+([0-9.]+)", cmake_lists).group(1)


def stub_summary():
    """The first line of the module's docstring, as the stub gives it."""
    stub = (ROOT / "python" / "numerant.pyi").read_text(encoding="utf-8")
    return re.search(r'^"""(.*?)(?:"""|$)', stub, re.MULTILINE).group(1).strip()


def readme_python_section():
    """The README's section on the module, which is what a Python user needs."""
    readme = (ROOT / "README.md").read_text(encoding="utf-8")
    return re.search(r"^## Using Numerant from Python\n.*?(?=^## )", readme,
                     re.DOTALL | re.MULTILINE).group(0)


class CMakeBuild(build_ext):
    """Builds the module with CMake and puts it, its stub and py.typed into
    the package folder of the wheel."""

    def build_extension(self, ext):
        cmake_build = BUILD_BASE / "cmake" / sysconfig.get_config_var("SOABI")
        configure = ["cmake", "-S", str(ROOT), "-B", str(cmake_build),
                     "-DCMAKE_BUILD_TYPE=Release",
                     f"-DNUMERANT_PYTHON={sys.executable}",
                     "-DNUMERANT_BUILD_PYTHON=ON",
                     "-DNUMERANT_BUILD_APP=OFF",
                     "-DNUMERANT_BUILD_TESTS=OFF"]
        if (not (cmake_build / "CMakeCache.txt").exists() and "CMAKE_GENERATOR" not in os.environ
                and shutil.which("ninja")):
            configure += ["-G", "Ninja"]
        subprocess.run(configure, check=True)
        jobs = os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL") or str(os.cpu_count() or 1)
        subprocess.run(["cmake", "--build", str(cmake_build), "--target", "numerant_python",
                        "--parallel", jobs], check=True)

        module = cmake_build / "python" / ("numerant" + sysconfig.get_config_var("EXT_SUFFIX"))
        if not module.is_file():
            raise RuntimeError(f"CMake did not build {module}")
        target = pathlib.Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(module, target)
        shutil.copyfile(ROOT / "python" / "numerant.pyi", target.parent / "__init__.pyi")
        (target.parent / "py.typed").write_text("")


setup(
    version=project_version(),
    description=stub_summary(),
    long_description=readme_python_section(),
    long_description_content_type="text/markdown",
    # The import system takes an extension module named __init__ as the
    # package itself, so `import numerant` loads the compiled module.
    ext_modules=[Extension("numerant.__init__", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    packages=[],
    py_modules=[],
    options={"build": {"build_base": str(BUILD_BASE)},
             "egg_info": {"egg_base": str(BUILD_BASE)}},
)
