#include "screenshot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

#include "board_view.h"
#include "main_window.h"
#include "move_list_panel.h"
#include "state.h"

namespace zkqt {

BoxAnswerer::BoxAnswerer(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, &BoxAnswerer::poll);
    timer_.start(20);
}

void BoxAnswerer::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    seen << box->windowTitle() + QLatin1Char('|') + box->text();
    if (!boxShot.isEmpty()) {
        QApplication::processEvents();
        if (QScreen* screen = QApplication::primaryScreen()) {
            const QRect area = box->parentWidget() ? box->parentWidget()->window()->frameGeometry()
                                                   : box->frameGeometry();
            screen->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                .save(boxShot, "PNG");
        }
        boxShot.clear();
    }
    QAbstractButton* choice = nullptr;
    const auto buttons = box->buttons();
    if (buttons.size() >= 2) {
        const bool yes = answers.isEmpty() || answers.takeFirst() != QLatin1String("no");
        for (QAbstractButton* b : buttons)
            if (box->buttonRole(b) == (yes ? QMessageBox::YesRole : QMessageBox::NoRole))
                choice = b;
    } else if (!buttons.isEmpty()) {
        choice = buttons.first();
    }
    if (choice) choice->click();
}

void pressSquare(MainWindow& w, int x, int y) {
    const int tx = zk::Screen::originX + x * zk::Screen::squareWidth + zk::Screen::squareWidth / 2;
    const int ty =
        zk::Screen::originY + y * zk::Screen::squareHeight + zk::Screen::squareHeight / 2;
    BoardView* v = w.view();
    const QPointF pixel(v->offset().x() + tx * v->scale(), v->offset().y() + ty * v->scale());
    QMouseEvent press(QEvent::MouseButtonPress, pixel, v->mapToGlobal(pixel), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(v, &press);
}

void clickMoveListRow(MainWindow& w, int n) {
    QListWidget* list = w.moveList()->list();
    QListWidgetItem* item = list->item(n);
    if (!item) return;
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QWidget* port = list->viewport();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, QPointF(at), port->mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(port, &e);
    }
}

QImage grabWindow(MainWindow& w) { return w.grab().toImage(); }

}  // namespace zkqt
