#pragma once

#include "framework/WinApp.h"

// The application: starts the main dialog as the main window and ends the program when it closes.
// There is one object, theApp; the framework's start-up runs it.
class CTolvaneApp : public CWinApp {
public:
    CTolvaneApp() noexcept;
    ~CTolvaneApp() override;

    // Runs the main dialog to its end and returns FALSE, so that the program ends with it.
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CTolvaneApp theApp;
