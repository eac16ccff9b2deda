"""Derivation rules. Each rule lives here once, with the law or practice it follows.

All arithmetic is exact decimal arithmetic (50 significant digits); rounding happens only where
the rule says so.
"""

from decimal import Decimal

from common import BuildError, month_add, round_half_even, truncate

ONE = Decimal(1)
HUNDRED = Decimal(100)
SAVINGS_INTEREST = Decimal("1.005")  # 0,5 % a month, Lei 8.177/1991 art. 12 and earlier rules


def savings_yield_rounded(tr_pct):
    """Savings yield of a period from its TR as credited from 07/1995 on: yield = (1 + TR) x
    1,005 - 1, in percent rounded to 4 decimals, ties to even (SGS 25)."""
    return round_half_even(((ONE + tr_pct / HUNDRED) * SAVINGS_INTEREST - ONE) * HUNDRED, 4)


def savings_yield_truncated(tr_pct):
    """Savings yield of a period from its TR as credited 1991-1995 (Lei 8.177/1991 art. 12):
    yield = (1 + TR) x 1,005 - 1, in percent cut to 4 decimals (the convention the published
    yields of 1989-1991 and of early 1995 follow)."""
    return truncate(((ONE + tr_pct / HUNDRED) * SAVINGS_INTEREST - ONE) * HUNDRED, 4)


# Which TR an anniversary day reads.
#
# A savings account earns, on each anniversary, the yield of the one-month period that ends that
# day: the period from day d of month m to day d of month m + 1 is corrected by the TR of the period
# starting on d/m (the BCB publishes the TR, SGS 226, and the yield, SGS 25, under that start date)
# plus 0,5 %. So column d of month m of the savings table is the rule applied to the TR dated d/m.
# Only days 1 to 28 are anniversaries: an account opened on the 29th, 30th or 31st has its
# anniversary on day 1 of the next month (the SGS 25 series publishes no yield for 29-31, and the
# calculators ask for a day between 1 and 28). Every month, February included, has days 1 to 28,
# so each column has its own calendar date and no day is ever moved to another month.
#
# Before 02/1991 correction followed a monthly index (OTN, LBC, IPC, BTN): one yield for every
# anniversary day of the month, which is why those months repeat the day-1 yield in every column.

ROUNDED_FROM = "1995-07"


def savings_yield_of_month(tr_pct, month):
    """Savings yield of a period starting in `month` ("yyyy-mm") from its TR, with the rounding
    the published yields of that time follow: cut to 4 decimals up to 06/1995 (the 1995-02 and
    1995-03 day-1 yields are reproduced only by cutting, and the table the builder reads for
    1989-1991 cuts too), rounded half to even from 07/1995 (every published day-1 yield from then
    on, and every SGS 25 value of 2015 on, is the rounded one). The same rounding serves every
    anniversary day of the month."""
    if month < ROUNDED_FROM:
        return savings_yield_truncated(tr_pct)
    return savings_yield_rounded(tr_pct)


def savings_correction(yield_pct):
    """Correction part of a savings yield: (1 + yield) / 1,005 - 1, in percent, not rounded.
    The savings yield is correction x 1,005 plus nothing else (Lei 7.730/1989 art. 17, Lei
    8.177/1991 art. 12), so dividing by 1,005 gives back the correction index."""
    return ((ONE + yield_pct / HUNDRED) / SAVINGS_INTEREST - ONE) * HUNDRED


def savings_rate_with_interest(index_pct):
    """Yield a savings account earns from a correction index: (1 + index) x 1,005 - 1, as a
    fraction, exact (the yield due in a purge month when the index the courts grant is applied)."""
    return (ONE + index_pct / HUNDRED) * SAVINGS_INTEREST - ONE


def purge_difference(required_pct, official_pct):
    """Share of the previous balance a plan took, in percent: the yield due minus the yield
    credited = (required - official) x 1,005 (the 0,5 % interest cancels), exact (at most 7
    decimals for indexes of 4), so that no rounding enters the claim here."""
    return ((required_pct - official_pct) * SAVINGS_INTEREST).normalize()


def monthly_interest_factor(annual_pct):
    """(1 + annual rate)^(1/12): the monthly capitalisation of the FGTS interest
    (Lei 8.036/1990 art. 13: 3 % a year; Lei 5.107/1966 art. 4: 3 % to 6 % progressive)."""
    base = ONE + Decimal(annual_pct) / HUNDRED
    return (base.ln() / 12).exp()


