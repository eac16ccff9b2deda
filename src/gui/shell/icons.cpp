// Flat toolbar pictures in one palette: each is drawn on a 48-unit canvas and rendered at the
// sizes the toolbar and the window manager ask for.
#include "gui/shell/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace ruvivavu::gui::icons {

namespace {

const QColor kNavy(0x1f, 0x3a, 0x5f);
const QColor kBlue(0x2e, 0x6d, 0xb4);
const QColor kLight(0xe8, 0xf0, 0xfa);
const QColor kGreen(0x2e, 0x8b, 0x57);
const QColor kRed(0xc0, 0x39, 0x2b);
const QColor kGold(0xe0, 0xa8, 0x2e);
const QColor kGray(0x6b, 0x72, 0x80);

using Draw = std::function<void(QPainter&)>;

QIcon make(const Draw& draw) {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 48.0, size / 48.0);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen pen(const QColor& color, qreal width) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace

QIcon application() {
    return make([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kNavy);
        p.drawRoundedRect(QRectF(2, 2, 44, 44), 9, 9);
        // A statement sheet with a total line.
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(11, 8, 26, 32), 2, 2);
        p.setPen(pen(kBlue, 2.2));
        for (qreal y : {15.0, 20.0, 25.0}) p.drawLine(QPointF(15, y), QPointF(33, y));
        p.setPen(pen(kGold, 3));
        p.drawLine(QPointF(15, 32), QPointF(33, 32));
    });
}

QIcon print() {
    return make([](QPainter& p) {
        p.setPen(pen(kGray, 2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(14, 6, 20, 14));  // paper in
        p.setBrush(kNavy);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(5, 18, 38, 17), 4, 4);
        p.setBrush(kGreen);
        p.drawEllipse(QPointF(37, 23), 1.8, 1.8);
        p.setPen(pen(kGray, 2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(13, 28, 22, 15));  // paper out
        p.setPen(pen(kBlue, 1.6));
        p.drawLine(QPointF(17, 33), QPointF(31, 33));
        p.drawLine(QPointF(17, 38), QPointF(27, 38));
    });
}

QIcon calculate() {
    return make([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kNavy);
        p.drawRoundedRect(QRectF(9, 3, 30, 42), 5, 5);
        p.setBrush(QColor(0xc8, 0xe6, 0xc9));
        p.drawRoundedRect(QRectF(13, 7, 22, 9), 2, 2);
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col) {
                p.setBrush(row == 2 && col == 2 ? kGold : kLight);
                p.drawRoundedRect(QRectF(13 + col * 8, 20 + row * 8, 6, 6), 1.2, 1.2);
            }
        }
    });
}

QIcon update() {
    return make([](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(kGreen, 4.5));
        const QRectF ring(9, 9, 30, 30);
        p.drawArc(ring, 30 * 16, 150 * 16);
        p.drawArc(ring, 210 * 16, 150 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        QPainterPath head1;
        head1.moveTo(37, 5);
        head1.lineTo(43, 18);
        head1.lineTo(30, 17);
        head1.closeSubpath();
        p.drawPath(head1);
        QPainterPath head2;
        head2.moveTo(11, 43);
        head2.lineTo(5, 30);
        head2.lineTo(18, 31);
        head2.closeSubpath();
        p.drawPath(head2);
    });
}

QIcon yield() {
    return make([](QPainter& p) {
        p.setPen(pen(kGray, 2));
        p.drawLine(QPointF(6, 42), QPointF(43, 42));
        p.setPen(Qt::NoPen);
        const qreal heights[] = {10, 17, 24, 31};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(i == 3 ? kGold : kBlue);
            p.drawRoundedRect(QRectF(9 + i * 9, 40 - heights[i], 6.5, heights[i]), 1, 1);
        }
        p.setPen(pen(kGreen, 3));
        p.drawLine(QPointF(8, 24), QPointF(20, 14));
        p.drawLine(QPointF(20, 14), QPointF(27, 18));
        p.drawLine(QPointF(27, 18), QPointF(40, 6));
        p.drawLine(QPointF(40, 6), QPointF(33, 6));
        p.drawLine(QPointF(40, 6), QPointF(40, 13));
    });
}

QIcon fgts() {
    return make([](QPainter& p) {
        // A worker's fund: a house over a coin.
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        QPainterPath roof;
        roof.moveTo(4, 22);
        roof.lineTo(24, 5);
        roof.lineTo(44, 22);
        roof.lineTo(39, 22);
        roof.lineTo(24, 10);
        roof.lineTo(9, 22);
        roof.closeSubpath();
        p.drawPath(roof);
        p.setBrush(kNavy);
        p.drawRect(QRectF(10, 21, 28, 22));
        p.setBrush(kGold);
        p.drawEllipse(QPointF(24, 31), 8, 8);
        p.setPen(pen(kNavy, 2.2));
        p.setFont(QFont(QStringLiteral("Sans"), 9, QFont::Bold));
        p.drawText(QRectF(16, 23, 16, 16), Qt::AlignCenter, QStringLiteral("$"));
    });
}

QIcon close() {
    return make([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kGray);
        p.drawRoundedRect(QRectF(8, 4, 22, 40), 2, 2);  // door frame
        p.setBrush(QColor(0x9a, 0x6b, 0x3f));
        p.drawRect(QRectF(11, 7, 16, 34));
        p.setBrush(kGold);
        p.drawEllipse(QPointF(24, 25), 1.6, 1.6);
        p.setPen(pen(kRed, 4));
        p.drawLine(QPointF(29, 24), QPointF(44, 24));
        p.drawLine(QPointF(44, 24), QPointF(38, 18));
        p.drawLine(QPointF(44, 24), QPointF(38, 30));
    });
}

}  // namespace ruvivavu::gui::icons
