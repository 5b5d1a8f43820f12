// What the dialog tests use to find and press controls.
#pragma once

#include <QAbstractButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace qv::test {

// The child control named `name`; the test fails when there is none.
template <typename T>
T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// A click near the left end, on the indicator of a check box or radio button (a click beyond
// its label would not count), or inside a push button.
inline void click(QAbstractButton* button) {
    const int middle = button->height() / 2;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(middle, middle));
}

}  // namespace qv::test
