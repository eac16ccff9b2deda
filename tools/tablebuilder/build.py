#!/usr/bin/env python3
"""Builds every shipped table and configuration file from the source series.

    python3 tools/tablebuilder/build.py --out data

Reads the copies of the sources in <out>/sources (or --sources), writes the tables into <out>
and the provenance report <out>/sources/TABELAS.md. Running it twice gives the same bytes.
"""

import argparse
import hashlib
import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
if HERE not in sys.path:
    sys.path.insert(0, HERE)

import rules  # noqa: E402
import tables  # noqa: E402
import tabwriter  # noqa: E402
from common import BuildError, mm_yyyy, month_range  # noqa: E402
from series import DERIVED, JAM_TR_DAY, PRESUMED, PUBLISHED, STANDIN, Sources  # noqa: E402

STANDINS = os.path.join(HERE, "standins.json")

HELP_TEMPLATE = os.path.join(HERE, "ajuda.html")
HELP_FILE = "images/index.htm"

# The date of the published set (conjunto.json): the manifest's and the help page's. Move it
# forward whenever the tables are published again.
SET_SETTINGS = os.path.join(HERE, "conjunto.json")
MANIFEST_FILE = "manifesto.txt"
MANIFEST_FORMAT = 1
# The user's own configuration (the plan table and the index-application table, edited in the
# program): installed on the first run, never replaced by an update, so not in the manifest.
USER_FILES = {"planos.ini", "indice.ini"}

TABLE_PURPOSE = {
    "zurivodo13.tab": "rendimentos da poupança por dia de aniversário (Poupança Diária)",
    "tjsp.tab": "variação mensal da Tabela Prática do TJSP (Débitos Judiciais São Paulo mês a mês)",
    "t0001.tab": "fatores da Tabela Prática do TJSP (Débitos Judiciais São Paulo)",
    "fgts.tab": "coeficientes de JAM e índices acumulados a 3% e 6% (Expurgos do FGTS)",
    "fgtsjuros.tab": "coeficientes de JAM a 3%, 4%, 5% e 6% (FGTS - Juros Progressivos)",
    "mes.tab": "rendimentos para a Poupança - configurado",
    "mes2.tab": "rendimentos para a Poupança Configurada com Collor I e II",
    "planos.ini": "tabela de planos (Adicionar Expurgo)",
    "indice.ini": "índices dos tribunais por mês de plano (Configurar Índice)",
    "exp.ini": "quadro comparativo dos índices (Rendimento)",
}


def build_all(sources_folder):
    src = Sources(sources_folder, STANDINS)
    return [builder(src) for builder in tables.ALL]


def lista(built):
    rows = [["Arquivo", "Último mês"]]
    for t in built:
        rows.append([t.name, mm_yyyy(t.last_month) if t.last_month else ""])
    rows.append([HELP_FILE, ""])
    return rows


def set_date():
    """The date of the published set, "dd/mm/yyyy"."""
    with open(SET_SETTINGS, encoding="utf-8") as f:
        date = json.load(f)["data"]
    d, m, y = date.split("/")
    if len(d) != 2 or len(m) != 2 or len(y) != 4 or not (1 <= int(d) <= 31 and 1 <= int(m) <= 12):
        raise BuildError("conjunto.json: data inválida %r (use dd/mm/aaaa)" % date)
    return date


def manifest(date, files):
    """The manifest of the set: format, date, and each file with its last month, size and SHA-256.
    `files` is [(name, last month "mm/yyyy" or "", bytes)]."""
    rows = [["Formato", str(MANIFEST_FORMAT)], ["Data", date], ["Arquivo", "Último mês", "Tamanho", "SHA-256"]]
    for name, last, data in files:
        rows.append([name, last, str(len(data)), hashlib.sha256(data).hexdigest()])
    return tabwriter.render(rows, 4)


def help_page(built, date):
    """The user guide, with the list of shipped tables filled in; written in ASCII with HTML
    entities so that it reads the same whatever encoding the viewer assumes."""
    with open(HELP_TEMPLATE, encoding="utf-8") as f:
        text = f.read()
    rows = ["<p><b>Conjunto de tabelas de %s</b> (a data do manifesto.txt que acompanha as tabelas)</p>" % date,
            "<table>", "<tr><th>Arquivo</th><th>Conteúdo</th><th>Primeiro mês</th><th>Último mês</th></tr>"]
    for t in built:
        first = t.rows[1][0] if t.last_month else ""
        last = t.rows[-1][0] if t.last_month else ""
        rows.append("<tr><td>%s</td><td>%s</td><td>%s</td><td>%s</td></tr>"
                    % (t.name, TABLE_PURPOSE[t.name], first, last))
    rows.append("</table>")
    text = text.replace("{{TABELAS}}", "\n".join(rows))
    text = text.replace("{{JAM_TR}}", "\n".join(jam_tr_lines("<ul>", "<li>%s</li>", "</ul>")))
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode("ascii", "xmlcharrefreplace")


