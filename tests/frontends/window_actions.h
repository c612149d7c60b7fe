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

}  // namespace zkqt
