#!/usr/bin/env python3
"""Writes JDOLDCAL.txt, the lunisolar month table carried in the program.

Each row below is one lunisolar year from its month 1 (the first row holds
only month 12 of 1989); entries are code:days, "L5" standing for the leap
month after month 5 (code 105). Every month's first day number follows from
the first record and the month lengths. Usage: gen_jdoldcal.py [OUTPUT]
"""
import sys

FIRST_DAY = 2447889  # 1989-12-28
YEARS = [
    "12:30",
    "1:29 2:30 3:29 4:29 5:30 L5:29 6:29 7:30 8:30 9:29 10:30 11:30 12:30",
    "1:29 2:30 3:29 4:29 5:30 6:29 7:29 8:30 9:29 10:30 11:30 12:30",
    "1:29 2:30 3:30 4:29 5:29 6:30 7:29 8:29 9:30 10:29 11:30 12:30",
    "1:29 2:30 3:30 L3:29 4:30 5:29 6:30 7:29 8:29 9:30 10:29 11:30 12:29",
    "1:30 2:30 3:30 4:29 5:30 6:29 7:30 8:29 9:29 10:30 11:29 12:30",
    "1:29 2:30 3:30 4:29 5:30 6:30 7:29 8:30 L8:29 9:30 10:29 11:29 12:30",
    "1:29 2:30 3:29 4:30 5:30 6:29 7:30 8:29 9:30 10:30 11:29 12:30",
    "1:29 2:29 3:30 4:29 5:30 6:29 7:30 8:30 9:29 10:30 11:30 12:29",
    "1:30 2:29 3:29 4:30 5:29 L5:29 6:30 7:30 8:29 9:30 10:30 11:30 12:29",
    "1:30 2:29 3:29 4:30 5:29 6:29 7:30 8:29 9:30 10:30 11:30 12:29",
    "1:30 2:30 3:29 4:29 5:30 6:29 7:29 8:30 9:29 10:30 11:30 12:29",
    "1:30 2:30 3:30 4:29 L4:29 5:30 6:29 7:29 8:30 9:29 10:30 11:29 12:30",
    "1:30 2:30 3:29 4:30 5:29 6:30 7:29 8:29 9:30 10:29 11:30 12:29",
    "1:30 2:30 3:29 4:30 5:30 6:29 7:30 8:29 9:29 10:30 11:29 12:30",
    "1:29 2:30 L2:29 3:30 4:30 5:29 6:30 7:29 8:30 9:29 10:30 11:29 12:30",
    "1:29 2:30 3:29 4:30 5:29 6:30 7:30 8:29 9:30 10:30 11:29 12:29",
    "1:30 2:29 3:30 4:29 5:30 6:29 7:30 L7:29 8:30 9:30 10:29 11:30 12:30",
    "1:29 2:29 3:30 4:29 5:29 6:30 7:29 8:30 9:30 10:30 11:29 12:30",
    "1:30 2:29 3:29 4:30 5:29 6:29 7:30 8:29 9:30 10:30 11:29 12:30",
    "1:30 2:30 3:29 4:29 5:30 L5:29 6:29 7:30 8:29 9:30 10:29 11:30 12:30",
    "1:30 2:29 3:30 4:29 5:30 6:29 7:29 8:30 9:29 10:30",
]
CLOSING_CODE = 11  # month 11 of 2010: marks where month 10 ends


def records():
    day = FIRST_DAY
    for row in YEARS:
        for entry in row.split():
            code, length = entry.split(":")
            code = 100 + int(code[1:]) if code.startswith("L") else int(code)
            yield day, code
            day += int(length)
    yield day, CLOSING_CODE


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "JDOLDCAL.txt"
    text = "".join(f"{d},{c}\r\n" for d, c in records())
    with open(out, "w", newline="") as f:
        f.write(text)


if __name__ == "__main__":
    main()
