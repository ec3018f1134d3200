// The program's look: Qt's Fusion style, which draws the colours the forms
// give their buttons and boxes, painted so that a tall control does not
// wake a crowd of threads.
//
// Qt's raster painter splits any fill over more than about a hundred
// scanlines that is not one opaque colour (the gradient, the half-clear
// outline and the lines of a scroll bar, the border picture of a group
// box) into pieces run on its thread pool, and waits for them. A scroll bar
// beside a list of bookings is a column a dozen pixels wide: waking the
// threads costs far more than the pixels, and on a virtual machine the
// wakes were the largest part of painting a window. The style paints such
// a control in bands of a few dozen pixels (rows, or columns for a wide
// scroll bar), each on a small picture of its own laid on the painter, so
// that every fill stays on the painting thread. Each pixel is laid by one
// band only, painted with the same operations as in one go: the picture is
// Fusion's, but for a few pixels where a line crosses a band's edge.
#pragma once

#include <QProxyStyle>

namespace gui {

class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle();
    // Over another style than Fusion (it takes it).
    explicit ProgramStyle(QStyle* base);

    // A primitive taller than kLong pixels, or a scroll bar taller or wider,
    // is painted in bands of kBand pixels. Qt splits a fill from about a
    // hundred spans; a band gives at most a few dozen, even to an outline.
    static constexpr int kLong = 96;
    static constexpr int kBand = 24;
    // Each band's picture reaches this much further both ways, so that a
    // line crossing from one band to the next is cut outside what is shown.
    static constexpr int kOverlap = 8;

    void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                       const QWidget* w = nullptr) const override;
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w = nullptr) const override;
};

// Makes the program's style the application's; call once, after the
// application is made and before any window.
void install_style();

}  // namespace gui
