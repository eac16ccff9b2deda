"""Monthly series assembled from the source files, each value tagged with how it was obtained.

A value is a Value(number, text, nature, source): nature is "publicado", "regra" (derived by a
rule of rules.py from published values) or "substituto" (a stand-in listed in standins.json).
"""

import json
from collections import namedtuple
from decimal import Decimal

import rules
from common import BuildError, dec, month_add, read_csv

Value = namedtuple("Value", "number text nature source")

PUBLISHED, DERIVED, STANDIN = "publicado", "regra", "substituto"


class Standins:
    def __init__(self, path):
        with open(path, encoding="utf-8") as f:
            self.entries = json.load(f)["standins"]

    def find(self, series, month):
        for e in self.entries:
            if e["series"] == series and e["from"] <= month <= e["to"]:
                return e
        return None

    def require(self, series, month, what):
        e = self.find(series, month)
        if e is None:
            raise BuildError("sem valor publicado nem regra para %s em %s/%s, e nenhum substituto "
                             "listado em standins.json (%s)" % (what, month[5:7], month[:4], series))
        return e


class Sources:
    """Reads every source file once."""

    def __init__(self, folder, standins_path):
        self.folder = folder
        self.standins = Standins(standins_path)
        self._load()

    def _load(self):
        s = self.folder
        self.savings_8694 = {r["month"]: r for r in read_csv(s, "round3/poupanca_dia1_mensal_1986_1994.csv")}
        self.savings_9526 = {r["month"]: r for r in read_csv(s, "round2/poupanca_dia1_mensal_montada_1995_2026.csv")}
        self.sgs25 = {}
        for r in read_csv(s, "round2/poupanca_sgs25_por_aniversario_2015_2026.csv"):
            self.sgs25[(r["month"], int(r["day"]))] = r["value_pct"]
        self.tr = {r["month"]: r for r in read_csv(s, "round2/tr_dia1_mensal_montada_1991_2026.csv")}
        self.tjsp = read_csv(s, "court/tjsp_tabela_pratica_debitos_judiciais.csv")
        self.jam3 = {r["month"]: r["jam_3pct_percent"] for r in read_csv(s, "fgts/jam_3pct_monthly_percent_2000_2024.csv")}
        self.editais = {r["month"]: r for r in read_csv(s, "fgts/jam_caixa_editais_3_4_5_6pct_sample.csv")}
        self.reforms = read_csv(s, "savings/currency_reforms.csv")
        self.fgts_ref = {r["item"]: r for r in read_csv(s, "fgts/fgts_plan_reference_values.csv")}

    # ---- savings yields, day 1, by period start month ----

    def savings_day1(self, month):
        if "1986-01" <= month <= "1991-02":
            r = self.savings_8694[month]
            return Value(dec(r["value_pct"]), r["value_as_printed"], PUBLISHED,
                         "round3/poupanca_dia1_mensal_1986_1994.csv (tabela de poupança do BCB, dia 1)")
        if "1991-03" <= month <= "1994-12":
            tr = dec(self.tr[month]["tr_pct"])
            y = rules.savings_yield_truncated(tr)
            return Value(y, format(y, "f").replace(".", ","), DERIVED,
                         "TR dia 1 (round2/tr_dia1_mensal_montada_1991_2026.csv) x 1,005, truncado em 4 casas")
        r = self.savings_9526.get(month)
        if r is None:
            raise BuildError("sem rendimento da poupança (dia 1) para %s/%s" % (month[5:7], month[:4]))
        v = dec(r["value_pct"])
        return Value(v, format(v, "f").replace(".", ","), PUBLISHED,
                     "round2/poupanca_dia1_mensal_montada_1995_2026.csv (%s)" % r["chosen_source"])

    def savings_day(self, month, day):
        """Yield of the period starting on `day` of `month`."""
        if day == 1:
            return self.savings_day1(month)
        text = self.sgs25.get((month, day))
        if text is not None:
            return Value(dec(text), text.replace(".", ","), PUBLISHED,
                         "round2/poupanca_sgs25_por_aniversario_2015_2026.csv (BCB SGS 25)")
        self.standins.require("savings_day", month, "o rendimento do dia %d" % day)
        v = self.savings_day1(month)
        return Value(v.number, v.text, STANDIN, "rendimento do dia 1 do mesmo período")

    def last_full_savings_month(self):
        month = max(m for (m, d) in self.sgs25)
        while any((month, d) not in self.sgs25 for d in range(1, 29)):
            month = month_add(month, -1)
        return month

    # ---- FGTS ----

    def fgts_correction(self, month):
        """Correction index (percent) applied by the FGTS credit of the following month."""
        if month >= "1991-02":
            r = self.tr.get(month)
            if r is None:
                raise BuildError("sem TR para %s/%s" % (month[5:7], month[:4]))
            nature = PUBLISHED if r["nature"] == "published" else DERIVED
            return Value(dec(r["tr_pct"]), r["tr_pct"], nature,
                         "TR dia 1, round2/tr_dia1_mensal_montada_1991_2026.csv (%s)" % r["nature"])
        if month == "1990-04":
            # May 1990 credit: interest only, no correction (fgts_plan_reference_values.csv).
            return Value(Decimal(0), "0", PUBLISHED,
                         "fgts/fgts_plan_reference_values.csv (jam_3pct_credit_1990_05: só juros)")
        if "1990-05" <= month <= "1991-01":
            y = self.savings_day1(month)
            return Value(rules.savings_correction(y.number), None, DERIVED,
                         "correção da poupança (Lei 8.036/1990 art. 13) de " + y.source)
        e = self.standins.require("fgts_correction", month, "a correção do FGTS")
        if e["use"] == "value":
            return Value(dec(e["value_pct"]), e["value_pct"], STANDIN, e["source"])
        y = self.savings_day1(month)
        return Value(rules.savings_correction(y.number), None, STANDIN, e["source"])

    def jam(self, month, annual_pct):
        """JAM coefficient (fraction) credited in `month` at the annual rate."""
        if annual_pct == 3 and month in self.jam3:
            if month not in JAM3_REJECTED:
                return Value(dec(self.jam3[month]) / 100, None, PUBLISHED,
                             "fgts/jam_3pct_monthly_percent_2000_2024.csv")
        e = self.editais.get(month)
        key = "jam_%dpct" % annual_pct
        if e is not None and e.get(key):
            return Value(dec(e[key]), None, PUBLISHED, "fgts/jam_caixa_editais_3_4_5_6pct_sample.csv")
        if annual_pct == 3 and month == "1990-05":
            r = self.fgts_ref["jam_3pct_credit_1990_05"]
            return Value(dec(r["value"]), None, PUBLISHED, "fgts/fgts_plan_reference_values.csv")
        c = self.fgts_correction(month_add(month, -1))
        j = rules.jam_coefficient(c.number, annual_pct)
        nature = STANDIN if c.nature == STANDIN else DERIVED
        note = JAM3_REJECTED.get(month, "") if annual_pct == 3 else ""
        return Value(j, None, nature, "regra JAM sobre " + c.source + (" — " + note if note else ""))

    # ---- currency ----

    def currency_reform(self, month):
        """(new symbol, divisor) when a currency came into force in that month, else None."""
        for r in self.reforms:
            if r["date"][:7] == month:
                return r["new_symbol"], dec(r["divisor"])
        return None

    def currency(self, month):
        symbol = "Cr$"
        for r in sorted(self.reforms, key=lambda r: r["date"]):
            if r["date"][:7] <= month:
                symbol = r["new_symbol"]
        return symbol


# Published 3 % JAM values that a second published source contradicts: the savings yield of the
# same period gives the TR, and the JAM rule on that TR replaces the value.
JAM3_REJECTED = {
    "2005-08": "publicado 0,5407 rejeitado (transposição de dígitos); a TR de 01/07/2005 implícita no "
               "rendimento da poupança 0,7588 (yahii) dá 0,5047",
    "2011-03": "publicado 0,3875 rejeitado (repete 2011-01); a TR de 01/02/2011 implícita no "
               "rendimento da poupança 0,5527 (Portal Brasil) dá 0,2991",
}
