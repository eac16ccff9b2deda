"""Monthly series assembled from the source files, each value tagged with how it was obtained.

A value is a Value(number, text, nature, source): nature is "publicado", "regra" (derived by a
rule of rules.py from published values) or "substituto" (a stand-in listed in standins.json).
"""

import json
import os
from collections import namedtuple
from decimal import Decimal

import rules
from common import BuildError, br, dec, mm_yyyy, month_add, read_csv

Value = namedtuple("Value", "number text nature source")

PUBLISHED, DERIVED, STANDIN, PRESUMED = "publicado", "regra", "substituto", "presumido"

# The table of TR days of the FGTS JAM credit, with its setting fgts_volta_ao_dia_1.
JAM_TR_DAY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "jam_tr_day.json")

# Printed 3 % JAM coefficients by credit month (round5/PROVENANCE.md).
JAM_PRINTED_FILES = ["round5/jam_1991-03_1992-05.csv", "round5/jam_1992-06_1998-12.csv",
                     "round5/jam_1999-01_2000-01.csv"]

DAILY_TR_FILE = "round4/tr_sgs226_diaria_via_fabioadr_1991_2014.csv"
DAILY_TR_FIRST, DAILY_TR_LAST = "1991-02", "2014-12"
DAY1_TR_TEXT = ("TR de dia 1 (%s; nos meses seguintes a um mês de menos de 31 dias, "
                "round2/tr_dia1_mensal_montada_1991_2026.csv)" % DAILY_TR_FILE)

