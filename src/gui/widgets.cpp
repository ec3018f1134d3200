#include "gui/widgets.h"

#include <QPainter>
#include <QPen>

namespace gui {

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
    // A line is drawn over whatever lies beneath it and never takes a click.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::set_line(QPoint from, QPoint to, QColor color) {
    if (from == from_ && to == to_ && color == color_) return;
    from_ = from;
    to_ = to;
    color_ = color;
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(color_, 1));
    p.drawLine(from_, to_);
}

}  // namespace gui