def jam_tr_lines(head, item, tail):
    """The TR day of the FGTS JAM credit by period, from jam_tr_day.json, and the months whose
    rule is presumed."""
    with open(JAM_TR_DAY, encoding="utf-8") as f:
        config = json.load(f)
    lines = [head]
    for first, last, day, evidence in rules.jam_tr_periods(config):
        span = "créditos de %s a %s" % (mm_yyyy(first), mm_yyyy(last)) if last else \
            "créditos a partir de %s" % mm_yyyy(first)
        how = "TR do dia %d do mês anterior" % day if day else "valor impresso"
        lines.append(item % ("%s: %s (%s)" % (span, how, evidence)))
    presumed = month_range(rules.PRESUMED_FIRST, rules.PRESUMED_LAST)
    back = config[rules.RETURN_SETTING]["month"]
    lines.append(item % ("regra presumida nos créditos de %s a %s (%d meses: %s): a volta do dia 10 ao "
                         "dia 1 não foi encontrada impressa; a configuração %s de "
                         "tools/tablebuilder/jam_tr_day.json a põe em %s, o primeiro mês com prova do dia 1"
                         % (mm_yyyy(presumed[0]), mm_yyyy(presumed[-1]), len(presumed),
                            ", ".join(mm_yyyy(m) for m in presumed), rules.RETURN_SETTING, mm_yyyy(back))))
    lines.append(tail)
    return lines


NATURE_TEXT = {PUBLISHED: "publicado", DERIVED: "derivado por regra", STANDIN: "SUBSTITUTO",
               PRESUMED: "regra presumida"}


def ranges(items):
    """Groups (month, nature, source) in month order into runs with the same nature and source."""
    runs = []
    for month, nature, source in items:
        if runs and runs[-1][2] == nature and runs[-1][3] == source:
            runs[-1][1] = month
        else:
            runs.append([month, month, nature, source])
    return runs


def report(built):
    out = ["# Tabelas distribuídas: origem de cada valor", "",
           "Gerado por `tools/tablebuilder/build.py`; não edite à mão. Para cada tabela, os meses",
           "cujos valores são **publicados** (copiados da fonte), **derivados por regra** (calculados",
           "por uma regra nomeada a partir de valores publicados) ou **SUBSTITUTOS** (um valor de outra",
           "série no lugar de um que não foi encontrado; só os listados em",
           "`tools/tablebuilder/standins.json`). As fontes estão nesta pasta, com seus PROVENANCE.md.", ""]
    counts = {}
    for t in built:
        out.append("## %s" % t.name)
        out.append("")
        if t.last_month:
            out.append("Último mês: %s." % mm_yyyy(t.last_month))
            out.append("")
        groups = {}
        order = []
        for what, month, nature, source in t.provenance:
            if what not in groups:
                groups[what] = []
                order.append(what)
            groups[what].append((month, nature, source))
            counts[(t.name, nature)] = counts.get((t.name, nature), 0) + 1
        for what in order:
            out.append("### %s" % what)
            out.append("")
            out.append("| meses | natureza | fonte |")
            out.append("|---|---|---|")
            for first, last, nature, source in ranges(sorted(groups[what], key=lambda x: x[0])):
                span = mm_yyyy(first) if first == last else "%s a %s" % (mm_yyyy(first), mm_yyyy(last))
                out.append("| %s | %s | %s |" % (span, NATURE_TEXT[nature], source.replace("|", "/")))
            out.append("")
        for note in t.notes:
            out.append("- " + note)
        if t.notes:
            out.append("")
    out += ["## Dia da TR do JAM do FGTS (fgts.tab e fgtsjuros.tab)", ""]
    out += jam_tr_lines("", "- %s", "")
    out += NOTES
    return "\n".join(out).replace("\n", "\r\n") + "\r\n"


