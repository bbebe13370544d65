#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The page in headless Chromium, driven as a person would through WebDriver,
against numerant-cli's answers for the same text.

    page_test.py --site build-web/site --cli build/cli/numerant-cli \
                 [--screenshots DIR] [unittest arguments, e.g. a class name]
"""

import argparse
import json
import os
import subprocess
import sys
import unittest
import urllib.request

from selenium.webdriver.common.keys import Keys
from selenium.webdriver.common.by import By

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402
import samples  # noqa: E402

SITE = None
CLI = None
SCREENSHOTS = None

# Everything the page shows, read in one call.
READ_PAGE = """
const element = (id) => document.getElementById(id);
const reason = element('reason');
return {
  scheme: element('scheme').value,
  calculating: element('calculate').checked,
  number: element('number').value,
  state: element('verdict').dataset.state,
  verdict: element('verdict').textContent,
  checkdigits: element('checkdigits').textContent,
  checkdigitsShown: !element('calculate-result').hidden,
  complete: element('complete').textContent,
  completeShown: !element('complete-result').hidden,
  reason: reason.hidden ? null : {kind: reason.dataset.kind, text: reason.textContent},
  fieldsShown: !element('fields').hidden,
  fields: Object.fromEntries([...document.querySelectorAll('#fields tbody tr')].map(
      (row) => [row.dataset.field, JSON.parse(row.querySelector('td').dataset.value)])),
};
"""


PASTE = """
const field = document.getElementById('number');
field.value = arguments[0];
field.dispatchEvent(new InputEvent('input', {inputType: 'insertFromPaste'}));
"""


def cli_json(command, scheme, numbers):
    """numerant-cli --json COMMAND SCHEME, one answer per number."""
    run = subprocess.run([CLI, "--json", command, scheme, "--", *numbers],
                         capture_output=True, text=True, encoding="utf-8", check=False)
    if run.returncode not in (0, 1):
        raise RuntimeError(f"numerant-cli {command} {scheme}: {run.stderr}")
    return [json.loads(line) for line in run.stdout.splitlines()]


def cli_reason(scheme, number):
    """numerant-cli check --explain: "valid", or "invalid: " and the reason."""
    run = subprocess.run([CLI, "check", "--explain", scheme, "--", number],
                         capture_output=True, text=True, encoding="utf-8", check=False)
    return run.stdout.strip()


def sentence(words):
    return words[:1].upper() + words[1:] + "."


class PageTest(unittest.TestCase):
    """One browser and one server for all tests of a class."""

    width, height = 1000, 760

    @classmethod
    def setUpClass(cls):
        cls.site = browser.Site(SITE)
        cls.browser = browser.Browser(cls.width, cls.height)
        cls.browser.open(cls.site.url)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.site.close()

    def open(self, fragment=""):
        self.browser.open(self.site.url + fragment)

    def read(self):
        return self.browser.driver.execute_script(READ_PAGE)

    def choose(self, scheme):
        self.browser.driver.find_element(
            By.CSS_SELECTOR, f'#scheme option[value="{scheme}"]').click()

    def set_mode(self, calculating):
        box = self.browser.element("calculate")
        if box.is_selected() != calculating:
            box.click()

    def type_number(self, text):
        field = self.browser.element("number")
        if field.get_attribute("value"):
            field.send_keys(Keys.CONTROL, "a")
            field.send_keys(Keys.BACKSPACE)
        if text:
            field.send_keys(text)

    def ask(self, scheme, calculating, text, typed=True):
        """Chooses scheme and mode with the mouse, then types the text, or
        pastes it (one input event, and much faster to drive)."""
        shown_scheme, shown_mode = self.browser.driver.execute_script(
            "return [document.getElementById('scheme').value, "
            "document.getElementById('calculate').checked]")
        if shown_scheme != scheme:
            self.choose(scheme)
        if shown_mode != calculating:
            self.browser.element("calculate").click()
        if typed:
            self.type_number(text)
            return self.read()
        return self.browser.driver.execute_script(PASTE + READ_PAGE, text)


class EveryScheme(PageTest):
    """A valid number, an invalid one and a calculation for each of the 52
    schemes, each compared with numerant-cli's answer for the same text."""

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.names = subprocess.run([CLI, "list"], capture_output=True, text=True,
                                   check=True).stdout.split()
        cls.samples = samples.load(CLI)

    def assert_fields(self, page, cli):
        expected = {name: value for name, value in cli["fields"].items() if name != "CheckDigit"}
        self.assertEqual(page["fields"], expected)
        self.assertEqual(page["fieldsShown"], bool(expected))

    def assert_check(self, scheme, text, typed=False):
        (cli,) = cli_json("check", scheme, [text])
        page = self.ask(scheme, False, text, typed)
        self.assertEqual(page["state"], "valid" if cli["valid"] else "invalid")
        self.assertEqual(page["verdict"], "Valid" if cli["valid"] else "Not valid")
        self.assertFalse(page["checkdigitsShown"] or page["completeShown"])
        self.assert_fields(page, cli)
        words = cli_reason(scheme, text).removeprefix("invalid: ")
        if cli["valid"]:
            # The finding is "valid"; what the number tells follows the colon.
            words = words.split(": ", 1)[0]
            self.assertIsNone(page["reason"])
        else:
            self.assertEqual(page["reason"]["kind"], cli["reason"]["kind"])
            self.assertEqual(page["reason"]["text"], sentence(words))
        # The binding's finding, member for member.
        finding = self.browser.driver.execute_script("""
            const scheme = numerant.findScheme(arguments[0]);
            try { return scheme.explain(arguments[1]); } finally { scheme.delete(); }
            """, scheme, text)
        self.assertEqual(finding.pop("description"), words)
        self.assertEqual(finding, cli["reason"])

    def assert_calculation(self, scheme, text, typed=False):
        (cli,) = cli_json("calc", scheme, [text])
        (completed,) = cli_json("complete", scheme, [text])
        page = self.ask(scheme, True, text, typed)
        self.assertEqual(page["state"], "")
        self.assertIsNone(page["reason"])
        self.assertTrue(page["checkdigitsShown"] and page["completeShown"])
        self.assertEqual(page["checkdigits"], cli["result"])
        self.assertEqual(page["complete"], completed["complete"] or "")
        self.assert_fields(page, cli)

    def invalid_number(self, scheme, number):
        for place in range(1, len(number) + 1):
            candidate = samples.altered(number, place)
            if not cli_json("check", scheme, [candidate])[0]["valid"]:
                return candidate
        self.fail(f"no invalid variant of {number}")

    def test_the_list_is_the_catalogue(self):
        options = self.browser.driver.execute_script(
            "return [...document.getElementById('scheme').options].map((o) => o.value)")
        further = subprocess.run([CLI, "list", "--all"], capture_output=True, text=True,
                                 check=True).stdout.splitlines()[55:]
        self.assertEqual(options[:52], self.names)
        self.assertEqual(options[52:], [line.split(" ")[0] for line in further])
        groups = self.browser.driver.execute_script(
            "return [...document.querySelectorAll('#scheme optgroup')].map((g) => g.label)")
        areas = []
        for line in subprocess.run([CLI, "list", "--all", "--json"], capture_output=True,
                                   text=True, check=True).stdout.splitlines():
            area = json.loads(line).get("area")
            if area and area not in areas:
                areas.append(area)
        self.assertEqual(groups, areas)

    def test_typing_filters_the_list(self):
        self.open("#be.vat")
        self.assertEqual(self.read_scheme(), "be.vat")
        field = self.browser.element("filter")
        field.send_keys("danish personal")
        shown = self.browser.driver.execute_script(
            "return [...document.getElementById('scheme').options]"
            ".filter((o) => !o.hidden).map((o) => o.value)")
        self.assertEqual(shown, ["dk.cpr"])
        self.assertEqual(self.read_scheme(), "dk.cpr")
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys(Keys.BACKSPACE)

    def read_scheme(self):
        return self.browser.driver.execute_script("return document.getElementById('scheme').value")

    def test_every_further_format_checks_and_calculates_as_the_command_line(self):
        # A payload and the valid number it completes to (dk.cpr has no
        # check character: its payload is the number).
        further = {
            "au.abn": ("914571673", "83 914 571 673"), "be.vat": ("04030192", "BE 0403.019.261"),
            "br.cnpj": ("12ABC34501DE", "12.ABC.345/01DE-35"), "ca.bn": ("12302663", "123026635RC0001"),
            "eu.banknote": ("EA410018159", "EA4100181598"), "be.nn": ("170730033", "17073003384"),
            "ch.ssn": ("756921707698", "756.9217.0769.85"), "cl.rut": ("12531909", "12.531.909-2"),
            "dk.cpr": ("0101801234", "010180-1234"), "ie.pps": ("1234567B", "1234567OB"),
            # The national tax and identity numbers.
            "cn.ric": ("44011320141005001", "44011320141005001X"),
            "de.idnr": ("3657426180", "36 574 261 809"),
            "in_.aadhaar": ("23412341234", "2341 2341 2346"),
            "in_.gstin": ("27AAPFU0939F1Z", "27AAPFU0939F1ZV"),
            "in_.pan": ("ACUPA7085R", "ACUPA7085R"),
            "it.codicefiscale": ("RCCMNL83S18D969", "RCCMNL83S18D969H"),
            "mx.curp": ("BOXW310820HNERXN0", "BOXW310820HNERXN09"),
            "mx.rfc": ("GODE561231GR8", "GODE 561231 GR8"),
            "no.fodselsnummer": ("151086950", "151086 95088"),
            "se.personnummer": ("880320+001", "880320+0016"),
            "tr.tckimlik": ("172917160", "17291716060"),
            "us.ein": ("911144442", "91-1144442"),
            "za.idnr": ("750330504408", "7503305044089"),
        }
        for scheme, (stem, number) in further.items():
            with self.subTest(scheme=scheme):
                self.assert_check(scheme, number)
                self.assert_check(scheme, self.invalid_number(scheme, number))
                self.assert_calculation(scheme, stem)
        self.assert_check("dk.cpr", "300280-1234")  # no such date

    def test_every_scheme_checks_and_calculates_as_the_command_line(self):
        self.assertEqual(set(self.names) - set(self.samples), set(), "schemes without a sample")
        for scheme in self.names:
            stem, number, _ = self.samples[scheme]
            self.assertTrue(cli_json("check", scheme, [number])[0]["valid"], number)
            with self.subTest(scheme=scheme, number=number):
                self.assert_check(scheme, number)
            invalid = self.invalid_number(scheme, number)
            with self.subTest(scheme=scheme, number=invalid):
                self.assert_check(scheme, invalid)
        for scheme in self.names:
            stem, number, _ = self.samples[scheme]
            with self.subTest(scheme=scheme, payload=stem):
                self.assert_calculation(scheme, stem)
                self.assertEqual(self.read()["complete"], number)

    def test_typed_text_reaches_the_schemes_as_the_window_hands_it_over(self):
        cases = [
            ("IBAN", "DE89 3704 0044 0532 0130 00"),  # blanks between the digits
            ("Creditcard", "   "),  # blanks only: not empty, so the scheme answers
            ("WSDLN", "MÜLLERJA55BG"),  # ISO-8859-1 letters pass unchanged
            ("WSDLN", "M€LLERJA55BG"),  # others become "?"
        ]
        for scheme, text in cases:
            with self.subTest(scheme=scheme, text=text, mode="check"):
                self.assert_check(scheme, text, typed=True)
            with self.subTest(scheme=scheme, text=text, mode="calculate"):
                self.assert_calculation(scheme, text, typed=True)
        # A character beyond the 16-bit range is one character, so one "?";
        # WebDriver types none of them, so it is pasted.
        self.assert_check("MRN", "AB12\U0001F600")
        self.assert_calculation("MRN", "AB12\U0001F600")


