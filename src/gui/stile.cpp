#include "gui/stile.h"

#include <algorithm>

#include <QApplication>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace gui {

namespace {

// Set while a control is painted in bands: what it paints of its parts
// (a frame's primitive, a scroll bar's arrows) is already in a band.
thread_local bool in_bands = false;

// Paints with `draw(painter)` once, or band by band when the control is
// long and the painter paints pixels (not a printer's page), only moves (a
// band is a rectangle in the device only then) and paints over what is
// there.
//
// A tall control is cut in rows (an area's fill is one span a row); a
// control only wide, such as a horizontal scroll bar, in columns (a line
// drawn in a colour not opaque is one span a pixel). Each band is painted
// on a clear picture of its own, as large as the band, then laid on the
// painter: a style may replace the painter's clip while it paints (Fusion
// does, for a scroll bar's groove), which would reach beyond a band set as
// a clip, while it cannot reach beyond the picture. The pictures reach a
// few pixels beyond the control, for what a style paints just outside it.
template <class Draw>
void paint_in_bands(const QStyleOption* opt, QPainter* p, bool wide_too, Draw draw) {
    const bool tall = opt && opt->rect.height() > ProgramStyle::kLong;
    const bool wide = wide_too && opt && opt->rect.width() > ProgramStyle::kLong;
    if (in_bands || !p || !p->device() || !(tall || wide) || !p->paintEngine() ||
        p->paintEngine()->type() != QPaintEngine::Raster ||
        p->transform().type() > QTransform::TxTranslate ||
        p->compositionMode() != QPainter::CompositionMode_SourceOver) {
        draw(p);
        return;
    }
    in_bands = true;
    constexpr int kMargin = 4;
    const int band = ProgramStyle::kBand, over = ProgramStyle::kOverlap;
    const QRect area = opt->rect.adjusted(-kMargin, -kMargin, kMargin, kMargin);
    const qreal ratio = p->device()->devicePixelRatioF();
    QImage picture(
        (tall ? QSize(area.width(), band + 2 * over) : QSize(band + 2 * over, area.height())) *
            ratio,
        QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    const int first = tall ? area.top() : area.left();
    const int last = tall ? area.bottom() : area.right();
    for (int at = first; at <= last; at += band) {
        const int length = std::min(band, last - at + 1);
        // The band, and the picture's corner: `over` before it.
        const QRect part = tall ? QRect(area.left(), at, area.width(), length)
                                : QRect(at, area.top(), length, area.height());
        const QPoint corner = part.topLeft() - (tall ? QPoint(0, over) : QPoint(over, 0));
        picture.fill(Qt::transparent);
        {
            QPainter q(&picture);
            q.setRenderHints(p->renderHints());
            q.setFont(p->font());
            q.setPen(p->pen());
            q.setBrush(p->brush());
            q.setOpacity(p->opacity());
            q.setLayoutDirection(p->layoutDirection());
            q.translate(-corner);
            q.setBrushOrigin(p->brushOrigin());
            draw(&q);
        }
        p->drawImage(QRectF(part), picture,
                     QRectF(QPointF(part.topLeft() - corner) * ratio, QSizeF(part.size()) * ratio));
    }
    in_bands = false;
}

}  // namespace

ProgramStyle::ProgramStyle() : ProgramStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

ProgramStyle::ProgramStyle(QStyle* base) : QProxyStyle(base) {}

// A primitive draws no text: a tall one (a frame, a group box's border) is
// cut in rows.
void ProgramStyle::drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                                 const QWidget* w) const {
    paint_in_bands(opt, p, false,
                   [&](QPainter* on) { QProxyStyle::drawPrimitive(pe, opt, on, w); });
}

// Of the complex controls only the scroll bar, all lines and gradients, is
// cut, either way; the others lay out their texts at every paint.
void ProgramStyle::drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt,
                                      QPainter* p, const QWidget* w) const {
    if (cc != CC_ScrollBar) return QProxyStyle::drawComplexControl(cc, opt, p, w);
    paint_in_bands(opt, p, true,
                   [&](QPainter* on) { QProxyStyle::drawComplexControl(cc, opt, on, w); });
}

void install_style() { QApplication::setStyle(new ProgramStyle); }

}  // namespace gui