# Published day-1 savings yields that the rule on a TR confirmed by two sources (the daily SGS 226
# value and a published monthly TR table) contradicts: the rule's value is shipped instead.
SAVINGS_DAY1_CORRECTED = {
    "1998-11": "a tabela secundária (yahii) imprime 1,1117; a TR de 01/11/1998, 0,6136 no SGS 226 e no "
               "SECOVI, dá 1,1167 (erro de impressão de um dígito)",
}


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

    def __init__(self, folder, standins_path, jam_tr_path=None):
        self.folder = folder
        self.standins = Standins(standins_path)
        jam_tr_path = jam_tr_path or JAM_TR_DAY
        with open(jam_tr_path, encoding="utf-8") as f:
            self.jam_tr_config = json.load(f)
        self.jam_tr_periods = rules.jam_tr_periods(self.jam_tr_config)
        self._load()

    def _load(self):
        s = self.folder
        self.savings_8694 = {r["month"]: r for r in read_csv(s, "round3/poupanca_dia1_mensal_1986_1994.csv")}
        self.savings_9526 = {r["month"]: r for r in read_csv(s, "round2/poupanca_dia1_mensal_montada_1995_2026.csv")}
        self.sgs25 = {}
        for r in read_csv(s, "round2/poupanca_sgs25_por_aniversario_2015_2026.csv"):
            self.sgs25[(r["month"], int(r["day"]))] = r["value_pct"]
        self.tr = {r["month"]: r for r in read_csv(s, "round2/tr_dia1_mensal_montada_1991_2026.csv")}
        # Daily TR 1991-2014. Day 1 after a month shorter than 31 days is wrong in this copy (the
        # download kept the record of another window); those rows are dropped here so that they
        # cannot reach any table, and day 1 of those months comes from the monthly TR table.
        self.tr_daily = {}
        self.tr_daily_dropped = set()
        for r in read_csv(s, DAILY_TR_FILE):
            key = (r["month"], int(r["day"]))
            if r["day1_after_month_shorter_than_31_days"] == "1":
                if key[1] != 1:
                    raise BuildError("%s: linha marcada fora do dia 1 (%s)" % (DAILY_TR_FILE, r["date"]))
                self.tr_daily_dropped.add(key[0])
                continue
            self.tr_daily[key] = r["tr_pct_as_stored"]
        self.tjsp = read_csv(s, "court/tjsp_tabela_pratica_debitos_judiciais.csv")
        self.jam3 = {r["month"]: r["jam_3pct_percent"] for r in read_csv(s, "fgts/jam_3pct_monthly_percent_2000_2024.csv")}
        self.editais = {r["month"]: r for r in read_csv(s, "fgts/jam_caixa_editais_3_4_5_6pct_sample.csv")}
        self.jam_printed = {}
        for name in JAM_PRINTED_FILES:
            for r in read_csv(s, name):
                self.jam_printed[r["month"]] = (dec(r["jam_3pct"]), name, r["as_printed"])
        self.reforms = read_csv(s, "savings/currency_reforms.csv")
        self.fgts_ref = {r["item"]: r for r in read_csv(s, "fgts/fgts_plan_reference_values.csv")}

    # ---- TR of the period starting on a given day ----

    def tr_of_period(self, month, day):
        """TR (percent) of the one-month period starting on `day` of `month`, 1991-02 .. 2014-12:
        the daily SGS 226 value, or for day 1 after a month shorter than 31 days the monthly
        day-1 TR table. None outside the daily file."""
        if not DAILY_TR_FIRST <= month <= DAILY_TR_LAST:
            return None
        text = self.tr_daily.get((month, day))
        if text is not None:
            return Value(dec(text), text, PUBLISHED, DAILY_TR_FILE + " (BCB SGS 226)")
        if day == 1 and month in self.tr_daily_dropped:
            r = self.tr[month]
            return Value(dec(r["tr_pct"]), r["tr_pct"], PUBLISHED if r["nature"] == "published" else DERIVED,
                         "round2/tr_dia1_mensal_montada_1991_2026.csv (%s)" % r["nature"])
        raise BuildError("sem TR diária para %02d/%s/%s" % (day, month[5:7], month[:4]))

    # ---- savings yields, day 1, by period start month ----

    def savings_day1(self, month):
        if "1986-01" <= month <= "1991-02":
            r = self.savings_8694[month]
            return Value(dec(r["value_pct"]), r["value_as_printed"], PUBLISHED,
                         "round3/poupanca_dia1_mensal_1986_1994.csv (tabela de poupança do BCB, dia 1)")
        if "1991-03" <= month <= "1994-12":
            tr = self.tr_of_period(month, 1)
            y = rules.savings_yield_of_month(tr.number, month)
            return Value(y, br(y), DERIVED, DAY1_TR_TEXT + " x 1,005, truncado em 4 casas")
        r = self.savings_9526.get(month)
        if r is None:
            raise BuildError("sem rendimento da poupança (dia 1) para %s/%s" % (month[5:7], month[:4]))
        v = dec(r["value_pct"])
        published = Value(v, br(v), PUBLISHED,
                          "round2/poupanca_dia1_mensal_montada_1995_2026.csv (%s)" % r["chosen_source"])
        tr = self.tr_of_period(month, 1)
        if tr is None:
            return published
        y = rules.savings_yield_of_month(tr.number, month)
        if y == v:
            return published
        if month not in SAVINGS_DAY1_CORRECTED:
            raise BuildError("rendimento publicado da poupança de %s/%s (%s) difere da regra sobre a TR "
                             "de %s (%s) e não está entre as correções listadas"
                             % (month[5:7], month[:4], br(v), br(tr.number), br(y)))
        monthly = self.tr[month]
        if (month, 1) not in self.tr_daily or monthly["nature"] != "published" or dec(monthly["tr_pct"]) != tr.number:
            raise BuildError("correção de %s/%s sem TR confirmada por duas fontes" % (month[5:7], month[:4]))
        return Value(y, br(y), DERIVED, "regra sobre a TR de 01/%s/%s (SGS 226 e %s) — publicado %s corrigido"
                     % (month[5:7], month[:4], monthly["source"], br(v)))

    def savings_day(self, month, day):
        """Yield of the period starting on `day` of `month`."""
        if day == 1:
            return self.savings_day1(month)
        text = self.sgs25.get((month, day))
        if text is not None:
            return Value(dec(text), text.replace(".", ","), PUBLISHED,
                         "round2/poupanca_sgs25_por_aniversario_2015_2026.csv (BCB SGS 25)")
        tr = self.tr_of_period(month, day)
        if tr is not None:
            y = rules.savings_yield_of_month(tr.number, month)
            how = "truncado" if month < rules.ROUNDED_FROM else "arredondado (metade para o par)"
            return Value(y, br(y), DERIVED, "TR do dia de aniversário (%s, BCB SGS 226) x 1,005, %s em 4 casas"
                         % (DAILY_TR_FILE, how))
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
            rule = rules.jam_tr_day(self.jam_tr_periods, month_add(month, 1))
            if rule is None:
                raise BuildError("sem dia da TR do JAM para o crédito de %s" % mm_yyyy(month_add(month, 1)))
            day, _, presumed = rule
            if day is None:
                j, name, printed = self.jam_printed[month_add(month, 1)]
                return Value(rules.correction_in_jam(j, 3), None, DERIVED,
                             "correção contida no JAM 3%% impresso de %s (%s, %s)"
                             % (mm_yyyy(month_add(month, 1)), printed, name))
            if day == 1:
                r = self.tr.get(month)
                if r is None:
                    raise BuildError("sem TR para %s/%s" % (month[5:7], month[:4]))
                tr = Value(dec(r["tr_pct"]), r["tr_pct"], PUBLISHED if r["nature"] == "published" else DERIVED,
                           "round2/tr_dia1_mensal_montada_1991_2026.csv (%s)" % r["nature"])
            else:
                tr = self.tr_of_period(month, day)
            if not presumed:
                return Value(tr.number, tr.text, tr.nature, "TR dia %d, %s" % (day, tr.source))
            return Value(tr.number, tr.text, PRESUMED,
                         "regra presumida (volta ao dia 1 em %s, jam_tr_day.json): TR dia %d, %s"
                         % (mm_yyyy(self.jam_tr_config[rules.RETURN_SETTING]["month"]), day, tr.source))
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
        if annual_pct == 3 and month in self.jam_printed:
            j, name, printed = self.jam_printed[month]
            day = rules.jam_tr_day(self.jam_tr_periods, month)[0]
            how = "TR do dia %d do mês anterior" % day if day else "nenhum dia da TR o reproduz"
            return Value(j, None, PUBLISHED, "%s (impresso %s; %s)" % (name, printed, how))
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
        nature = c.nature if c.nature in (STANDIN, PRESUMED) else DERIVED
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
