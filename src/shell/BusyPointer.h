#pragma once
#include <QCursor>
#include <QGuiApplication>

namespace zep {

// The hourglass for as long as it lives, for code that has no editor host.
struct BusyPointer {
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace zep