class PageBehaviour(PageTest):
    """The window's behaviour, the keyboard, the address and the files."""

    def test_the_fields_table_says_what_the_number_tells_in_the_browsers_words(self):
        self.open()
        words = """
            const date = (y, m, d, year) => new Intl.DateTimeFormat(undefined,
                {day: 'numeric', month: 'long', timeZone: 'UTC',
                 ...(year ? {year: 'numeric'} : {})}).format(Date.UTC(y, m - 1, d));
            return {pesel: date(1985, 3, 15, true), pnr: date(1985, 3, 15, false) + " '85",
                    germany: new Intl.DisplayNames(undefined, {type: 'region'}).of('DE')};
            """
        expected = self.browser.driver.execute_script(words)
        table = """
            return Object.fromEntries([...document.querySelectorAll('#fields tbody tr')].map(
                (row) => [row.dataset.field, [row.querySelector('th').textContent,
                                               row.querySelector('td').textContent]]));
            """
        cases = [
            ("PESEL", "85031512344", {"BirthDate": ["Born", expected["pesel"]],
                                      "Gender": ["Gender", "female"],
                                      "IdentificationNumber": ["Serial", "123"]}),
            # No century in the number; a day the calendar lacks stays digits.
            ("PNR", "8503151238", {"BirthDate": ["Born", expected["pnr"]]}),
            ("PESEL", "85023012346", {"BirthDate": ["Born", "850230"]}),
            ("IBAN", "DE89370400440532013000", {"CountryCode": ["Country", expected["germany"]]}),
        ]
        for scheme, number, rows in cases:
            with self.subTest(scheme=scheme, number=number):
                page = self.ask(scheme, False, number, typed=False)
                self.assertEqual(page["state"], "valid")
                shown = self.browser.driver.execute_script(table)
                for field, row in rows.items():
                    self.assertEqual(shown[field], row)

    def test_opens_as_the_window_does(self):
        self.open()
        page = self.read()
        self.assertEqual((page["scheme"], page["calculating"], page["number"]), ("ACL", False, ""))
        self.assertEqual((page["state"], page["verdict"]), ("", ""))
        self.assertFalse(page["checkdigitsShown"] or page["fieldsShown"] or page["completeShown"])
        self.assertEqual(self.browser.focused_id(), "scheme")

    def test_each_change_answers_again_and_a_mode_change_empties_the_number(self):
        self.open()
        page = self.ask("IBAN", False, "DE89370400440532013000")
        self.assertEqual(page["state"], "valid")
        self.choose("ACL")  # the same text under another scheme
        self.assertEqual(self.read()["state"], "invalid")
        self.type_number("")
        page = self.read()
        self.assertEqual((page["state"], page["fieldsShown"]), ("", False))
        self.type_number("340156000000")
        self.set_mode(True)
        page = self.read()
        self.assertEqual((page["number"], page["checkdigits"], page["state"]), ("", "", ""))
        self.type_number("340156000000")
        self.assertEqual(self.read()["checkdigits"], "9")
        self.set_mode(False)
        self.assertEqual(self.read()["number"], "")

    def test_keyboard_alone(self):
        self.open()
        driver = self.browser.driver
        active = driver.switch_to.active_element
        for typed, scheme in (("IB", "IBAN"), ("CPR", "CPR"), ("Cr", "Creditcard"),
                              ("v", "Verhoeff")):
            active.send_keys(typed)
            self.assertEqual(self.read()["scheme"], scheme, f"typing {typed!r}")
            driver.execute_script("return new Promise((done) => setTimeout(done, 1100))")
        active.send_keys(Keys.TAB)
        self.assertEqual(self.browser.focused_id(), "calculate")
        driver.switch_to.active_element.send_keys(Keys.SPACE)
        self.assertTrue(self.read()["calculating"])
        driver.switch_to.active_element.send_keys(Keys.TAB)
        self.assertEqual(self.browser.focused_id(), "number")
        driver.switch_to.active_element.send_keys("236")
        self.assertEqual(self.read()["checkdigits"], "3")
        driver.switch_to.active_element.send_keys(Keys.SHIFT, Keys.TAB)
        self.assertEqual(self.browser.focused_id(), "calculate")

    def test_controls_have_names_and_the_verdict_is_spoken(self):
        self.open()
        names = self.browser.driver.execute_script("""
            return Object.fromEntries(['scheme', 'calculate', 'number', 'checkdigits'].map(
                (id) => [id, document.getElementById(id).labels[0].textContent.trim()]));""")
        self.assertEqual(names, {"scheme": "Numbering scheme", "calculate": "Calculate check digits",
                                 "number": "Code or number", "checkdigits": "Check digits"})
        verdict = self.browser.element("verdict")
        self.assertEqual(verdict.get_attribute("aria-live"), "polite")
        self.assertIn("verdict", self.browser.element("number").get_attribute("aria-describedby"))

    def test_the_address_names_scheme_and_mode(self):
        self.open("#iban/calculate")
        page = self.read()
        self.assertEqual((page["scheme"], page["calculating"]), ("IBAN", True))
        self.assertEqual(self.browser.focused_id(), "number")
        self.choose("VIN")
        self.assertTrue(self.browser.driver.current_url.endswith("#VIN/calculate"))
        self.set_mode(False)
        self.assertTrue(self.browser.driver.current_url.endswith("#VIN"))
        self.type_number("1M8GDM9AXKP042788")
        self.browser.driver.execute_script("location.hash = '#EAN'")
        page = self.read()
        self.assertEqual((page["scheme"], page["calculating"], page["state"]),
                         ("EAN", False, "invalid"))
        self.open("#NoSuchScheme/calculate")
        page = self.read()
        self.assertEqual((page["scheme"], page["calculating"]), ("ACL", False))

    def test_everything_comes_from_its_own_folder(self):
        self.open("#IBAN")
        self.type_number("DE89370400440532013000")
        requested = self.browser.driver.execute_script(
            "return performance.getEntriesByType('resource').map((entry) => entry.name)")
        self.assertIn(self.site.url + "numerant.wasm", requested)
        for url in requested:
            self.assertTrue(url.startswith(self.site.url), url)
        with urllib.request.urlopen(self.site.url + "numerant.wasm") as response:
            self.assertEqual(response.headers["Content-Type"], "application/wasm")


