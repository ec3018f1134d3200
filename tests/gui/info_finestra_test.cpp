// The about box in its window: its picture timer goes round five pictures
// of its own, shipped beside the logo, and the pointer over its link is a
// pointing hand.
#include <vector>

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QTest>
#include <QWindow>

#include "finestre.h"

namespace {

TEST(FinestraInfo, FivePicturesGoRoundAndTheLinkPointsWithAHand) {
    gui_test::Finestre f;
    ga::App& app = f.app();
    f.banco().prepara_dati();
    app.s.percorso_logo = f.banco().cartella_programma() + "ICONA.BMP";
    app.s.primo_accesso_menu = "1";
    app.run([&] { app.form("MENU")->show(); });
    app.click(app.campo("MENU", "Command1"));
    plat::Form& info = *app.form("INFO");
    ASSERT_TRUE(f.finestra("INFO")->isVisible());

    // The pictures as the timer shows them, each change once (the timer
    // quickened for the test).
    app.run([&] { info.control("Timer2")->set_interval(20); });
    const auto* show = static_cast<QLabel*>(f.desktop().widget(*info.control("Image1")));
    std::vector<QImage> seen{show->pixmap().toImage()};
    (void)QTest::qWaitFor(
        [&] {
            const QImage now = show->pixmap().toImage();
            if (now != seen.back()) seen.push_back(now);
            return seen.size() == 6;
        },
        3000);
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[5], seen[0]);
    const QImage logo(QString::fromStdString(app.s.percorso_logo));
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(seen[i].isNull());
        EXPECT_NE(seen[i], logo) << i;
        for (int j = i + 1; j < 5; ++j) EXPECT_NE(seen[i], seen[j]) << i << " " << j;
    }

    QWidget* link = f.desktop().widget(*info.control("Label6"));
    EXPECT_NE(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(link->window()->windowHandle(),
                     link->mapTo(link->window(), link->rect().center()));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(f.fotografa("INFO"));
}

}  // namespace
