#include "finestre.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "qt_app.h"

namespace gui_test {

void clic(QWidget* widget, const QPoint& at) {
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, at));
}

void clic(QWidget* widget) { clic(widget, widget->rect().center()); }

void doppio_clic(QWidget* widget) {
    QWidget* window = widget->window();
    QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                       widget->mapTo(window, widget->rect().center()));
}

Finestre::Finestre() {
    qt_app();
    banco_ = std::make_unique<ga::test::Banco>();
    desktop_ = std::make_unique<gui::Desktop>(banco_->app());
}

Finestre::~Finestre() {
    desktop_.reset();
    banco_.reset();
}

QWidget* Finestre::finestra(const char* form) {
    plat::Form* f = app().form(form);
    return f ? desktop_->window(*f) : nullptr;
}

bool Finestre::fotografa(const char* form) {
    QTest::qWait(50);
    QWidget* w = finestra(form);
    if (!w || !w->isVisible()) return false;
    const QImage picture = w->grab().toImage();
    if (picture.isNull() || picture.width() < 50) return false;
    QDir().mkpath(QStringLiteral("screenshots"));
    return picture.save(QStringLiteral("screenshots/%1.png").arg(QString::fromUtf8(form)));
}

}  // namespace gui_test
