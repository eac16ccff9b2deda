"""The shipped tables and configuration files, one builder function each.

Every builder returns a Table: its file name, its rows (lists of cell texts), its column count,
its last month (or None) and the provenance of its values: (what, month, nature, source).
"""

from collections import namedtuple
from decimal import Decimal

import rules
from common import (BuildError, br, br_significant, dec, label_lower, label_upper, mm_yyyy,
                    month_add, month_range)
from series import DAILY_TR_FILE, DERIVED, PUBLISHED, SAVINGS_DAY1_CORRECTED

Table = namedtuple("Table", "name rows col_count last_month provenance notes")

DAYS = range(1, 29)

# ---------------------------------------------------------------------------------------------
# The purge plans: index credited and index the courts granted, in percent.

PLANS = [
    # name, plan month, official index, official %, required index, required %, source notes
    ("Plano Bresser", "1987-06", "LBC", "18.0205", "IPC", "26.06",
     "LBC 18,0205 % = rendimento creditado 18,6106 % (tabela de poupança do BCB, round3) / 1,005; "
     "IPC jun/87 26,06 % (STJ REsp 1.107.201/DF, savings/plans.csv)"),
    ("Plano Verão", "1989-01", "LFT", "22.3589", "IPC", "42.72",
     "LFT jan/89 22,3589 % (round2/valores_pontuais_planos_round2.csv; = 22,9708 % / 1,005); "
     "IPC jan/89 42,72 % (STJ, savings/plans.csv)"),
    ("Plano Collor I - Abril/90", "1990-04", "BTNF", "0.00", "IPC", "44.80",
     "BTNF abr/90 0 % (só juros de 0,5 %; savings/plans.csv, tabela do BCB 0,5000 %); "
     "IPC abr/90 44,80 % (STJ, savings/plans.csv)"),
    ("Plano Collor I - Maio/90", "1990-05", "BTNF", "5.38", "IPC", "7.87",
     "BTNF mai/90 5,38 % (Folha, tabela do BCB 5,9069 %); IPC mai/90 7,87 % (STJ REsp 811.992/CE)"),
    ("Plano Collor II", "1991-02", "TRD", "7.00", "IPC", "21.87",
     "TRD fev/91 7,00 % (STJ Súmula 252, fgts/fgts_plan_reference_values.csv; tabela do BCB 7,5349 %); "
     "IPC fev/91 21,87 % (STJ REsp 1.107.201/DF e 1.147.595/RS, 2010). Em 2014 (EDcl no REsp "
     "1.147.595/RS) o STJ passou a usar o BTN de jan/91, 20,21 %, mas o índice creditado nesse "
     "período não foi encontrado (savings/plans.csv)"),
]

PLAN_HEADINGS = ["Expurgo", "Data", "Diferença sobre o saldo anterior em %", "Mudança de Moeda",
                 "Moeda", "Índice Oficial", "Índice Oficial Valor", "Índice Requerido",
                 "Índice Requerido Valor", "Moeda Mudança"]


def build_planos(src):
    rows = [PLAN_HEADINGS]
    prov = []
    for name, month, off_name, off, req_name, req, note in PLANS:
        diff = rules.purge_difference(dec(req), dec(off))
        # The balance of the plan month is in the currency in force on the anniversary; when a
        # new currency came into force before the credit of the next month, the difference is
        # divided by the reform's divisor.
        reform = src.currency_reform(month)
        balance_currency = src.currency(month_add(month, -1)) if reform else src.currency(month)
        rows.append([name, mm_yyyy(month), br(diff), br(reform[1]) if reform else "",
                     balance_currency, off_name, off.replace(".", ","), req_name,
                     req.replace(".", ","), reform[0] if reform else ""])
        prov.append((name, month, DERIVED, "diferença = (requerido - oficial) x 1,005; " + note))
    return Table("planos.ini", rows, 10, None, prov, [])


