#pragma once

// What the framework's opaque handles are under Qt. Owned by the Qt backend; the framework only
// passes pointers to them around.

#include "framework/Backend.h"

#include <QEventLoop>
#include <QIcon>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QPainter;

struct HICON__ {
    QIcon icon;
};

// A menu: items kept as data and turned into a QMenu when it opens.
struct HMENU__ {
    struct Item {
        UINT flags = 0;
        UINT_PTR id = 0;
        QString text;
    };
    std::vector<Item> items;
};

// A device context: a painter, valid only while the window paints.
struct HDC__ {
    QPainter* painter = nullptr;
};

// A dialog or one of its controls.
struct HWND__ {
    QPointer<QWidget> widget;
    int id = 0;                                    // control id; 0 for a dialog
    fw::WindowSink* sink = nullptr;                // dialogs only
    HWND__* dialog = nullptr;                      // for controls, their dialog
    std::vector<std::unique_ptr<HWND__>> controls; // template order
    HMENU__ systemMenu;
    QEventLoop* modalLoop = nullptr; // while RunModalLoop runs
    QWidget* pendingFocus = nullptr; // focused once the dialog shows
    HDC__ paintDc;
};
