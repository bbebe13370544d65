#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Python module as a Python user installs it: pip builds the wheel from
# the sources offline, with Debian's own setuptools and wheel, and installs it
# into a fresh virtual environment of Debian's Python; the module's tests then
# run there, from outside the source tree, with PYTHONPATH cleared.
#
#   pip_test.sh SOURCE_DIR BUILD_DIR PIP_BUILD_DIR VERSION NUMERANT_CLI
#
# The wheel and the environment live in a temporary folder; pip's build
# folders go to PIP_BUILD_DIR, where the module's CMake build is kept for the
# next run. Nothing may appear in the source tree outside BUILD_DIR.
set -euo pipefail
source_dir=$1 build_dir=$2 pip_build_dir=$3 version=$4 cli=$5

fail() { echo "FAIL: $*" >&2; exit 1; }

# Every path of the source tree outside the build folder.
source_paths() {
  find "$source_dir" \( -path "$source_dir/.git" -o -path "$build_dir" \) -prune -o -print | sort
}

temp=$(mktemp -d)
trap 'rm -rf "$temp"' EXIT
source_paths >"$temp/before"
unset PYTHONPATH
export NUMERANT_PIP_BUILD_DIR="$pip_build_dir" PYTHONDONTWRITEBYTECODE=1
pip_options=(--no-index --no-cache-dir --disable-pip-version-check)

/usr/bin/python3 -m venv --system-site-packages "$temp/venv"
venv="$temp/venv/bin"

"$venv/pip" wheel "${pip_options[@]}" --no-build-isolation --no-deps \
  --wheel-dir "$temp/wheel" "$source_dir" >/dev/null
wheels=("$temp"/wheel/numerant-*.whl)
[ ${#wheels[@]} -eq 1 ] && [ -f "${wheels[0]}" ] || fail "pip built: $(ls "$temp/wheel")"
wheel=${wheels[0]}

# What the wheel carries: the module as the package's __init__, its stub and
# the marker that tells type checkers to read it, the licence, and the
# project's version.
"$venv/python" - "$wheel" "$version" "$source_dir/python/numerant.pyi" <<'PYTHON' || fail "the wheel's contents"
import email.parser, sys, sysconfig, zipfile
wheel, version, stub = sys.argv[1:]
with zipfile.ZipFile(wheel) as archive:
    names = set(archive.namelist())
    info = f"numerant-{version}.dist-info"
    expected = {"numerant/__init__" + sysconfig.get_config_var("EXT_SUFFIX"),
                "numerant/__init__.pyi", "numerant/py.typed", f"{info}/LICENSE",
                f"{info}/METADATA"}
    assert expected <= names, f"missing {sorted(expected - names)} in {sorted(names)}"
    assert not {n for n in names if not n.startswith(("numerant/", info + "/"))}, sorted(names)
    assert archive.read("numerant/__init__.pyi") == open(stub, "rb").read()
    metadata = email.parser.BytesParser().parsebytes(archive.read(f"{info}/METADATA"))
assert metadata["Name"] == "numerant", metadata["Name"]
assert metadata["Version"] == version, metadata["Version"]
assert metadata["License"] == "MIT", metadata["License"]
assert "Check digits" in metadata["Summary"], metadata["Summary"]
assert "## Using Numerant from Python" in metadata.get_payload(), "no long description"
PYTHON

"$venv/pip" install "${pip_options[@]}" --no-deps "$wheel" >/dev/null

# Every check from here runs in the temporary folder, so that nothing from the
# sources or a build folder is imported in place of the installed module.
cd "$temp"
"$venv/python" - "$temp/venv" "$version" <<'PYTHON' || fail "the installed module"
import importlib.metadata, pathlib, sys
import numerant
venv, version = pathlib.Path(sys.argv[1]), sys.argv[2]
assert venv in pathlib.Path(numerant.__file__).parents, f"imported {numerant.__file__}"
assert numerant.__version__ == importlib.metadata.version("numerant") == version
PYTHON
NUMERANT_CLI="$cli" "$venv/python" -m pytest -q -p no:cacheprovider "$source_dir/tests/python"

# pip builds in the source tree; its folders and the egg-info must have gone
# to PIP_BUILD_DIR.
left=$(comm -13 "$temp/before" <(source_paths))
[ -z "$left" ] || fail "the build left files in the source tree:
$left"
echo "the wheel $(basename "$wheel") installed into a virtual environment and passed the module's tests"