# Months whose yield a claim may ask to replace by the index the courts grant: the plan months,
# and March 1990, whose IPC of 84,32 % the savings table does not show (it shows the BTNF of the
# blocked balances).
INDEX_APPLICATION = [(name, month, req, note) for name, month, _, _, _, req, note in PLANS] + [
    ("IPC mar/90", "1990-03", "84.32",
     "IPC mar/90 84,32 % (savings/plans.csv; court/derived_tjsp_implied_monthly_change.csv)")]


def build_indice_ini(src):
    """The index-application table: for each month the yield the courts grant, offered to the
    user switched off ("Não")."""
    rows = [["Data", "Expurgo", "Aplicar ao índice"]]
    prov = []
    for name, month, req, note in sorted(INDEX_APPLICATION, key=lambda x: x[1]):
        rate = rules.savings_rate_with_interest(dec(req)) * 100
        rows.append([mm_yyyy(month), br(rate.normalize()), "Não"])  # exact, not rounded
        prov.append((name, month, DERIVED, "índice requerido x 1,005 + 0,5 %; " + note))
    return Table("indice.ini", rows, 3, None, prov, [])


def build_exp_ini(src):
    # Credited: the index and, in brackets, the yield the BCB savings table shows for day 1.
    # Granted: the index and the yield it gives by the savings rule (checked below).
    rows = [["Mês do expurgo", "Índice creditado", "Índice dos tribunais"],
            ["06/1987", "LBC 18,02% (creditado 18,6106%)", "IPC 26,06% (26,6903% com juros)"],
            ["01/1989", "LFT 22,3589% (creditado 22,9708%)", "IPC 42,72% (43,4336% com juros)"],
            ["03/1990", "IPC 84,32% (BTNF 41,28% nos saldos bloqueados)", "IPC 84,32% (sem diferença)"],
            ["04/1990", "BTNF 0,00% (creditado 0,5000%)", "IPC 44,80% (45,524% com juros)"],
            ["05/1990", "BTNF 5,38% (creditado 5,9069%)", "IPC 7,87% (8,40935% com juros)"],
            ["02/1991", "TRD 7,00% (creditado 7,5349%)", "IPC 21,87% (22,47935% com juros; em 2014 o STJ adotou o BTN de jan/91, 20,21%)"]]
    for index, shown in [("26.06", "26.6903"), ("42.72", "43.4336"), ("44.80", "45.524"),
                         ("7.87", "8.40935"), ("21.87", "22.47935")]:
        got = br((rules.savings_rate_with_interest(dec(index)) * 100).normalize())
        if got != shown.replace(".", ","):
            raise BuildError("exp.ini: %s com juros dá %s, não %s" % (index, got, shown))
    prov = [("comparação", "1987-06", PUBLISHED, "savings/plans.csv; round3/poupanca_creditos_pontuais_1987_1990.csv")]
    return Table("exp.ini", rows, 3, None, prov, [])


# ---------------------------------------------------------------------------------------------
# Savings yields per anniversary day.

ZURIVODO_FIRST = "1986-01"


def monthly_rate_heading(first_col_title):
    return ([first_col_title] + ["Dia %d" % d for d in DAYS] + ["", "", "", "Moeda", "Divisor"])


def build_zurivodo13(src):
    last = src.last_full_savings_month()
    rows = [monthly_rate_heading("Mês")]
    prov = []
    for month in month_range(ZURIVODO_FIRST, last):
        cells = [mm_yyyy(month)]
        for d in DAYS:
            v = src.savings_day(month, d)
            cells.append(v.text)
            prov.append(("dia 1" if d == 1 else "dias 2 a 28", month, v.nature, v.source))
        reform = src.currency_reform(month)
        divisor = br(reform[1]) if reform and reform[1] != 1 else ""  # empty at the par change of 03/1990
        cells += ["", "", "", src.currency(month), divisor]
        rows.append(cells)
    return Table("zurivodo13.tab", rows, 34, last, prov, zurivodo13_notes(src))


