"""Derivation rules. Each rule lives here once, with the law or practice it follows.

All arithmetic is exact decimal arithmetic (50 significant digits); rounding happens only where
the rule says so.
"""

from decimal import Decimal

from common import round_half_even, truncate

ONE = Decimal(1)
HUNDRED = Decimal(100)
SAVINGS_INTEREST = Decimal("1.005")  # 0,5 % a month, Lei 8.177/1991 art. 12 and earlier rules


def savings_yield_rounded(tr_pct):
    """Savings yield of a period from its TR, BCB rule from 1997 on (Carta-Circular 2.726/1997):
    yield = (1 + TR) x 1,005 - 1, in percent rounded to 4 decimals, ties to even (SGS 25)."""
    return round_half_even(((ONE + tr_pct / HUNDRED) * SAVINGS_INTEREST - ONE) * HUNDRED, 4)


def savings_yield_truncated(tr_pct):
    """Savings yield of a period from its TR as credited 1991-1995 (Lei 8.177/1991 art. 12):
    yield = (1 + TR) x 1,005 - 1, in percent cut to 4 decimals (the convention the published
    yields of 1989-1991 and of early 1995 follow)."""
    return truncate(((ONE + tr_pct / HUNDRED) * SAVINGS_INTEREST - ONE) * HUNDRED, 4)


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


def factor_change(previous_factor, factor, divisor):
    """Monthly change of a cumulative court factor table, in percent with 8 decimals:
    factor x currency divisor / previous factor - 1. The court's own rule (divide by the start
    month's factor, multiply by the end month's) is thereby reproduced by chaining the months."""
    return round_half_even((factor * divisor / previous_factor - ONE) * HUNDRED, 8)


def accumulate(index, coefficient, divisor):
    """Accumulated index after one credit: index x (1 + coefficient) / currency divisor, kept to
    30 significant digits; the divisor re-expresses the index in the new currency."""
    return (index * (ONE + coefficient) / divisor).normalize()
