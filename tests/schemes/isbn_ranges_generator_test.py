#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""scripts/isbn-ranges.py on short hand-written messages, and the checked-in
data and C++ table against what it makes of them.

    tests/schemes/isbn_ranges_generator_test.py SOURCE_DIR
"""
import importlib.util
import pathlib
import sys
import unittest

SOURCE = pathlib.Path(sys.argv.pop(1) if len(sys.argv) > 1 else ".").resolve()
module_source = importlib.util.spec_from_file_location("isbn_ranges", SOURCE / "scripts/isbn-ranges.py")
isbn_ranges = importlib.util.module_from_spec(module_source)
module_source.loader.exec_module(isbn_ranges)

RANGE_MESSAGE = """<?xml version="1.0" encoding="utf-8"?>
<ISBNRangeMessage>
  <MessageSource>International ISBN Agency</MessageSource>
  <MessageDate>Sun, 13 Nov 2022 16:58:20 GMT</MessageDate>
  <EAN.UCCPrefixes>
    <EAN.UCC>
      <Prefix>978</Prefix>
      <Rules><Rule><Range>0000000-5999999</Range><Length>1</Length></Rule></Rules>
    </EAN.UCC>
  </EAN.UCCPrefixes>
  <RegistrationGroups>
    <Group>
      <Prefix>978-0</Prefix>
      <Agency>English language</Agency>
      <Rules>
        <Rule><Range>0000000-1999999</Range><Length>2</Length></Rule>
        <Rule><Range>2000000-2279999</Range><Length>3</Length></Rule>
        <Rule><Range>2280000-2289999</Range><Length>4</Length></Rule>
        <Rule><Range>6398000-6399999</Range><Length>7</Length></Rule>
      </Rules>
    </Group>
    <Group>
      <Prefix>979-12</Prefix>
      <Agency>Italy</Agency>
      <Rules>
        <Rule><Range>0000000-1999999</Range><Length>0</Length></Rule>
        <Rule><Range>2000000-2999999</Range><Length>3</Length></Rule>
      </Rules>
    </Group>
  </RegistrationGroups>
</ISBNRangeMessage>
"""

STDNUM_COPY = """# generated from RangeMessage.xml, downloaded from
# file date Sun, 13 Nov 2022 16:58:20 GMT
978
 0-5,600-649
 0 agency="English language"
  00-19,200-227,2280-2289
  6398000-6399999
979
 10-12,8-8
 12 agency="Italy"
  200-299
"""

EXPECTED = [("978-0", ["00-19", "200-227", "2280-2289", "6398000-6399999"]),
            ("979-12", ["200-299"])]


class GeneratorTest(unittest.TestCase):
    def test_the_agencys_message_and_stdnums_copy_give_the_same_groups(self):
        for reader, text in [(isbn_ranges.groups_from_range_message, RANGE_MESSAGE),
                             (isbn_ranges.groups_from_stdnum, STDNUM_COPY)]:
            date, groups = reader(text)
            self.assertEqual(date, "Sun, 13 Nov 2022 16:58:20 GMT")
            self.assertEqual(groups, EXPECTED)

    def test_data_file_round_trip_and_cpp_table(self):
        data = isbn_ranges.write_data(*isbn_ranges.groups_from_range_message(RANGE_MESSAGE), "x")
        date, groups = isbn_ranges.read_data(data)
        self.assertEqual((date, groups), ("2022-11-13", EXPECTED))
        cpp = isbn_ranges.write_cpp(date, groups)
        self.assertIn('{978, "0", 0, 4},', cpp)
        self.assertIn('{979, "12", 4, 1},', cpp)
        # Leading zeros go into the length, not the number.
        self.assertIn("{0, 19, 2}, {200, 227, 3}, {2280, 2289, 4}, {6398000, 6399999, 7},", cpp)

    def test_rules_that_do_not_cut_at_a_registrant_are_refused(self):
        bad = [("0000000-1999998", 2), ("0000001-1999999", 2), ("2000000-1999999", 1),
               ("000000-1999999", 2), ("0000000-9999999", 8)]
        for text, length in bad:
            with self.subTest(text=text, length=length):
                with self.assertRaises(isbn_ranges.RangeError):
                    isbn_ranges._range_of_rule(text, length)

    def test_data_lines_that_leave_no_publication_are_refused(self):
        for line in ["978-99999 0000-9999", "978-0 00-9", "97-0 00-19", "978-0 0019"]:
            with self.subTest(line=line):
                with self.assertRaises(isbn_ranges.RangeError):
                    isbn_ranges.read_data("# Message date: Sun, 13 Nov 2022 16:58:20 GMT\n" + line)

    def test_the_checked_in_table_is_made_from_the_checked_in_data(self):
        data = (SOURCE / "data/isbn-ranges.txt").read_text(encoding="utf-8")
        table = (SOURCE / "schemes/products/isbn_ranges_data.inc").read_text(encoding="utf-8")
        self.assertEqual(isbn_ranges.write_cpp(*isbn_ranges.read_data(data)), table)


if __name__ == "__main__":
    unittest.main()