def zurivodo13_notes(src):
    notes = [
        "Coluna d do mês m = rendimento do período que começa no dia d de m e termina no dia d de m + 1, "
        "pela TR desse período (data da TR = início do período, convenção das séries SGS 25 e 226). "
        "Só os dias 1 a 28 são aniversários: contas abertas nos dias 29 a 31 fazem aniversário no "
        "dia 1 do mês seguinte.",
        "De 01/1986 a 01/1991 os dias 2 a 28 repetem o rendimento publicado do dia 1: a correção "
        "seguia um índice mensal (OTN, LBC, IPC, BTN), o mesmo para todo dia de aniversário do mês, "
        "e só a tabela do dia 1 foi publicada. Nos meses de plano em que o crédito dependia da "
        "quinzena do aniversário, a tabela traz o do dia 1.",
        "De 02/1991 a 12/2014 os dias 2 a 28 vêm da TR diária publicada (BCB SGS 226, %s) pela regra "
        "(1 + TR) x 1,005 - 1 em 4 casas: truncado até 06/1995, arredondado (metade para o par) a partir "
        "de 07/1995, a convenção que os rendimentos publicados do dia 1 seguem em cada época." % DAILY_TR_FILE,
        "No arquivo diário, o dia 1 dos meses seguintes a um mês de menos de 31 dias (março, maio, "
        "julho, outubro, dezembro) não é confiável e não é usado: %d meses; a TR desses dias vem de "
        "round2/tr_dia1_mensal_montada_1991_2026.csv." % len(src.tr_daily_dropped),
        "De 03/1991 a 12/1994 o dia 1 também é derivado da TR; onde a tabela mensal só tinha a TR em 2 "
        "casas e o arquivo diário a dá com 4 (%s), usa-se a diária." % ", ".join(
            mm_yyyy(m) for m in month_range("1991-03", "1994-12")
            if (m, 1) in src.tr_daily and dec(src.tr_daily[(m, 1)]) != dec(src.tr[m]["tr_pct"])),
        "De 01/1995 a 12/2014 cada rendimento publicado do dia 1 é conferido com a regra sobre a TR "
        "de dia 1; uma divergência fora da lista de correções interrompe a construção.",
    ]
    for month, why in sorted(SAVINGS_DAY1_CORRECTED.items()):
        notes.append("%s, dia 1: publicado corrigido pela regra — %s." % (mm_yyyy(month), why))
    return notes


# ---------------------------------------------------------------------------------------------
# São Paulo court table: factors and monthly changes.

TJSP_FIRST_RATE_MONTH = "1986-01"
TJSP_SOURCE = "court/tjsp_tabela_pratica_debitos_judiciais.csv (Tabela Prática do TJSP)"


def tjsp_divisor(rows_by_month, month):
    """The TJSP factor restarts in the month its currency changes by 1000 or 2750."""
    prev = rows_by_month[month_add(month, -1)]["currency"]
    cur = rows_by_month[month]["currency"]
    if prev == cur or (prev, cur) in (("NCr$", "Cr$"), ("NCz$", "Cr$")):
        return Decimal(1)
    return Decimal(2750) if cur == "R$" else Decimal(1000)


def build_t0001(src):
    rows = [["Mês", "Fator", "Moeda"]]
    prov = []
    for r in src.tjsp:
        factor = dec(r["factor"])
        rows.append([mm_yyyy(r["month"]), br(factor, thousands=True), r["currency"]])
        prov.append(("fator", r["month"], PUBLISHED, TJSP_SOURCE + ", edição " + r["factor_edition"]))
    return Table("t0001.tab", rows, 3, src.tjsp[-1]["month"], prov, [])


