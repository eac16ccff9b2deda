"""Months, Brazilian number text and CSV reading shared by the table builders."""

import csv
import os
from decimal import Decimal, getcontext, ROUND_HALF_EVEN, ROUND_DOWN

getcontext().prec = 50

PT_MONTHS = ["jan", "fev", "mar", "abr", "mai", "jun", "jul", "ago", "set", "out", "nov", "dez"]


class BuildError(Exception):
    pass


# ---- months, written "yyyy-mm" inside the builder ----

def month_add(month, k):
    y, m = int(month[:4]), int(month[5:7])
    n = y * 12 + (m - 1) + k
    return "%04d-%02d" % (n // 12, n % 12 + 1)


def month_range(first, last):
    out = []
    m = first
    while m <= last:
        out.append(m)
        m = month_add(m, 1)
    return out


def mm_yyyy(month):
    return month[5:7] + "/" + month[:4]


def label_lower(month):
    """"mar/86": lower-case Portuguese month abbreviation and two-digit year."""
    return PT_MONTHS[int(month[5:7]) - 1] + "/" + month[2:4]


def label_upper(month):
    return label_lower(month).upper()


# ---- numbers ----

def dec(text):
    return Decimal(str(text).strip())


def round_half_even(value, places):
    return value.quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_EVEN)


def truncate(value, places):
    return value.quantize(Decimal(1).scaleb(-places), rounding=ROUND_DOWN)


def br(value, places=None, thousands=False):
    """Brazilian notation of a Decimal: decimal comma, optional thousands points.

    With places the value is rounded half to even to that many decimals; without, the digits
    are written as they are (trailing zeros kept)."""
    if places is not None:
        value = round_half_even(value, places)
    text = format(value, "f")
    neg = text.startswith("-")
    if neg:
        text = text[1:]
    whole, _, frac = text.partition(".")
    if thousands:
        groups = []
        while len(whole) > 3:
            groups.insert(0, whole[-3:])
            whole = whole[:-3]
        groups.insert(0, whole)
        whole = ".".join(groups)
    out = whole + ("," + frac if frac else "")
    return ("-" + out) if neg else out


def br_significant(value, digits=15):
    """Fixed notation (never an exponent) with the given number of significant digits."""
    if value == 0:
        return "0"
    places = max(0, digits - 1 - value.adjusted())
    return br(value, places)


# ---- source files ----

def read_csv(sources, relpath):
    path = os.path.join(sources, relpath)
    if not os.path.exists(path):
        raise BuildError("source file missing: %s" % path)
    with open(path, newline="", encoding="utf-8") as f:
        return list(csv.DictReader(f))
