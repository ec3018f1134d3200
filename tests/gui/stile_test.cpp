// The program's style paints long controls in bands: the picture must stay
// Fusion's, and no band may be long enough for Qt to split its fills over
// threads.
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QImage>
#include <QListView>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyleFactory>

#include "gui/stile.h"
#include "qt_app.h"

namespace {

using gui::ProgramStyle;

// Fusion, noting how long a device each long scroll bar or primitive is
// painted on, along its long side.
struct Noting : QProxyStyle {
    Noting() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    mutable std::vector<int> lengths;
    void note(const QStyleOption* o, QPainter* p, bool wide_too) const {
        if (o->rect.height() > ProgramStyle::kLong) lengths.push_back(p->device()->height());
        else if (wide_too && o->rect.width() > ProgramStyle::kLong)
            lengths.push_back(p->device()->width());
    }
    void drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p,
                       const QWidget* w) const override {
        note(o, p, false);
        QProxyStyle::drawPrimitive(e, o, p, w);
    }
    void drawComplexControl(ComplexControl c, const QStyleOptionComplex* o, QPainter* p,
                            const QWidget* w) const override {
        if (c == CC_ScrollBar) note(o, p, true);
        QProxyStyle::drawComplexControl(c, o, p, w);
    }
};

QImage painted(QWidget& w, QStyle* style) {
    w.setStyle(style);
    for (QWidget* child : w.findChildren<QWidget*>()) child->setStyle(style);
    QImage image(w.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}

struct Caso {
    std::string nome;
    std::function<QWidget*()> crea;
};

class StileABande : public ::testing::TestWithParam<Caso> {};

TEST_P(StileABande, PaintsAsFusionInBandsShortEnoughForOneThread) {
    gui_test::qt_app();
    const std::unique_ptr<QWidget> w(GetParam().crea());
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    auto* noting = new Noting;
    ProgramStyle program(noting);
    const QImage expected = painted(*w, fusion.get());
    const QImage got = painted(*w, &program);
    w->setStyle(nullptr);

    // A line cut where a band's picture ends may end a pixel apart, a shade
    // off, where two lines meet; nothing more.
    ASSERT_EQ(got.size(), expected.size());
    int pixels = 0, worst = 0;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            if (const QRgb a = got.pixel(x, y), b = expected.pixel(x, y); a != b) {
                ++pixels;
                for (int shift : {0, 8, 16, 24})
                    worst =
                        std::max(worst, std::abs(int(a >> shift & 0xff) - int(b >> shift & 0xff)));
            }
    EXPECT_LE(pixels, 4);
    EXPECT_LE(worst, 0x20);
    ASSERT_FALSE(noting->lengths.empty()) << "nothing long was painted";
    for (int length : noting->lengths)
        EXPECT_LE(length, ProgramStyle::kBand + 2 * ProgramStyle::kOverlap);
}

QWidget* barra(Qt::Orientation o, int w, int h) {
    auto* b = new QScrollBar(o);
    b->setRange(0, 10000);
    b->setValue(2500);
    b->resize(w, h);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Controlli, StileABande,
    ::testing::Values(Caso{"BarraVerticale", [] { return barra(Qt::Vertical, 14, 318); }},
                      Caso{"BarraOrizzontale", [] { return barra(Qt::Horizontal, 782, 14); }},
                      Caso{"Riquadro",
                           [] {
                               auto* g = new QGroupBox(QStringLiteral("PER PERIODI"));
                               g->resize(540, 312);
                               return static_cast<QWidget*>(g);
                           }},
                      Caso{"Lista",
                           [] {
                               auto* l = new QListView;
                               QStringList righe;
                               for (int i = 0; i < 500; ++i) righe << QString::number(i);
                               l->setModel(new QStringListModel(righe, l));
                               l->resize(300, 318);
                               return static_cast<QWidget*>(l);
                           }}),
    [](const auto& info) { return info.param.nome; });

}  // namespace