def build_tjsp(src):
    by_month = {r["month"]: r for r in src.tjsp}
    last = src.tjsp[-1]["month"]
    rows = [monthly_rate_heading("Mês")]
    prov = []
    for month in month_range(TJSP_FIRST_RATE_MONTH, last):
        prev = by_month[month_add(month, -1)]
        cur = by_month[month]
        div = tjsp_divisor(by_month, month)
        rate = br(rules.factor_change(dec(prev["factor"]), dec(cur["factor"]), div))
        rows.append([mm_yyyy(month)] + [rate] * 28 + ["", "", "", cur["currency"],
                                                       br(div) if div != 1 else ""])
        prov.append(("taxa", month, DERIVED, "variação do fator, " + TJSP_SOURCE + " (" + cur["tjsp_basis"] + ")"))
    return Table("tjsp.tab", rows, 34, last, prov, [])


# ---------------------------------------------------------------------------------------------
# FGTS: JAM coefficients and accumulated indexes.

FGTS_FIRST = "1989-01"
FGTS_RATES = (3, 4, 5, 6)


def fgts_last_month(src):
    """The last credit month whose correction (the TR of the month before) is known."""
    return month_add(max(src.tr), 1)


def build_fgts(src):
    last = fgts_last_month(src)
    rows = [["Mês", "JAM 3%", "JAM 4%", "JAM 5%", "JAM 6%", "Correção do mês anterior %",
             "Índice JAM 3%", "Índice JAM 6%", "Moeda"]]
    prov = []
    # The indexes start at 1.000 in the month before the table (one thousand cruzados, one
    # cruzado novo after the reform of 01/1989), so that their values stay readable.
    index3 = index6 = Decimal(1000)
    for month in month_range(FGTS_FIRST, last):
        jams = {r: src.jam(month, r) for r in FGTS_RATES}
        corr = src.fgts_correction(month_add(month, -1))
        reform = src.currency_reform(month)
        div = reform[1] if reform else Decimal(1)
        index3 = rules.accumulate(index3, jams[3].number, div)
        index6 = rules.accumulate(index6, jams[6].number, div)
        rows.append([mm_yyyy(month)] + [br(jams[r].number, 6) for r in FGTS_RATES]
                    + [br(corr.number, 4), br_significant(index3), br_significant(index6),
                       src.currency(month)])
        prov.append(("JAM 3%", month, jams[3].nature, jams[3].source))
        prov.append(("JAM 6%", month, jams[6].nature, jams[6].source))
    return Table("fgts.tab", rows, 9, last, prov, [])


FGTSJUROS_FIRST = "1986-02"


def fgtsjuros_currency(month):
    """Currency of the FGTS statement of the month, as the progressive-interest calculator
    converts: at "mar/86" (cruzado), "mar/89" (the quarterly credit of 01/03/1989 is the first in
    cruzados novos), at par in 03/1990, "ago/93" and "jul/94"."""
    for first, symbol in (("1994-07", "R$"), ("1993-08", "CR$"), ("1990-03", "Cr$"),
                          ("1989-03", "NCz$"), ("1986-03", "Cz$")):
        if month >= first:
            return symbol
    return "Cr$"
FGTSJUROS_MONTHS = 193


def build_fgtsjuros(src):
    months = month_range(FGTSJUROS_FIRST, month_add(FGTSJUROS_FIRST, FGTSJUROS_MONTHS - 1))
    rows = [["Mês", "Valor creditado (a)", "JAM 3% (b)", "Base (c = a/b)", "JAM 4% (d)",
             "JAM 5% (d)", "JAM 6% (d)", "Devido (e = c x d)", "Diferença (f = e - a)",
             "Correção (g)", "Acumulado (h)", "Moeda"]]
    prov = []
    for month in months:
        jams = {r: src.jam(month, r) for r in FGTS_RATES}
        # g seeded with zero: the month an account's accumulation starts in (no h before it)
        # computes its h from f alone; later months overwrite g with the corrected h.
        rows.append([label_lower(month), "", br(jams[3].number, 6), "",
                     br(jams[4].number, 6), br(jams[5].number, 6), br(jams[6].number, 6),
                     "", "", "0,00", "", fgtsjuros_currency(month)])
        prov.append(("JAM 3%", month, jams[3].nature, jams[3].source))
        prov.append(("JAM 4/5/6%", month, jams[6].nature, jams[6].source))
    for needed in ("mar/86", "mar/89", "ago/93", "jul/94"):
        if needed not in [r[0] for r in rows]:
            raise BuildError("fgtsjuros.tab: falta o mês de conversão " + needed)
    return Table("fgtsjuros.tab", rows, 12, months[-1], prov, [])


