#include "resources/app_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tqr::res {

namespace {
// The same picture as app_icon.svg (installed for the desktop), drawn here
// so that start-up needs no image decoder: a trail camera strapped to a
// tree, sending over the air.
void draw_icon(QPainter& p, const QRect& rect)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(rect.topLeft());
    p.scale(rect.width() / 64.0, rect.height() / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6b, 0x4a, 0x2b));
    p.drawRoundedRect(QRectF(4, 2, 10, 60), 3, 3);
    p.setBrush(QColor(0x3b, 0x3b, 0x2f));
    p.drawRect(QRectF(12, 26, 8, 6));
    p.setPen(QPen(QColor(0x2f, 0x3a, 0x1e), 2));
    p.setBrush(QColor(0x5a, 0x6b, 0x3a));
    p.drawRoundedRect(QRectF(18, 14, 34, 44), 6, 6);
    p.setPen(QPen(QColor(0xc9, 0xd1, 0xb3), 2));
    p.setBrush(QColor(0x1d, 0x23, 0x12));
    p.drawEllipse(QPointF(35, 32), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x7f, 0xb5));
    p.drawEllipse(QPointF(35, 32), 4, 4);
    p.setBrush(QColor(0x2f, 0x3a, 0x1e));
    p.drawRoundedRect(QRectF(25, 46, 20, 6), 2, 2);
    p.setBrush(QColor(0xd6, 0x45, 0x45));
    p.drawEllipse(QPointF(26, 20), 2, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x4a, 0x7f, 0xb5), 2.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath inner(QPointF(46, 12));
    inner.quadTo(QPointF(52, 6), QPointF(58, 12));
    QPainterPath outer(QPointF(43, 8));
    outer.quadTo(QPointF(52, -1), QPointF(61, 8));
    p.drawPath(inner);
    p.drawPath(outer);
    p.setPen(QPen(QColor(0x2f, 0x3a, 0x1e), 2));
    p.drawLine(QPointF(48, 14), QPointF(48, 18));
    p.restore();
}

// Draws the icon only when a size of it is asked for.
class AppIconEngine final : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override { draw_icon(*painter, rect); }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }
    QIconEngine* clone() const override { return new AppIconEngine; }
};
} // namespace

QIcon app_icon()
{
    return QIcon(new AppIconEngine);
}

} // namespace tqr::res
