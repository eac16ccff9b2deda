"""The shipped files: rebuilt byte for byte, written in the program's table layout, and laid out
as the calculators read them."""

import json
import os
import shutil
import tempfile
import unittest
from decimal import Decimal

import build
import tabwriter
import tables
from common import BuildError, dec
from series import Sources

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.normpath(os.path.join(HERE, "..", "..", "..", "data"))
SOURCES = os.path.join(DATA, "sources")


def num(text):
    """The program's reading of a cell: only digits, comma and minus are kept."""
    kept = "".join(c for c in text if c.isdigit() or c in ",-")
    return Decimal(kept.replace(",", "."))


def load(name):
    return tabwriter.read_table(os.path.join(DATA, name))


class Rebuild(unittest.TestCase):
    def test_rebuilding_gives_the_committed_bytes(self):
        tmp = tempfile.mkdtemp()
        try:
            built = build.write_all(tmp, SOURCES)
            names = [t.name for t in built] + ["lista.tab", "manifesto.txt", os.path.join("sources", "TABELAS.md"),
                                               os.path.join("images", "index.htm")]
            for name in names:
                with self.subTest(file=name):
                    with open(os.path.join(tmp, name), "rb") as a, open(os.path.join(DATA, name), "rb") as b:
                        self.assertEqual(a.read(), b.read())
        finally:
            shutil.rmtree(tmp)

    def test_a_month_without_value_or_standin_fails_and_is_named(self):
        tmp = tempfile.mkdtemp()
        try:
            path = os.path.join(tmp, "standins.json")
            with open(path, "w") as f:
                json.dump({"standins": []}, f)
            src = Sources(SOURCES, path)
            with self.assertRaisesRegex(BuildError, "01/1986"):
                tables.build_zurivodo13(src)
            with self.assertRaisesRegex(BuildError, "12/1988"):
                tables.build_fgts(src)
        finally:
            shutil.rmtree(tmp)


