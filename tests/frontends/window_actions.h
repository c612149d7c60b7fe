// Menu commands of the real window, as a click on the entry gives them.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>

#include "main_window.h"

namespace zkqt {

// Triggers the menu entry with this control name and lets its handler run.
inline void trigger(MainWindow& w, const char* control) {
    QAction* a = w.action(QString::fromLatin1(control));
    ASSERT_NE(a, nullptr) << control;
    a->trigger();
    QApplication::processEvents();
}

// A game of 34 moves against the LEVEL3 computer, which the human loses, as
// SFEN/USIを読込 reads it.
inline const char* const kRecordedGame =
    "position sfen "
    "+l+f+c+s+g+ek+g+s+c+f+l/+a1+b1+t+x+o+t1+b1+a/+m+v+r+h+dqn+d+h+r+v+m/+p+p+p+p+p+p+p+p+p+p+p+p/"
    "3+i4+i3/12/12/3+I4+I3/+P+P+P+P+P+P+P+P+P+P+P+P/+M+V+R+H+DNQ+D+H+R+V+M/+A1+B1+T+O+X+T1+B1+A/"
    "+L+F+C+S+GK+E+G+S+C+F+L b - 1 moves 7k9k 12d12e 3i3h 12e12f 7i6h 7d8e 6h5h 12f12g 8j7i 8d7e "
    "4j4k 11d12e 9h9g 12e12f 10j11k 12f11g 12i12h 12g12h 6l7k 12h11i+ 7i8j 11i11j 8i8h 11j11k "
    "7j8i 11k11l 10i11h 11g11h 9k11k 7e6f 3h3i 11c11f 8i6g 6f6g\n";

}  // namespace zkqt