class ReasonAndComplete(PageTest):
    """Why a number is not valid, and the complete number with its button."""

    def test_reasons(self):
        self.open()
        for scheme, text, kind, words in (
                ("EAN", "978-030-640", "length", "9 typed"),
                ("EAN", "978030640615O", "character", "place 13"),
                ("Verhoeff", "2364", "check-digit", "should be 3, not 4"),
                ("IBAN", "DE88370400440532013000", "check-digit", "should be 89, not 88")):
            with self.subTest(scheme=scheme, text=text):
                page = self.ask(scheme, False, text)
                self.assertEqual(page["reason"]["kind"], kind)
                self.assertIn(words, page["reason"]["text"])
                self.assertEqual(page["reason"]["text"],
                                 sentence(cli_reason(scheme, text).removeprefix("invalid: ")))
        self.assertIsNone(self.ask("Verhoeff", False, "2363")["reason"])

    def test_complete_number_and_copy(self):
        self.open("#IBAN/calculate")
        self.type_number("DE37 0400 4405 3201 3000")
        page = self.read()
        self.assertEqual((page["checkdigits"], page["complete"]), ("89", "DE89370400440532013000"))
        copy = self.browser.element("copy")
        self.assertTrue(copy.is_enabled())
        copy.click()
        self.assertEqual(self.browser.element("copied").text, "Copied")
        self.type_number("D")  # too short for a check digit
        self.assertEqual(self.read()["complete"], "")
        self.assertFalse(copy.is_enabled())


