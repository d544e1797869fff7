// The sack of investment powder, drawn for the main window.

#include <QPainterPath>

#include <cmath>

#include "draw_common.h"

namespace draw {

// ---------------------------------------------------------------- sack

QImage drawSack(int s) {
    QImage img(s, s, QImage::Format_RGB32);
    QPainter p(&img);
    designSpace(p, s);
    studioBackdrop(p, QColor(246, 243, 238), QColor(196, 190, 181));
    softShadow(p, QPointF(52, 90), 40, 7, 110);

    // Body: flat bottom, bulging sides, gathered into a neck under the tie.
    QPainterPath body;
    body.moveTo(40, 30);
    body.cubicTo(30, 38, 16, 50, 16, 68);
    body.cubicTo(16, 80, 18, 89, 27, 91);
    body.lineTo(75, 91);
    body.cubicTo(83, 89, 85, 80, 85, 68);
    body.cubicTo(85, 50, 70, 38, 60, 30);
    body.closeSubpath();

    QLinearGradient paper(16, 0, 85, 0);
    paper.setColorAt(0.00, QColor(112, 80, 46));
    paper.setColorAt(0.14, QColor(170, 126, 78));
    paper.setColorAt(0.36, QColor(222, 182, 130));
    paper.setColorAt(0.50, QColor(206, 164, 112));
    paper.setColorAt(0.78, QColor(160, 117, 70));
    paper.setColorAt(1.00, QColor(96, 66, 36));
    p.setPen(QPen(QColor(80, 55, 30), 1.2));
    p.setBrush(paper);
    p.drawPath(body);

    // Light falls from above: darken the lower part where the bag sits on the floor.
    p.save();
    p.setClipPath(body);
    QLinearGradient bottomShade(0, 60, 0, 92);
    bottomShade.setColorAt(0, QColor(0, 0, 0, 0));
    bottomShade.setColorAt(1, QColor(40, 20, 0, 90));
    p.fillRect(QRectF(0, 60, 100, 40), bottomShade);

    // Creases running down from the gathered neck.
    QPen crease(QColor(90, 60, 30, 150), 1.3, Qt::SolidLine, Qt::RoundCap);
    p.setPen(crease);
    p.setBrush(Qt::NoBrush);
    p.drawPath([] {
        QPainterPath c;
        c.moveTo(44, 31);
        c.cubicTo(38, 40, 30, 46, 26, 56);
        c.moveTo(56, 31);
        c.cubicTo(62, 40, 70, 46, 74, 55);
        c.moveTo(48, 31);
        c.cubicTo(46, 38, 42, 43, 40, 48);
        c.moveTo(52, 31);
        c.cubicTo(55, 37, 58, 42, 61, 47);
        return c;
    }());
    QPen fold(QColor(255, 235, 200, 120), 1.0, Qt::SolidLine, Qt::RoundCap);
    p.setPen(fold);
    p.drawPath([] {
        QPainterPath c;
        c.moveTo(46, 32);
        c.cubicTo(41, 40, 34, 46, 30, 55);
        c.moveTo(58, 33);
        c.cubicTo(63, 40, 69, 46, 72, 52);
        return c;
    }());
    p.restore();

    // Printed label on the front.
    QRectF label(31, 55, 38, 24);
    QPainterPath lab;
    lab.moveTo(label.left(), label.top() + 1.5);
    lab.quadTo(label.center().x(), label.top() - 1.5, label.right(), label.top() + 1.5);
    lab.lineTo(label.right(), label.bottom() - 1);
    lab.quadTo(label.center().x(), label.bottom() + 1.5, label.left(), label.bottom() - 1);
    lab.closeSubpath();
    QLinearGradient labFill(label.left(), 0, label.right(), 0);
    labFill.setColorAt(0, QColor(222, 222, 218));
    labFill.setColorAt(0.35, QColor(255, 255, 252));
    labFill.setColorAt(1, QColor(200, 200, 196));
    p.setPen(QPen(QColor(120, 110, 95), 0.6));
    p.setBrush(labFill);
    p.drawPath(lab);
    p.save();
    p.setClipPath(lab);
    p.fillRect(QRectF(label.left(), label.top() - 2, label.width(), 8), QColor(28, 70, 160));
    p.fillRect(QRectF(label.left(), label.bottom() - 3.5, label.width(), 4), QColor(28, 70, 160));
    p.restore();
    p.setPen(QPen(QColor(70, 70, 80), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(36, 67), QPointF(64, 67));
    p.setPen(QPen(QColor(130, 130, 135), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(38, 71), QPointF(58, 71));

    // The gathered top above the tie, with a ragged edge.
    QPainterPath top;
    top.moveTo(41, 28);
    top.cubicTo(38, 22, 32, 16, 31, 11);
    top.lineTo(36, 13);
    top.lineTo(39, 8);
    top.lineTo(44, 12);
    top.lineTo(49, 7);
    top.lineTo(54, 12);
    top.lineTo(59, 8);
    top.lineTo(63, 13);
    top.lineTo(69, 11);
    top.cubicTo(68, 16, 62, 22, 59, 28);
    top.closeSubpath();
    QLinearGradient topFill(31, 0, 69, 0);
    topFill.setColorAt(0, QColor(130, 94, 55));
    topFill.setColorAt(0.4, QColor(226, 188, 138));
    topFill.setColorAt(1, QColor(120, 84, 46));
    p.setPen(QPen(QColor(80, 55, 30), 1.0));
    p.setBrush(topFill);
    p.drawPath(top);
    p.setPen(QPen(QColor(95, 65, 35, 170), 0.9));
    p.drawLine(QPointF(44, 13), QPointF(46, 26));
    p.drawLine(QPointF(54, 13), QPointF(53, 26));

    // The tie: a twisted cord around the neck.
    QRectF tie(38, 25, 24, 7);
    QLinearGradient cord(0, tie.top(), 0, tie.bottom());
    cord.setColorAt(0, QColor(110, 150, 230));
    cord.setColorAt(0.5, QColor(30, 60, 150));
    cord.setColorAt(1, QColor(15, 30, 90));
    p.setPen(QPen(QColor(10, 20, 60), 0.8));
    p.setBrush(cord);
    p.drawRoundedRect(tie, 3, 3);

    // Spilled powder on the floor beside the sack.
    QRadialGradient powder(QPointF(86, 90), 12);
    powder.setColorAt(0, QColor(255, 255, 255));
    powder.setColorAt(0.7, QColor(240, 238, 234));
    powder.setColorAt(1, QColor(220, 216, 210));
    p.setPen(Qt::NoPen);
    p.setBrush(powder);
    QPainterPath heap;
    heap.moveTo(74, 94);
    heap.cubicTo(76, 88, 82, 85, 87, 86);
    heap.cubicTo(93, 86, 98, 90, 99, 95);
    heap.cubicTo(92, 97, 80, 97, 74, 94);
    p.drawPath(heap);
    p.setBrush(QColor(250, 249, 246));
    p.drawEllipse(QPointF(70, 95), 2.2, 1.1);
    p.drawEllipse(QPointF(94, 84), 1.5, 0.8);
    p.drawEllipse(QPointF(78, 98), 1.6, 0.8);

    p.end();
    addGrain(img, 3, 11u + static_cast<unsigned>(s));
    return img;
}

}  // namespace draw
