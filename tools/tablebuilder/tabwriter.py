"""Writes grids the way the program's table writer does.

A table is a grid of RowCount rows and ColCount columns. Every row is written as ColCount
cells, each cell followed by one TAB (the last one too), then CR LF. Nothing is quoted. The
bytes are Windows-1252.
"""

import os
import tempfile


class TableError(Exception):
    pass


def render(rows, col_count):
    """The bytes of a grid. Short rows are padded with empty cells; a longer row is an error."""
    out = []
    for number, row in enumerate(rows):
        cells = [str(c) for c in row]
        if len(cells) > col_count:
            raise TableError("row %d has %d cells, more than %d" % (number, len(cells), col_count))
        for cell in cells:
            if any(ch in cell for ch in "\t\r\n"):
                raise TableError("row %d: a cell holds a TAB or a line end: %r" % (number, cell))
        cells += [""] * (col_count - len(cells))
        out.append("".join(c + "\t" for c in cells) + "\r\n")
    return "".join(out).encode("cp1252")


def write_bytes(path, data):
    """Replaces the file with the bytes through a temporary file and a rename."""
    folder = os.path.dirname(os.path.abspath(path))
    os.makedirs(folder, exist_ok=True)
    fd, tmp = tempfile.mkstemp(dir=folder, prefix=".tmp-")
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(data)
        os.replace(tmp, path)
    except BaseException:
        if os.path.exists(tmp):
            os.unlink(tmp)
        raise


def write_table(path, rows, col_count):
    write_bytes(path, render(rows, col_count))


def read_table(path):
    """Reads a table file back into lists of cells (the final TAB of each line dropped)."""
    with open(path, "rb") as f:
        text = f.read().decode("cp1252")
    rows = []
    for line in text.split("\r\n")[:-1]:
        cells = line.split("\t")
        if cells and cells[-1] == "":
            cells = cells[:-1]
        rows.append(cells)
    return rows