class Layout(unittest.TestCase):
    def test_every_line_has_col_count_tabs_and_crlf(self):
        for name, cols in [("zurivodo13.tab", 34), ("tjsp.tab", 34), ("t0001.tab", 3), ("fgts.tab", 9),
                           ("fgtsjuros.tab", 12), ("mes.tab", 8), ("mes2.tab", 8), ("planos.ini", 10),
                           ("indice.ini", 3), ("exp.ini", 3), ("lista.tab", 2)]:
            with open(os.path.join(DATA, name), "rb") as f:
                data = f.read()
            data.decode("cp1252")
            lines = data.split(b"\r\n")
            with self.subTest(file=name):
                self.assertEqual(lines[-1], b"")
                self.assertNotIn(b"\n", b"".join(lines))
                self.assertEqual({line.count(b"\t") for line in lines[:-1]}, {cols})
                self.assertTrue(all(line.endswith(b"\t") for line in lines[:-1]))

    def test_render_rejects_a_tab_inside_a_cell(self):
        with self.assertRaises(tabwriter.TableError):
            tabwriter.render([["a\tb"]], 1)
        self.assertEqual(tabwriter.render([["ã"], []], 2), "ã\t\t\r\n\t\t\r\n".encode("cp1252"))

    def test_monthly_rate_tables_are_consecutive_months(self):
        for name in ("zurivodo13.tab", "tjsp.tab", "fgts.tab", "t0001.tab"):
            rows = load(name)[1:]
            months = [int(r[0][3:]) * 12 + int(r[0][:2]) for r in rows]
            with self.subTest(file=name):
                self.assertEqual(months, list(range(months[0], months[0] + len(months))))

    def test_savings_table_columns(self):
        rows = load("zurivodo13.tab")
        by = {r[0]: r for r in rows[1:]}
        self.assertLessEqual(rows[1][0], "03/1987")
        self.assertEqual([by[m][33] for m in ("02/1986", "01/1989", "08/1993", "07/1994")], ["1000", "1000", "1000", "2750"])
        self.assertEqual(sum(1 for r in rows[1:] if r[33]), 4)
        self.assertEqual([by[m][32] for m in ("01/1989", "03/1990", "08/1993", "07/1994")], ["NCz$", "Cr$", "CR$", "R$"])
        # Every day column holds a rate in every month; per-day rates from 02/1991 on.
        self.assertTrue(all(r[d] and num(r[d]) >= 0 for r in rows[1:] for d in range(1, 29)))
        self.assertEqual(by["06/1987"][15], "18,6106")
        for r in rows[1:]:
            per_day = int(r[0][3:]) * 100 + int(r[0][:2]) >= 199102
            with self.subTest(month=r[0]):
                # Zero-TR stretches of 2012-2013 give 0,5000 on every day, so "differs" is not
                # required then; before 02/1991 all days must agree.
                if not per_day:
                    self.assertEqual(len(set(r[1:29])), 1)
                elif r[0][3:] in ("1991", "1994", "2000", "2015"):
                    self.assertGreater(len(set(r[1:29])), 1)

    def test_savings_day15_of_1994_against_day1(self):
        # Around the change to the real the TR moved within each month: day-15 yields of 1994
        # multiply to about 0,87 of the day-1 yields. A column read from the wrong day or month
        # would not.
        by = {r[0]: r for r in load("zurivodo13.tab")[1:]}
        day1 = day15 = Decimal(1)
        for m in range(1, 13):
            r = by["%02d/1994" % m]
            day1 *= 1 + num(r[1]) / 100
            day15 *= 1 + num(r[15]) / 100
        self.assertAlmostEqual(float(day15 / day1), 0.8715, places=4)

    def test_flagged_day1_rows_of_the_daily_tr_do_not_reach_the_table(self):
        # Rewrite every flagged day-1 row of a copy of the sources with a nonsense TR: the savings
        # table must come out the same.
        tmp = tempfile.mkdtemp()
        try:
            shutil.copytree(SOURCES, os.path.join(tmp, "sources"))
            path = os.path.join(tmp, "sources", "round4", "tr_sgs226_diaria_via_fabioadr_1991_2014.csv")
            os.chmod(path, 0o644)
            with open(path, encoding="utf-8", newline="") as f:
                lines = f.read().split("\n")
            changed = 0
            for i, line in enumerate(lines):
                cells = line.split(",")
                if len(cells) == 5 and cells[4].strip() == "1":
                    cells[3] = "99.9999"
                    lines[i] = ",".join(cells)
                    changed += 1
            self.assertEqual(changed, 120)
            with open(path, "w", encoding="utf-8", newline="") as f:
                f.write("\n".join(lines))
            rebuilt = tables.build_zurivodo13(Sources(os.path.join(tmp, "sources"), build.STANDINS))
            self.assertEqual(rebuilt.rows, load("zurivodo13.tab"))
        finally:
            shutil.rmtree(tmp)

    def test_tjsp_rates_chain_back_to_the_factors(self):
        factors = {r[0]: num(r[1]) for r in load("t0001.tab")[1:]}
        rates = load("tjsp.tab")[1:]
        value = factors["12/1985"]
        for r in rates:
            value = value * (1 + num(r[1]) / 100) / (num(r[33]) if r[33] else 1)
            with self.subTest(month=r[0]):
                self.assertLess(abs(value / factors[r[0]] - 1), Decimal("1e-7"))
            self.assertEqual(len(set(r[1:29])), 1)

    def test_fgts_index_is_the_product_of_its_coefficients(self):
        rows = load("fgts.tab")[1:]
        reforms = {"08/1993": 1000, "07/1994": 2750, "01/1989": 1000}
        for prev, cur in zip(rows, rows[1:]):
            div = reforms.get(cur[0], 1)
            for jam_col, index_col in ((1, 6), (4, 7)):
                expected = num(prev[index_col]) * (1 + num(cur[jam_col])) / div
                with self.subTest(month=cur[0], col=index_col):
                    self.assertLess(abs(expected / num(cur[index_col]) - 1), Decimal("1e-13"))
        by = {r[0]: r for r in rows}
        self.assertEqual(by["05/1990"][1], "0,002466")
        self.assertEqual([by[m][8] for m in ("03/1989", "05/1990", "01/2000")], ["NCz$", "Cr$", "R$"])

    def test_printed_jams_reach_both_fgts_tables(self):
        src = Sources(SOURCES, os.path.join(HERE, "..", "standins.json"))
        fgts = {r[0]: r for r in load("fgts.tab")[1:]}
        juros = {r[0]: r for r in load("fgtsjuros.tab")[1:]}
        for month, (printed, _, _) in src.jam_printed.items():
            cell = format(printed, ".6f").replace(".", ",")
            with self.subTest(month=month):
                self.assertEqual(fgts[month[5:7] + "/" + month[:4]][1], cell)
                label = tables.label_lower(month)
                if label in juros:
                    self.assertEqual(juros[label][2], cell)
        # the correction column shows the TR the credit read: day 10 of 11/1991, day 1 of 12/1998
        self.assertEqual(fgts["12/1991"][5], format(src.tr_of_period("1991-11", 10).number, ".4f").replace(".", ","))
        self.assertEqual(fgts["01/1999"][5], format(dec(src.tr["1998-12"]["tr_pct"]), ".4f").replace(".", ","))

    def test_fgtsjuros_layout(self):
        rows = load("fgtsjuros.tab")
        self.assertEqual(len(rows), 194)
        labels = [r[0] for r in rows]
        for month in ("mar/86", "mar/89", "ago/93", "jul/94", "mai/90"):
            self.assertIn(month, labels)
        for r in rows[1:]:
            self.assertTrue(num(r[2]) > 0 and num(r[4]) < num(r[5]) < num(r[6]))
            self.assertEqual(r[1], "")
            self.assertEqual(r[9], "0,00")  # g seeded where an accumulation starts

    def test_update_tables_row_map(self):
        for name, purges in (("mes.tab", {1: "JUL/87", 21: "FEV/89", 37: "MAI/90", 39: "JUN/90"}),
                             ("mes2.tab", {1: "JUL/87", 21: "FEV/89", 36: "ABR/90", 38: "MAI/90",
                                           40: "JUN/90", 50: "MAR/91"})):
            rows = load(name)
            labels = [r[0] for r in rows]
            last_purge = max(purges)
            with self.subTest(file=name):
                for i, r in enumerate(rows[1:], 1):
                    self.assertEqual(bool(r[3]), i in purges, r)
                    self.assertTrue(num(r[1]) >= 0)
                for i, label in purges.items():
                    self.assertEqual(labels[i], label)
                    self.assertEqual(labels[i - 1] == label, i != 1)
                self.assertIn(labels.index("JAN/89"), range(2, 21))
                self.assertGreater(labels.index("JUL/93"), last_purge)
                self.assertGreater(labels.index("JUN/94"), last_purge)
                self.assertEqual(rows[1][3], "0,186106")
                self.assertEqual(rows[-1][7], "R$")

    def test_plan_table(self):
        rows = load("planos.ini")
        self.assertEqual(len(rows[0]), 10)
        plans = {r[0]: r for r in rows[1:]}
        self.assertEqual([r[1] for r in rows[1:]], ["06/1987", "01/1989", "04/1990", "05/1990", "02/1991"])
        self.assertEqual(plans["Plano Verão"][3:5] + [plans["Plano Verão"][9]], ["1000", "Cz$", "NCz$"])
        for r in rows[1:]:
            with self.subTest(plan=r[0]):
                self.assertEqual(len(r), 10)
                self.assertEqual(num(r[2]), (num(r[8]) - num(r[6])) * Decimal("1.005"))

    def test_lista_names_every_table_with_its_last_month(self):
        rows = load("lista.tab")
        listed = {r[0]: r[1] if len(r) > 1 else "" for r in rows[1:]}
        for name in ("zurivodo13.tab", "fgts.tab", "t0001.tab", "tjsp.tab", "mes.tab"):
            last = load(name)[-1][0]
            self.assertEqual(listed[name], last if "/" in last and len(last) == 7 else listed[name])
        self.assertEqual(listed["zurivodo13.tab"], load("zurivodo13.tab")[-1][0])
        self.assertNotIn("tjmg.tab", listed)


if __name__ == "__main__":
    unittest.main()


class HelpPage(unittest.TestCase):
    def test_help_page_is_ascii_and_names_every_table(self):
        with open(os.path.join(DATA, "images", "index.htm"), "rb") as f:
            data = f.read()
        text = data.decode("ascii")
        self.assertNotIn("{{", text)
        for row in load("lista.tab")[1:]:
            if row[0] != "lista.tab" and not row[0].startswith("images/"):
                self.assertIn(row[0], text)
        self.assertIn("tabela inexistente - fa&#231;a a atualiza&#231;&#227;o das tabelas", text)

    def test_help_page_and_report_list_the_presumed_jam_months(self):
        with open(os.path.join(DATA, "images", "index.htm"), "rb") as f:
            text = f.read().decode("ascii")
        with open(os.path.join(SOURCES, "TABELAS.md"), encoding="utf-8") as f:
            report = f.read()
        for page in (text.replace("&#225;", "á").replace("&#233;", "é"), report):
            self.assertIn("regra presumida nos cr", page)
            self.assertIn("54 meses: 07/1994, 08/1994", page)
            self.assertIn("11/1998, 12/1998)", page)
            self.assertIn("fgts_volta_ao_dia_1", page)
