// Pagination of statements for printers and PDF files.
#include "print/printing.h"

#include "core/common/encoding.h"
#include "core/common/errors.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QImage>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextDocument>
#include <QTextFrame>

#include <memory>

namespace ruvivavu::print {

namespace {

// The document is laid out at screen resolution, as the viewer shows it (pixel widths of the
// statements' tables keep their proportions), and the painter scales it to the device.
constexpr qreal kLayoutDpi = 96.0;
constexpr qreal kFooterInches = 0.35;

[[noreturn]] void cannotCreate(const QString& path, const QString& reason) {
    throw FileError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason).toStdString());
}

}  // namespace

QPageLayout defaultPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

QString decodeHtmlBytes(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return QString::fromStdString(cp1252ToUtf8(std::string_view(bytes.constData(), size_t(bytes.size()))));
}

int renderDocument(const QTextDocument& source, QPagedPaintDevice& device) {
    QImage reference(1, 1, QImage::Format_RGB32);
    reference.setDotsPerMeterX(qRound(kLayoutDpi / 0.0254));
    reference.setDotsPerMeterY(qRound(kLayoutDpi / 0.0254));

    std::unique_ptr<QTextDocument> doc(source.clone());
    doc->documentLayout()->setPaintDevice(&reference);
    doc->setDocumentMargin(0);

    const QRectF paintInches = device.pageLayout().paintRect(QPageLayout::Inch);
    const QSizeF body(paintInches.width() * kLayoutDpi, (paintInches.height() - kFooterInches) * kLayoutDpi);
    const qreal footer = kFooterInches * kLayoutDpi;
    doc->setPageSize(body);
    const int pages = doc->pageCount();

    QPainter painter;
    if (!painter.begin(&device)) cannotCreate(QStringLiteral("PDF"), QStringLiteral("The device cannot be written."));
    const qreal scaleX = device.logicalDpiX() / kLayoutDpi;
    const qreal scaleY = device.logicalDpiY() / kLayoutDpi;
    // The footer is drawn in device units, so its point size is resolved at the device's resolution.
    QFont footerFont(doc->defaultFont());
    footerFont.setPointSizeF(7.5);
    const QRectF footerRect(0, body.height() * scaleY, body.width() * scaleX, footer * scaleY);

    for (int page = 0; page < pages; ++page) {
        if (page > 0) device.newPage();
        painter.save();
        painter.scale(scaleX, scaleY);
        painter.translate(0, -page * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * body.height(), body.width(), body.height());
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(context.clip);
        doc->documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(QColor(0x55, 0x55, 0x55));
        painter.drawText(footerRect, Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Página %1 de %2").arg(page + 1).arg(pages));
    }
    painter.end();
    return pages;
}

int writePdf(const QTextDocument& document, const QString& path, const QPageLayout& layout) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) cannotCreate(path, file.errorString());
    int pages = 0;
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setPageLayout(layout);
        writer.setCreator(QStringLiteral("Ruvivavu da Dudovizu 2.0"));
        const QString title = document.metaInformation(QTextDocument::DocumentTitle);
        writer.setTitle(title.isEmpty() ? QStringLiteral("Demonstrativo") : title);
        pages = renderDocument(document, writer);
    }
    if (!file.commit()) cannotCreate(path, file.errorString());
    return pages;
}

}  // namespace ruvivavu::print
