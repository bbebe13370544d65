#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The ISBN registration-group ranges: data/isbn-ranges.txt and the C++
table compiled from it.

    scripts/isbn-ranges.py data RangeMessage.xml > data/isbn-ranges.txt
    scripts/isbn-ranges.py cpp data/isbn-ranges.txt > schemes/products/isbn_ranges_data.inc

`data` reads the International ISBN Agency's RangeMessage.xml
(https://www.isbn-international.org/export_rangemessage.xml), or the copy of
the same message that python-stdnum ships as stdnum/isbn.dat, and writes one
line per registration group: the group as `978-0`, then the registrant
ranges that are in use, each as its first and last registrant, written with
as many digits as the registrant has (`00-19`). Ranges the agency has not
given out (length 0) are left out: a number in them has no known split.

`cpp` turns that file into the constant arrays that isbn_ranges.cpp
includes. The generated file is checked in, so that building the library
needs no Python; tests/schemes/isbn_ranges_generator_test.py holds the two
equal.
"""
import email.utils
import re
import sys
import xml.etree.ElementTree as ElementTree


class RangeError(ValueError):
    pass


def _range_of_rule(text: str, length: int) -> str:
    """A rule's seven-digit range cut to its registrant's length:
    0000000-1999999 of length 2 is 00-19."""
    match = re.fullmatch(r"(\d{7})-(\d{7})", text.strip())
    if not match:
        raise RangeError(f"range {text!r} is not two seven-digit numbers")
    first, last = match.groups()
    if not 1 <= length <= 7:
        raise RangeError(f"length {length} of range {text} is outside 1 to 7")
    if first[length:].strip("0") or last[length:].strip("9"):
        raise RangeError(f"range {text} does not end on whole registrants of {length} digits")
    if first[:length] > last[:length]:
        raise RangeError(f"range {text} runs backwards")
    return f"{first[:length]}-{last[:length]}"


def groups_from_range_message(text: str) -> tuple[str, list[tuple[str, list[str]]]]:
    """The message date and the (group, ranges) of an agency RangeMessage.xml."""
    root = ElementTree.fromstring(text)
    date = (root.findtext("MessageDate") or "").strip()
    groups = []
    for group in root.iterfind("RegistrationGroups/Group"):
        prefix = (group.findtext("Prefix") or "").strip()
        if not re.fullmatch(r"97[89]-\d{1,5}", prefix):
            raise RangeError(f"group {prefix!r} is not a prefix and a group")
        ranges = []
        for rule in group.iterfind("Rules/Rule"):
            length = int((rule.findtext("Length") or "").strip())
            if length == 0:
                continue
            ranges.append(_range_of_rule(rule.findtext("Range") or "", length))
        groups.append((prefix, ranges))
    return date, groups


def groups_from_stdnum(text: str) -> tuple[str, list[tuple[str, list[str]]]]:
    """The message date and the (group, ranges) of python-stdnum's isbn.dat:
    a prefix at the margin, its groups indented by one space, each group's
    registrant ranges by two."""
    date = ""
    groups: list[tuple[str, list[str]]] = []
    prefix = None
    for line in text.splitlines():
        if line.startswith("#"):
            match = re.match(r"#\s*file date\s+(.*)", line)
            if match:
                date = match.group(1).strip()
            continue
        if not line.strip():
            continue
        depth = len(line) - len(line.lstrip(" "))
        word = line.split()[0]
        if depth == 0:
            prefix = word
        elif depth == 1 and re.fullmatch(r"\d+", word):
            if prefix is None:
                raise RangeError(f"group {word} before any prefix")
            groups.append((f"{prefix}-{word}", []))
        elif depth == 2 and groups and "agency" not in line:
            groups[-1][1].extend(r for r in line.strip().split(",") if r)
    return date, groups


def write_data(date: str, groups: list[tuple[str, list[str]]], source: str) -> str:
    lines = [
        "# SPDX-License-Identifier: MIT",
        "# ISBN registration groups and the registrant ranges given out in each, as",
        "# published by the International ISBN Agency in RangeMessage.xml",
        "# (https://www.isbn-international.org/export_rangemessage.xml).",
        f"# Message date: {date}",
        f"# Read from: {source}",
        "# One line per group: the prefix and group, then each range of registrants",
        "# as its first and last registrant, with as many digits as the registrant",
        "# has. Made by scripts/isbn-ranges.py; a number in no range has no known",
        "# split.",
    ]
    for group, ranges in groups:
        lines.append(" ".join([group, *ranges]))
    return "\n".join(lines) + "\n"


def read_data(text: str) -> tuple[str, list[tuple[str, list[str]]]]:
    """The message date as YYYY-MM-DD and the groups of data/isbn-ranges.txt."""
    date = ""
    groups = []
    for number, line in enumerate(text.splitlines(), 1):
        if line.startswith("# Message date:"):
            date = email.utils.parsedate_to_datetime(line.split(":", 1)[1].strip()).strftime(
                "%Y-%m-%d")
        if not line.strip() or line.startswith("#"):
            continue
        group, *ranges = line.split()
        if not re.fullmatch(r"97[89]-\d{1,5}", group):
            raise RangeError(f"line {number}: {group!r} is not a prefix and a group")
        for item in ranges:
            match = re.fullmatch(r"(\d+)-(\d+)", item)
            if not match or len(match.group(1)) != len(match.group(2)):
                raise RangeError(f"line {number}: {item!r} is not a range of registrants")
            if len(group) - 4 + len(match.group(1)) > 8:
                raise RangeError(f"line {number}: {item!r} leaves no digit for the publication")
        groups.append((group, ranges))
    if not date:
        raise RangeError("no message date")
    return date, groups


def write_cpp(date: str, groups: list[tuple[str, list[str]]]) -> str:
    lines = [
        "// SPDX-License-Identifier: MIT",
        "// Made by scripts/isbn-ranges.py from data/isbn-ranges.txt; do not edit.",
        "// Each group: prefix, group digits, the first of its ranges and their count.",
        "// Each range: the first and last registrant as numbers, and their digits.",
        "",
        f'constexpr std::string_view kIsbnRangesDate = "{date}";',
        "",
        "constexpr IsbnGroupEntry kIsbnGroups[] = {",
    ]
    first = 0
    for group, ranges in groups:
        prefix, digits = group.split("-")
        lines.append(f'    {{{prefix}, "{digits}", {first}, {len(ranges)}}},')
        first += len(ranges)
    lines.append("};")
    lines.append("")
    lines.append("constexpr IsbnRangeEntry kIsbnRanges[] = {")
    for group, ranges in groups:
        cells = []
        for item in ranges:
            low, high = item.split("-")
            cells.append(f"{{{int(low)}, {int(high)}, {len(low)}}}")
        for start in range(0, len(cells), 4):
            lines.append("    " + ", ".join(cells[start:start + 4]) + ",")
    lines.append("};")
    return "\n".join(lines) + "\n"


def main(argv: list[str]) -> int:
    if len(argv) != 3 or argv[1] not in ("data", "cpp"):
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[2], encoding="utf-8") as source:
        text = source.read()
    try:
        if argv[1] == "cpp":
            sys.stdout.write(write_cpp(*read_data(text)))
        elif text.lstrip().startswith("<"):
            date, groups = groups_from_range_message(text)
            sys.stdout.write(write_data(date, groups, "the agency's RangeMessage.xml"))
        else:
            date, groups = groups_from_stdnum(text)
            sys.stdout.write(write_data(date, groups, "python-stdnum 1.18, stdnum/isbn.dat"))
    except RangeError as error:
        print(f"isbn-ranges.py: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
