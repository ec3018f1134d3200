#include "gui/layout.h"

#include <algorithm>
#include <tuple>

namespace gui {

namespace {

// A control of one container: a piece, or a frame standing for all of its own.
struct Item {
    QRect rect;
    int piece;
    bool focus;  // takes the focus, or a frame holding a control that does
};

int start(const QRect& r, bool rows) { return rows ? r.y() : r.x(); }
int end(const QRect& r, bool rows) { return rows ? r.y() + r.height() : r.x() + r.width(); }

struct Cut {
    bool rows = true;  // across the page: the items above it, then below
    int at = 0;        // where the second part starts
    int gap = -1;
};

// Where the page is cut: across it when a band that no item crosses runs
// across (the widest such band), so that a row of boxes is read whole before
// the next row; down it (the widest band) only where no band runs across, as
// beside a list or frame as tall as several rows. Gap -1 when neither.
Cut widest_cut(const std::vector<Item>& items) {
    Cut best;
    for (bool rows : {true, false}) {
        if (!rows && best.gap >= 0) break;
        std::vector<const Item*> sorted;
        for (const Item& i : items) sorted.push_back(&i);
        std::sort(sorted.begin(), sorted.end(), [rows](const Item* a, const Item* b) {
            return start(a->rect, rows) < start(b->rect, rows);
        });
        int reach = end(sorted.front()->rect, rows);
        for (std::size_t k = 1; k < sorted.size(); ++k) {
            const int s = start(sorted[k]->rect, rows);
            if (s >= reach && s - reach > best.gap) best = {rows, s, s - reach};
            reach = std::max(reach, end(sorted[k]->rect, rows));
        }
    }
    return best;
}

bool overlap(int a0, int a1, int b0, int b1) { return a0 < b1 && b0 < a1; }

// a comes before b on the page: above it in the same column, or before it
// on the same line.
bool before(const QRect& a, const QRect& b) {
    if (a.y() + a.height() <= b.y() && overlap(a.x(), a.x() + a.width(), b.x(), b.x() + b.width()))
        return true;
    const int shared = std::min(a.y() + a.height(), b.y() + b.height()) - std::max(a.y(), b.y());
    return shared * 2 >= std::min(a.height(), b.height()) && a.x() + a.width() <= b.x();
}

// Items lying over each other, which no band separates: each next one is
// the first on the page among those that nothing left to read comes before.
std::vector<const Item*> page_order(const std::vector<Item>& items) {
    std::vector<const Item*> left;
    for (const Item& i : items)
        if (i.focus) left.push_back(&i);
    std::vector<const Item*> out;
    auto first = [](const Item* a, const Item* b) {
        return std::make_tuple(a->rect.y(), a->rect.x(), a->piece) <
               std::make_tuple(b->rect.y(), b->rect.x(), b->piece);
    };
    while (!left.empty()) {
        const Item* next = nullptr;
        for (const Item* c : left) {
            const bool free = std::none_of(left.begin(), left.end(), [c](const Item* o) {
                return o != c && before(o->rect, c->rect);
            });
            if (free && (!next || first(c, next))) next = c;
        }
        if (!next) next = *std::min_element(left.begin(), left.end(), first);
        out.push_back(next);
        left.erase(std::find(left.begin(), left.end(), next));
    }
    return out;
}

// How far right of a box a button may stand and still be the box's own.
constexpr int kBesideGap = 12;

class Orderer {
public:
    explicit Orderer(const std::vector<Piece>& pieces) : pieces_(pieces) {
        children_.resize(pieces.size() + 1);
        attached_.resize(pieces.size());
        taken_.resize(pieces.size(), false);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const int c = pieces[i].container;
            const bool valid =
                c >= 0 && static_cast<std::size_t>(c) < pieces.size() && c != static_cast<int>(i);
            children_[valid ? static_cast<std::size_t>(c) : pieces.size()].push_back(
                static_cast<int>(i));
        }
    }

    std::vector<int> run() {
        container(static_cast<int>(pieces_.size()), 0);
        return out_;
    }

private:
    bool holds_focus(int piece, int depth) {
        if (depth > 16) return false;  // frames inside each other, never a loop
        if (pieces_[static_cast<std::size_t>(piece)].takes_focus) return true;
        for (int c : children_[static_cast<std::size_t>(piece)])
            if (holds_focus(c, depth + 1)) return true;
        return false;
    }