NOTES = """## tjmg.tab

Não é distribuída. A tabela de fatores da Corregedoria-Geral de Justiça de Minas Gerais não foi
encontrada em fonte publicada utilizável (court/PROVENANCE.md, round2 e round3). Sem ela o
cálculo "Débitos Judiciais MG - MT - MS - ES (mês a mês)" responde "tabela inexistente - faça a
atualização das tabelas". A tabela do Espírito Santo (round3/cgjes_fatores_jun2014_parcial_1986_1990.csv)
é de outro tribunal e difere na época do Plano Verão; não a substitui.

## Dúvidas registradas nas fontes e o que foi feito

- zurivodo13.tab 04/1989 (crédito de maio/89): a tabela do BCB traz 11,5182 % (LFT de abril/89),
  não o IPC de abril/89 que a leitura usual da Lei 7.730/1989 art. 17 III daria. Mantido o valor
  publicado; nenhuma segunda fonte o corrige.
- zurivodo13.tab 03/1990 (crédito de abril/90): a tabela do BCB traz 41,9900 % (BTNF 41,28 % com
  juros), não o IPC de 84,32 % que os saldos não bloqueados com aniversário na primeira quinzena
  receberam. Mantido o valor publicado. Para o FGTS (fgts.tab) o crédito de abril/90 usa o IPC
  84,32 % como substituto listado.
- zurivodo13.tab 09/1990 e 10/1990: a tabela publicada repete 13,4142 % nos dois meses; um deles
  deveria corresponder a 13,71 % de BTN. Não se sabe qual; mantidos os valores publicados.
- zurivodo13.tab 1986: o total anual da página não é reproduzido pelos valores mensais (baixa
  confiança). Mantidos os valores publicados.
- zurivodo13.tab 1991-03 a 1994-12: derivados da TR (sem tabela publicada de rendimentos). A dúvida
  de round2 (arquivo 7) de que a TR de 1991-1993 nem sempre fosse o valor SGS 226 do dia 1 foi
  explicada em round4: toda divergência cai num dia 1 marcado como defeituoso no arquivo diário, e
  esses dias vêm da tabela mensal. A TR de 1994 da tabela mensal tinha só duas casas; onde o arquivo
  diário a dá com quatro (06, 08, 09 e 11/1994), usa-se a diária.
- zurivodo13.tab 02/1991: publicado 7,5349 %; a regra sobre a TRD 7,00 % daria 7,5350 %. Mantido o
  publicado.
- fgts.tab 2005-08 e 2011-03: os valores publicados de JAM 3 % (0,5407 e 0,3875) foram rejeitados
  porque o rendimento publicado da poupança do mesmo período os contradiz; usada a regra do JAM.
- fgts.tab 02/1999: o JAM 3 % impresso (0,007641, round5) fica uma unidade da sexta casa abaixo da
  regra sobre a TR de 01/01/1999 (0,5163 % no SGS 226 e no SECOVI), que dá 0,007642. Mantido o
  impresso. Dos créditos de 2000 a 2002 publicados pelo Estadão, o de 10/01/2002 (0,4912 %) é erro de
  impressão: a regra dá 0,4454 %, o mesmo que a tabela de JAM 3 % publicada; os outros 8 seguem a regra.
- fgts.tab 2024-04: o JAM 3 % publicado (0,1024 %) parece ser só o crédito parcial da mudança do dia
  de crédito (dia 10 para dia 21); mantido o publicado. Os coeficientes de 4 %, 5 % e 6 % desse mês
  vêm da regra sobre a TR do mês inteiro e por isso não são coerentes com o de 3 %.
- fgts.tab 03/1989: o JAM trimestral publicado (0,879083, crédito de 01/03/1989) não é usado numa
  tabela mensal; os meses até 05/1990 usam a correção da poupança como substituto. Os cálculos de
  expurgo partem de 03/1989 e 05/1990, de modo que só os meses posteriores à data-base contam.
- planos.ini Plano Collor II: usa o IPC de fev/91, 21,87 %, contra a TRD creditada de 7,00 % (tese
  do STJ de 2010, a mesma do aviso do cálculo configurado, 22,4793 %). Em 2014 o STJ passou a usar o
  BTN de jan/91 (20,21 %), mas o índice creditado naquele período não foi encontrado; quem seguir
  a decisão de 2014 deve editar a linha do plano.
""".split("\n")


def write_all(out, sources_folder=None):
    sources_folder = sources_folder or os.path.join(out, "sources")
    built = build_all(sources_folder)
    date = set_date()
    published = []
    for t in built:
        data = tabwriter.render(t.rows, t.col_count)
        tabwriter.write_bytes(os.path.join(out, t.name), data)
        if t.name not in USER_FILES:
            published.append((t.name, mm_yyyy(t.last_month) if t.last_month else "", data))
    page = help_page(built, date)
    tabwriter.write_bytes(os.path.join(out, *HELP_FILE.split("/")), page)
    published.append((HELP_FILE, "", page))
    tabwriter.write_table(os.path.join(out, "lista.tab"), lista(built), 2)
    tabwriter.write_bytes(os.path.join(out, MANIFEST_FILE), manifest(date, published))
    os.makedirs(os.path.join(out, "sources"), exist_ok=True)
    tabwriter.write_bytes(os.path.join(out, "sources", "TABELAS.md"), report(built).encode("utf-8"))
    return built


def main(argv=None):
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--out", default=os.path.join(HERE, "..", "..", "data"))
    p.add_argument("--sources", default=None, help="folder of the source series (default <out>/sources)")
    args = p.parse_args(argv)
    try:
        built = write_all(args.out, args.sources)
    except BuildError as e:
        print("build.py: " + str(e), file=sys.stderr)
        return 1
    for t in built:
        print("%-16s %5d linhas  até %s" % (t.name, len(t.rows), mm_yyyy(t.last_month) if t.last_month else "-"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
