#pragma once

// The Qt platform for as long as the object lives: the QApplication and the backend, installed as
// the framework's current backend. The program's entry creates one; tests that drive dialogs
// create one for the test run.

#include "framework/qt/QtBackend.h"

#include <QApplication>

namespace fw::qt {

class Platform {
public:
    Platform(int& argc, char** argv);
    ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

private:
    QApplication m_application;
    QtBackend m_backend;
};

} // namespace fw::qt
