// Driving the real window without a person: answering its message boxes,
// pressing squares, and grabbing the picture. The screenshot tool and the
// window tests use it.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

class QImage;

namespace zkqt {

class MainWindow;

// Answers every modal message box that opens: Yes/No boxes from the queue of
// answers (Yes when it is empty), OK boxes with OK. Keeps "title|text" of each.
class BoxAnswerer : public QObject {
    Q_OBJECT
public:
    explicit BoxAnswerer(QObject* parent = nullptr);
    QStringList answers;  // "yes" or "no", used in order
    QStringList seen;
    // When set, the whole screen is saved here as the next box opens, box
    // and window together, before it is answered.
    QString boxShot;

private:
    void poll();
    QTimer timer_;
};

// Press the centre of square (x, y) of the board through the window's view,
// as a mouse would at the view's current pixel scale.
void pressSquare(MainWindow& w, int x, int y);

// Click row n of 棋譜一覧 (0: the start) as a mouse would.
void clickMoveListRow(MainWindow& w, int n);

// The window's client picture (menu bar included).
QImage grabWindow(MainWindow& w);

}  // namespace zkqt
