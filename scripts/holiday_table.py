#!/usr/bin/env python3
"""Writes the built-in holiday schedule as C++ from lunar/holidays.tsv.

Usage: holiday_table.py HOLIDAYS.TSV OUTPUT.CPP
Each day is packed into 32 bits (see lunar/holiday_table.h); the file is checked here so that a
malformed row fails the build instead of shipping a wrong schedule."""
import datetime
import sys

EPOCH = datetime.date(2000, 1, 1)


def rows(path):
    with open(path, encoding="utf-8") as tsv:
        for number, line in enumerate(tsv, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 4 or fields[2] not in ("休", "班"):
                sys.exit(f"{path}:{number}: expected date, name, 休 or 班, notice year")
            yield number, datetime.date.fromisoformat(fields[0]), fields[1], fields[2] == "休", int(fields[3])


def main(source, target):
    names, packed, seen = [], [], set()
    for number, date, name, off, notice in rows(source):
        if name not in names:
            names.append(name)
        day = (date - EPOCH).days
        ok = (0 <= day < 1 << 16 and len(names) <= 32 and 0 <= notice - 2000 < 256
              and datetime.date(notice - 1, 12, 1) <= date <= datetime.date(notice, 12, 31)
              and (date, notice) not in seen)
        if not ok:
            sys.exit(f"{source}:{number}: does not fit the packed table")
        seen.add((date, notice))
        packed.append(day | off << 16 | names.index(name) << 17 | (notice - 2000) << 22)
    packed.sort(key=lambda p: (p & 0xFFFF, p >> 22))
    out = ["// Written by scripts/holiday_table.py from lunar/holidays.tsv; do not edit.",
           '#include "lunar/holiday_table.h"', "", "namespace lunar {", "namespace {", "",
           "constexpr std::string_view kNames[] = {"]
    out += [f'    "{name}",' for name in names]
    out += ["};", "", "constexpr std::uint32_t kDays[] = {"]
    out += ["    " + ", ".join(f"0x{p:08X}" for p in packed[i:i + 6]) + ","
            for i in range(0, len(packed), 6)]
    out += ["};", "", "}  // namespace", "",
            "extern const std::span<const std::string_view> BuiltInHolidayNames = kNames;",
            "extern const std::span<const std::uint32_t> BuiltInHolidayDays = kDays;", "",
            "}  // namespace lunar", ""]
    with open(target, "w", encoding="utf-8") as cpp:
        cpp.write("\n".join(out))


if __name__ == "__main__":
    main(*sys.argv[1:3])
