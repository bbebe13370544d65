#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The page's budgets, measured in headless Chromium:

  - size: every file of the built page, uncompressed (budget 400 KB);
  - start: from navigation to the page's first answer, on a fresh load with
    the browser cache off (budget 500 ms);
  - keystroke: one answer to one keystroke, the median over the 52 schemes
    (budget 1 ms).

    web/bench.py --site build-web/site [--loads 10] [--rounds 20]
"""

import argparse
import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import browser  # noqa: E402
import samples  # noqa: E402

# Types the number one character at a time, `rounds` times over, each
# keystroke a real input event on the field, and returns the mean time of one
# answer in milliseconds. The page answers inside the input event.
TYPE_ALONG = """
const [scheme, calculating, number, rounds] = arguments;
const list = document.getElementById('scheme');
const box = document.getElementById('calculate');
const field = document.getElementById('number');
list.value = scheme;
list.dispatchEvent(new Event('change'));
if (box.checked !== calculating) box.click();
let keystrokes = 0;
const start = performance.now();
for (let round = 0; round < rounds; ++round) {
  for (let length = 1; length <= number.length; ++length) {
    field.value = number.slice(0, length);
    field.dispatchEvent(new InputEvent('input', {inputType: 'insertText'}));
    ++keystrokes;
  }
}
const elapsed = performance.now() - start;
if (!document.getElementById('verdict').dataset.state && !calculating) throw new Error('no answer');
return elapsed / keystrokes;
"""


def site_size(site):
    files = sorted(os.listdir(site))
    sizes = {name: os.path.getsize(os.path.join(site, name)) for name in files}
    return sizes, sum(sizes.values())


def start_times(page, url, loads):
    driver = page.driver
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    times = []
    for _ in range(loads):
        page.open(url)
        times.append(driver.execute_script(
            "return performance.getEntriesByName('numerant-ready')[0].startTime"))
    return times


def keystroke_times(page, url, rounds):
    page.open(url)
    table = samples.load()
    names = page.driver.execute_script(
        "return [...document.getElementById('scheme').options].map((o) => o.value)")
    check, calculate = {}, {}
    for name in names:
        stem, number = table[name]
        check[name] = page.driver.execute_script(TYPE_ALONG, name, False, number, rounds)
        calculate[name] = page.driver.execute_script(TYPE_ALONG, name, True, stem, rounds)
    return check, calculate


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--site", required=True)
    parser.add_argument("--loads", type=int, default=10)
    parser.add_argument("--rounds", type=int, default=20)
    options = parser.parse_args()

    sizes, total = site_size(options.site)
    print("Files of the page:")
    for name, size in sizes.items():
        print(f"  {name:16} {size:>8} bytes")
    print(f"  {'together':16} {total:>8} bytes = {total / 1024:.1f} KiB (budget 400 KB)")

    site = browser.Site(options.site)
    page = browser.Browser()
    try:
        loads = start_times(page, site.url + "#IBAN", options.loads)
        print(f"Navigation to first answer over {len(loads)} fresh loads: median "
              f"{statistics.median(loads):.0f} ms, min {min(loads):.0f}, max {max(loads):.0f} "
              f"(budget 500 ms)")
        check, calculate = keystroke_times(page, site.url, options.rounds)
    finally:
        page.close()
        site.close()
    for mode, times in (("check", check), ("calculate", calculate)):
        slowest = max(times, key=times.get)
        print(f"One keystroke, {mode} mode: median over the {len(times)} schemes "
              f"{statistics.median(times.values()) * 1000:.1f} µs, slowest {slowest} "
              f"{times[slowest] * 1000:.1f} µs (budget 1 ms)")


if __name__ == "__main__":
    main()
