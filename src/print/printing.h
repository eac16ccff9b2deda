// Statements on paper and in PDF: one pagination shared by printing, the print preview, the PDF
// export of the program and the command-line tool.
#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

namespace ruvivavu::print {

// A4 portrait with 15 mm margins, until the user changes it in "Configurar Impressão".
QPageLayout defaultPageLayout();

// The statement files' bytes as text: UTF-8 when they are valid UTF-8, otherwise Windows-1252
// (what the statement writers produce, whatever their charset declaration says).
QString decodeHtmlBytes(const QByteArray& bytes);

// Lays the document out on the device's pages (its page layout, a page-number footer on each page)
// and paints every page. Answers the page count. Raises FileError when the device cannot be
// painted on.
int renderDocument(const QTextDocument& document, QPagedPaintDevice& device);

// Writes the document as a PDF file with the given page layout, replacing the file only when the
// whole document has been written. Answers the page count; raises FileError("Cannot create file ...").
int writePdf(const QTextDocument& document, const QString& path, const QPageLayout& layout);

}  // namespace ruvivavu::print