class Screenshots(PageTest):
    """Pictures of the page for the README and for a look: check and
    calculate mode, a phone's width and the dark colour scheme."""

    def shoot(self, name):
        path = os.path.join(SCREENSHOTS, f"numerant-web-{name}.png")
        self.browser.screenshot(path)
        print(path)

    def test_pictures(self):
        if not SCREENSHOTS:
            self.skipTest("no --screenshots folder")
        os.makedirs(SCREENSHOTS, exist_ok=True)
        emulate = self.browser.emulate
        emulate(width=720, height=600)
        self.open("#IBAN")
        self.type_number("DE88 3704 0044 0532 0130 00")
        self.shoot("check")
        self.open("#AK/calculate")
        self.type_number("4850315123")
        self.shoot("calculate")
        emulate(width=360, height=740, scale=2, mobile=True)
        self.open("#CNP")
        self.type_number("1850315123455")
        self.shoot("phone")
        emulate(width=720, height=600, dark=True)
        self.open("#VIN")
        self.type_number("1M8GDM9AXKP042788")
        self.shoot("dark")
        # 200% zoom of a 1280 pixel wide window.
        emulate(width=640, height=400, scale=2, dark=False)
        self.open("#ISBN/calculate")
        self.type_number("978-0-306-40615")
        self.shoot("zoom")


def main():
    global SITE, CLI, SCREENSHOTS
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--site", required=True, help="the built page (build-web/site)")
    parser.add_argument("--cli", required=True, help="numerant-cli to compare with")
    parser.add_argument("--screenshots", help="folder for the pictures of the page")
    options, rest = parser.parse_known_args()
    SITE, CLI, SCREENSHOTS = options.site, options.cli, options.screenshots
    unittest.main(argv=[sys.argv[0], *rest], verbosity=2)


if __name__ == "__main__":
    main()