    // A button standing just after a box on the box's line (the OK beside
    // the year it confirms) belongs to that box: Tab goes from the box to it.
    void attach_buttons(const std::vector<int>& kids) {
        for (int b : kids) {
            const Piece& button = pieces_[static_cast<std::size_t>(b)];
            if (!button.button || !button.takes_focus) continue;
            int owner = -1, nearest = kBesideGap + 1;
            for (int p : kids) {
                const Piece& box = pieces_[static_cast<std::size_t>(p)];
                if (box.button || !box.takes_focus) continue;
                const int gap = button.rect.x() - (box.rect.x() + box.rect.width());
                const int shared = std::min(box.rect.y() + box.rect.height(),
                                            button.rect.y() + button.rect.height()) -
                                   std::max(box.rect.y(), button.rect.y());
                if (gap < 0 || gap >= nearest ||
                    shared * 2 < std::min(box.rect.height(), button.rect.height()))
                    continue;
                owner = p;
                nearest = gap;
            }
            if (owner < 0) continue;
            attached_[static_cast<std::size_t>(owner)].push_back(b);
            taken_[static_cast<std::size_t>(b)] = true;
        }
    }

    void container(int index, int depth) {
        if (depth > 16) return;
        attach_buttons(children_[static_cast<std::size_t>(index)]);
        // The boxes, lists, choices and frames; then the buttons. Each read
        // among all the others, which keep the page's bands where they are.
        for (bool buttons : {false, true}) {
            std::vector<Item> items;
            for (int p : children_[static_cast<std::size_t>(index)]) {
                const Piece& piece = pieces_[static_cast<std::size_t>(p)];
                const bool focus = piece.button ? buttons && piece.takes_focus &&
                                                      !taken_[static_cast<std::size_t>(p)]
                                                : !buttons && holds_focus(p, depth);
                items.push_back({piece.rect, p, focus});
            }
            if (buttons) take_confirming(items, depth);
            read(items, depth);
        }
    }

    // The confirming button, first of its container's buttons: Tab goes
    // from the last box to it.
    void take_confirming(std::vector<Item>& items, int depth) {
        for (Item& i : items) {
            if (!i.focus || !pieces_[static_cast<std::size_t>(i.piece)].confirms) continue;
            take(i, depth);
            i.focus = false;
        }
    }

    void read(const std::vector<Item>& items, int depth) {
        if (std::none_of(items.begin(), items.end(), [](const Item& i) { return i.focus; })) return;
        if (items.size() > 1) {
            const Cut cut = widest_cut(items);
            if (cut.gap >= 0) {
                std::vector<Item> first, second;
                for (const Item& i : items)
                    (start(i.rect, cut.rows) >= cut.at ? second : first).push_back(i);
                read(first, depth);
                read(second, depth);
                return;
            }
        }
        for (const Item* i : page_order(items)) take(*i, depth);
    }

    void take(const Item& item, int depth) {
        if (!item.focus) return;
        if (pieces_[static_cast<std::size_t>(item.piece)].takes_focus) {
            out_.push_back(item.piece);
            for (int b : attached_[static_cast<std::size_t>(item.piece)]) out_.push_back(b);
        }
        container(item.piece, depth + 1);
    }

    const std::vector<Piece>& pieces_;
    std::vector<std::vector<int>> children_;  // by container; the last is the window's
    std::vector<std::vector<int>> attached_;  // by box: the buttons that follow it
    std::vector<bool> taken_;                 // a button that follows its box
    std::vector<int> out_;
};

}  // namespace

std::vector<int> tab_order(const std::vector<Piece>& pieces) { return Orderer(pieces).run(); }

QPoint window_position(QSize frame, const QRect& room, std::optional<QPoint> wanted) {
    QPoint p;
    if (wanted) {
        p = *wanted;
    } else {
        QRect r(QPoint(0, 0), frame);
        r.moveCenter(room.center());
        p = r.topLeft();
    }
    const int right = room.x() + std::max(0, room.width() - frame.width());
    const int bottom = room.y() + std::max(0, room.height() - frame.height());
    return {std::clamp(p.x(), room.x(), right), std::clamp(p.y(), room.y(), bottom)};
}

}  // namespace gui
