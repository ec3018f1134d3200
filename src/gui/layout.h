// Where the keyboard focus goes next, and where a window goes on the
// screen: pure functions of rectangles, so the tests check them without a
// window.
#pragma once

#include <optional>
#include <vector>

#include <QPoint>
#include <QRect>
#include <QSize>

namespace gui {

// One control of a form, as the Tab order sees it.
struct Piece {
    QRect rect;                // pixels, in the container it lies in
    int container = -1;        // index of the frame it lies in; -1 the window
    bool takes_focus = false;  // a box, list, button... (not a label, picture, frame)
    bool button = false;       // a command button
    bool confirms = false;     // the confirming button: first of the buttons
};

// The pieces that take the focus, in the order Tab goes through them: the
// page read as a person reads it, top to bottom and left to right, a
// frame's controls together where the frame stands, and the command buttons
// of the form (or of a frame) after the boxes, lists and choices there, so
// that the boxes are filled in before SALVA or USCITA is reached; a button
// just right of a box on its row (the OK of the year it confirms) follows
// that box; the confirming button (SALVA) comes first of the buttons, right
// after the last box. A page is cut across along the widest band that no control
// crosses (rows, read top first), so that a row is read whole before the
// next; only where no band runs across is it cut down (columns, read left
// first, as beside a list as tall as several rows), and each part again.
// Labels and pictures take no focus but keep a caption with its box.
// Controls lying over each other are read in the order of the page as well
// as they allow.
std::vector<int> tab_order(const std::vector<Piece>& pieces);

// Where a window's frame goes in the room the screen leaves to windows:
// at the position the form asks for (its top-left corner, when it asks
// for one) or centred, and always moved inside the room; a window larger
// than the room has its top-left corner in the room's.
QPoint window_position(QSize frame, const QRect& room, std::optional<QPoint> wanted);

}  // namespace gui
