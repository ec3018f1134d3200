// The program's style paints tall controls in bands: the picture must be
// Fusion's to the pixel, and no band may be long enough for Qt to split
// its fills over threads.
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <utility>
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

// Fusion, noting what a long scroll bar or primitive is painted on.
class Noting : public QProxyStyle {
public:
    Noting() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    // How long the painted-on device is along the control's long side.
    mutable std::vector<int> lengths;
    void drawPrimitive(PrimitiveElement pe, const QStyleOption* opt, QPainter* p,
                       const QWidget* w) const override {
        note(opt, p, false);
        QProxyStyle::drawPrimitive(pe, opt, p, w);
    }
    void drawComplexControl(ComplexControl cc, const QStyleOptionComplex* opt, QPainter* p,
                            const QWidget* w) const override {
        if (cc == CC_ScrollBar) note(opt, p, true);
        QProxyStyle::drawComplexControl(cc, opt, p, w);
    }

private:
    void note(const QStyleOption* opt, QPainter* p, bool wide_too) const {
        const int k = gui::ProgramStyle::kLong;
        if (opt->rect.height() > k)
            lengths.push_back(p->device()->height());
        else if (wide_too && opt->rect.width() > k)
            lengths.push_back(p->device()->width());
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

// Pixels that differ, and by how much at most in a channel.
std::pair<int, int> differences(const QImage& a, const QImage& b) {
    int n = 0, worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (p == q) continue;
            ++n;
            for (int shift : {0, 8, 16, 24})
                worst = std::max(worst, std::abs(int((p >> shift) & 0xff) - int((q >> shift) & 0xff)));
        }
    return {n, worst};
}

struct Caso {
    std::string nome;
    std::function<std::unique_ptr<QWidget>()> crea;
};

class StileABande : public ::testing::TestWithParam<Caso> {};

TEST_P(StileABande, PaintsAsFusionInBandsShortEnoughForOneThread) {
    gui_test::qt_app();
    const std::unique_ptr<QWidget> w = GetParam().crea();
    w->ensurePolished();

    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    auto* noting = new Noting;
    gui::ProgramStyle program(noting);
    const QImage expected = painted(*w, fusion.get());
    const QImage got = painted(*w, &program);
    w->setStyle(nullptr);

    // Fusion's picture: a line cut where a band's picture ends may end a
    // pixel apart, a shade lighter or darker, where two lines meet.
    ASSERT_EQ(got.size(), expected.size());
    const auto [pixels, worst] = differences(got, expected);
    EXPECT_LE(pixels, 4) << "pixels not as Fusion paints them";
    EXPECT_LE(worst, 0x20) << "a pixel far from Fusion's";
    ASSERT_FALSE(noting->lengths.empty()) << "nothing long was painted";
    for (int length : noting->lengths)
        EXPECT_LE(length, gui::ProgramStyle::kBand + 2 * gui::ProgramStyle::kOverlap);
}

std::unique_ptr<QWidget> barra(Qt::Orientation o, QSize size) {
    auto b = std::make_unique<QScrollBar>(o);
    b->setRange(0, 10000);
    b->setValue(2500);
    b->resize(size);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Controlli, StileABande,
    ::testing::Values(
        Caso{"BarraVerticale", [] { return barra(Qt::Vertical, {14, 318}); }},
        Caso{"BarraOrizzontale", [] { return barra(Qt::Horizontal, {782, 14}); }},
        Caso{"Riquadro",
             [] {
                 auto g = std::make_unique<QGroupBox>(QStringLiteral("PER PERIODI"));
                 g->resize(540, 312);
                 return std::unique_ptr<QWidget>(std::move(g));
             }},
        Caso{"Lista",
             [] {
                 auto l = std::make_unique<QListView>();
                 QStringList righe;
                 for (int i = 0; i < 500; ++i) righe << QStringLiteral("PRENOTAZIONE %1").arg(i);
                 l->setModel(new QStringListModel(righe, l.get()));
                 l->resize(300, 318);
                 return std::unique_ptr<QWidget>(std::move(l));
             }}),
    [](const auto& info) { return info.param.nome; });

}  // namespace
