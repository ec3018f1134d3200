#include "finestre.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "platform/control.h"
#include "platform/form.h"
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

bool Finestre::fotografa(const char* form, const char* nome, const char* folder) {
    QTest::qWait(50);
    QWidget* w = finestra(form);
    if (!w || !w->isVisible()) return false;
    std::string fuori;
    for (const std::string& riga : non_sta(form)) fuori += riga + "\n";
    if (!fuori.empty()) ADD_FAILURE() << "does not fit:\n" << fuori;
    // The whole form, also where the window scrolls it on a small screen.
    const auto* area = qobject_cast<const QScrollArea*>(w);
    QWidget* pagina = area && area->widget() ? area->widget() : w;
    const QImage picture = pagina->grab().toImage();
    if (picture.isNull() || picture.width() < 50) return false;
    const QString dir = QString::fromUtf8(folder);
    QDir().mkpath(dir);
    return picture.save(
        QStringLiteral("%1/%2.png").arg(dir, QString::fromUtf8(nome ? nome : form)));
}

std::vector<std::string> Finestre::non_sta(const char* form_name) {
    plat::Form& form = *app().form(form_name);
    const gui::Desktop& desktop = *desktop_;
    std::vector<std::string> fuori;
    const QWidget* window = desktop.window(form);
    if (!window) return {form.name() + ": no window"};
    // The form's page, in its window that scrolls it when it is too large.
    const auto* area = qobject_cast<const QScrollArea*>(window);
    const QWidget* pagina = area && area->widget() ? area->widget() : window;
    for (plat::Control* c : form.controls()) {
        const QWidget* w = desktop.widget(*c);
        if (!w || !w->isVisibleTo(window) || c->kind() == plat::Kind::Line) continue;
        std::string nome = form.name() + "." + c->name();
        if (c->index() >= 0) nome += "(" + std::to_string(c->index()) + ")";
        const QWidget* parent = w->parentWidget();
        if (!QRect(QPoint(0, 0), parent->size()).contains(w->geometry()))
            fuori.push_back(nome + ": outside its " + (parent == pagina ? "window" : "frame"));
        const auto* label = qobject_cast<const QLabel*>(w);
        if (c->kind() != plat::Kind::Label || !label || label->text().isEmpty()) continue;
        const QFontMetrics fm(label->font());
        const QRect room = label->contentsRect();
        QRect needed;
        if (label->wordWrap())
            needed =
                fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, label->text());
        else
            needed = QRect(0, 0, fm.horizontalAdvance(label->text()), fm.height());
        if (needed.width() > room.width() || needed.height() > room.height())
            fuori.push_back(nome + ": \"" + label->text().toStdString() + "\" needs " +
                            std::to_string(needed.width()) + "x" + std::to_string(needed.height()) +
                            ", has " + std::to_string(room.width()) + "x" +
                            std::to_string(room.height()));
    }
    return fuori;
}

}  // namespace gui_test
