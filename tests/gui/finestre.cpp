#include "finestre.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include "qt_app.h"

namespace gui_test {

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

bool Finestre::fotografa(const char* form, const char* nome) {
    QTest::qWait(50);
    QWidget* w = finestra(form);
    if (!w || !w->isVisible()) return false;
    const QImage picture = w->grab().toImage();
    if (picture.isNull() || picture.width() < 50) return false;
    QDir().mkpath(QStringLiteral("screenshots"));
    return picture.save(QStringLiteral("screenshots/%1.png").arg(QString::fromUtf8(nome ? nome : form)));
}

}  // namespace gui_test
