#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace velkora::test {

// The modal window of type W that the program opens next, once it is up;
// nullptr when none is up within `milliseconds`.
template <typename W = QWidget> W *nextModalWindow(int milliseconds = 3000) {
    const auto open = [] { return qobject_cast<W *>(QApplication::activeModalWidget()); };
    return QTest::qWaitFor([&] { return open() != nullptr; }, milliseconds) ? open() : nullptr;
}

} // namespace velkora::test