# ---------------------------------------------------------------------------------------------
# Configured-savings update tables.

# Purge rows: credit month, rate due (index the courts grant), rate credited (the configured
# calculators' constants P / 100).
PURGES = {
    "1987-07": ("26.06", "0.186106"),
    "1989-02": ("42.72", "0.229708"),
    "1990-04": ("84.32", "0.419865"),
    "1990-05": ("44.80", "0.005"),
    "1990-06": ("7.87", "0.059069"),
    "1991-03": ("21.87", "0.07535"),
}

MES_HEADING = ["Mês", "Índice", "Valor", "Índice creditado", "Valor creditado", "Diferença",
               "Saldo", "Moeda"]


def mes_currency(month):
    """The currency of the running balance after the row of that credit month: the update run
    converts at "JAN/89", "JUL/93" and "JUN/94"; the cruzeiro of 16/03/1990 was at par."""
    if month < "1989-01":
        return "Cz$"
    if month < "1990-03":
        return "NCz$"
    if month < "1993-07":
        return "Cr$"
    if month < "1994-06":
        return "CR$"
    return "R$"


def build_mes(src, name, purge_months, expected_rows):
    last_period = src.last_full_savings_month()
    rows = [MES_HEADING]
    prov = []
    first = "1987-07"
    for credit in month_range(first, month_add(last_period, 1)):
        period = month_add(credit, -1)
        if credit != first:
            y = src.savings_day1(period)
            rows.append([label_upper(credit), br((y.number / 100).normalize()), "", "", "", "", "",
                         mes_currency(credit)])
            prov.append(("rendimento (pelo mês de crédito)", credit, y.nature, y.source))
        if credit in purge_months:
            due, credited = PURGES[credit]
            rate = rules.savings_rate_with_interest(dec(due))
            rows.append([label_upper(credit), br(rate.normalize()), "", br(dec(credited)), "", "", "",
                         mes_currency(credit)])
            prov.append(("expurgo", credit, DERIVED,
                         "devido = (1 + %s %%) x 1,005 - 1; creditado = constante do cálculo configurado" % due))
    for row_index, credit in expected_rows.items():
        got = rows[row_index][0] if row_index < len(rows) else None
        if got != label_upper(credit) or rows[row_index][3] == "":
            raise BuildError("%s: a linha %d deveria ser o expurgo %s" % (name, row_index, label_upper(credit)))
    labels = [r[0] for r in rows]
    last_purge = max(expected_rows)
    if labels.index("JAN/89") not in range(2, 21):
        raise BuildError(name + ": JAN/89 fora das linhas 2 a 20")
    for conv in ("JUL/93", "JUN/94"):
        if labels.index(conv) <= last_purge:
            raise BuildError(name + ": " + conv + " antes da última linha de expurgo")
    return Table(name, rows, 8, month_add(last_period, 1), prov, [])


def build_mes_tab(src):
    return build_mes(src, "mes.tab", ["1987-07", "1989-02", "1990-05", "1990-06"],
                     {1: "1987-07", 21: "1989-02", 37: "1990-05", 39: "1990-06"})


def build_mes2_tab(src):
    return build_mes(src, "mes2.tab", list(PURGES),
                     {1: "1987-07", 21: "1989-02", 36: "1990-04", 38: "1990-05", 40: "1990-06",
                      50: "1991-03"})


ALL = [build_planos, build_indice_ini, build_exp_ini, build_zurivodo13, build_fgts, build_t0001,
       build_tjsp, build_fgtsjuros, build_mes_tab, build_mes2_tab]
