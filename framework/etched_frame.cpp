#include "framework/etched_frame.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace tqr::fw {

void paint_etched_frame(QPainter& p, const QWidget& widget, const QString& title)
{
    const QFontMetrics fm(widget.font());
    const QPalette& pal = widget.palette();
    const int indent = fm.averageCharWidth();
    const int title_width = title.isEmpty() ? 0 : fm.horizontalAdvance(title) + indent;

    // The two lines of the etch are one device pixel apart and sit on whole
    // device pixels: at a fractional scale, lines placed in logical pixels
    // round onto the same device row and the shadow vanishes under the
    // light.
    const qreal dpr = p.device() != nullptr ? p.device()->devicePixelRatioF() : widget.devicePixelRatioF();
    const int left = 0;
    const int top = static_cast<int>(std::lround(fm.height() / 2.0 * dpr));
    const int right = static_cast<int>(std::floor(widget.width() * dpr)) - 2;
    const int bottom = static_cast<int>(std::floor(widget.height() * dpr)) - 2;
    const int gap_from = static_cast<int>(std::floor(indent * dpr));
    const int gap_to = static_cast<int>(std::ceil((indent + title_width) * dpr));

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(1.0 / dpr, 1.0 / dpr);
    const auto etch = [&](int d, const QColor& color) {
        p.setPen(QPen(color, 0));
        const int l = left + d, t = top + d, r = right + d, b = bottom + d;
        if (title_width > 0) {
            // No patch behind the title: a filled patch shows wherever the
            // page beneath is not exactly the window colour (tab panes, dark
            // themes). The top line leaves a gap instead.
            p.drawLine(l, t, gap_from, t);
            p.drawLine(gap_to, t, r, t);
        } else {
            p.drawLine(l, t, r, t);
        }
        p.drawLine(l, t, l, b);
        p.drawLine(l, b, r, b);
        p.drawLine(r, t, r, b);
    };
    etch(0, pal.color(QPalette::Mid));
    etch(1, pal.color(QPalette::Light));
    p.restore();

    if (title.isEmpty())
        return;
    p.setPen(pal.color(widget.isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRect text(indent, 0, title_width, fm.height());
    p.drawText(text.adjusted(indent / 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
}

} // namespace tqr::fw