def jam_coefficient(correction_pct, annual_pct):
    """JAM coefficient credited to FGTS accounts: (1 + correction) x (1 + rate)^(1/12) - 1, as a
    fraction truncated to 6 decimals (Lei 8.036/1990 art. 13; Caixa truncates, as its published
    coefficients show). The correction is that of the month before the credit."""
    return truncate((ONE + correction_pct / HUNDRED) * monthly_interest_factor(annual_pct) - ONE, 6)


# Which TR the FGTS JAM credit reads. The periods and their evidence are the table
# jam_tr_day.json; the month the FGTS went back from day 10 to day 1 is its setting
# fgts_volta_ao_dia_1. That return was not found in print: it lies in PRESUMED_FIRST ..
# PRESUMED_LAST, and every credit month of that window is a presumed rule whatever the setting.

RETURN_SETTING = "fgts_volta_ao_dia_1"
PRESUMED_FIRST, PRESUMED_LAST = "1994-07", "1998-12"
TR_DAYS = {"dia 1": 1, "dia 10": 10, "impresso": None}


def jam_tr_periods(config):
    """The periods of the JAM TR-day table with the setting resolved: a list of (first credit
    month, last credit month or None, TR day or None for a printed value, evidence). Fails if the
    setting is missing or outside the window where the return can lie, or if the periods leave a
    gap."""
    setting = config.get(RETURN_SETTING)
    if not setting or not setting.get("month"):
        raise BuildError("jam_tr_day.json: falta a configuração %s (mês de crédito em que o FGTS "
                         "volta da TR do dia 10 para a do dia 1)" % RETURN_SETTING)
    back = setting["month"]
    if not month_add(PRESUMED_FIRST, 0) <= back <= month_add(PRESUMED_LAST, 1):
        raise BuildError("jam_tr_day.json: %s = %s fora de %s .. %s" % (
            RETURN_SETTING, back, PRESUMED_FIRST, month_add(PRESUMED_LAST, 1)))
    out = []
    for p in config["periods"]:
        first = back if p["from"] == RETURN_SETTING else p["from"]
        last = month_add(back, -1) if p["to"] == RETURN_SETTING else p["to"]
        if p["tr"] not in TR_DAYS:
            raise BuildError("jam_tr_day.json: dia da TR desconhecido: %s" % p["tr"])
        if out and (out[-1][1] is None or month_add(out[-1][1], 1) != first):
            raise BuildError("jam_tr_day.json: períodos não contíguos em %s" % first)
        out.append((first, last, TR_DAYS[p["tr"]], p["evidence"]))
    if out[-1][1] is not None:
        raise BuildError("jam_tr_day.json: o último período deve ficar aberto")
    return out


def jam_tr_day(periods, credit_month):
    """(TR day of the month before the credit, or None for the printed value; evidence;
    presumed?) for a credit month; None before the first period."""
    for first, last, day, evidence in periods:
        if first <= credit_month and (last is None or credit_month <= last):
            return day, evidence, PRESUMED_FIRST <= credit_month <= PRESUMED_LAST
    return None


def correction_in_jam(jam, annual_pct):
    """Correction (percent) contained in a JAM coefficient: (1 + JAM) / (1 + rate)^(1/12) - 1,
    not rounded (exact up to the 6-decimal cut of the coefficient)."""
    return ((ONE + jam) / monthly_interest_factor(annual_pct) - ONE) * HUNDRED


def jam_rounded_pct(correction_pct, annual_pct):
    """The JAM as the press printed it in 2000-2002: in percent, rounded to 4 decimals (not the
    6-decimal cut coefficient)."""
    return round_half_even(((ONE + correction_pct / HUNDRED) * monthly_interest_factor(annual_pct) - ONE)
                           * HUNDRED, 4)


def factor_change(previous_factor, factor, divisor):
    """Monthly change of a cumulative court factor table, in percent with 8 decimals:
    factor x currency divisor / previous factor - 1. The court's own rule (divide by the start
    month's factor, multiply by the end month's) is thereby reproduced by chaining the months."""
    return round_half_even((factor * divisor / previous_factor - ONE) * HUNDRED, 8)


def accumulate(index, coefficient, divisor):
    """Accumulated index after one credit: index x (1 + coefficient) / currency divisor, kept to
    30 significant digits; the divisor re-expresses the index in the new currency."""
    return (index * (ONE + coefficient) / divisor).normalize()
