#include "tests/dialog/Driver.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

namespace dialogtest {
namespace {
constexpr int kTickMs = 5;
} // namespace

QWidget* FindDialog(const QString& title) {
    QWidget* active = QApplication::activeModalWidget();
    if (active != nullptr && active->isVisible() && active->property("fwDialog").toBool() &&
        active->windowTitle() == title && QApplication::activePopupWidget() == nullptr) {
        return active;
    }
    return nullptr;
}

QMessageBox* FindMessageBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    return box != nullptr && box->isVisible() ? box : nullptr;
}

QMenu* FindPopupMenu() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return menu != nullptr && menu->isVisible() ? menu : nullptr;
}

namespace {
template <typename T>
T* Control(QWidget* dialog, int id) {
    for (T* widget : dialog->findChildren<T*>()) {
        if (widget->property("fwControlId").toInt() == id) {
            return widget;
        }
    }
    return nullptr;
}
} // namespace

QComboBox* Combo(QWidget* dialog, int id) {
    return Control<QComboBox>(dialog, id);
}
QPushButton* Button(QWidget* dialog, int id) {
    return Control<QPushButton>(dialog, id);
}

Driver::Driver(std::chrono::milliseconds timeout) : m_timeout(timeout) {
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
}

Driver::~Driver() = default;

Driver& Driver::When(std::string description, Probe probe, Action action) {
    m_steps.push_back({std::move(description), std::move(probe), std::move(action)});
    return *this;
}

Driver& Driver::OnDialog(const QString& title, Action action) {
    return When(
        "dialog \"" + title.toStdString() + "\"", [title] { return FindDialog(title); },
        std::move(action));
}

void Driver::Start() {
    m_stepSince = std::chrono::steady_clock::now();
    m_timer.start(kTickMs);
}

// Each tick schedules the next one before acting: an action may enter a nested modal loop, and
// the following steps must run inside it (a restarted timer fires there; a running one would not).
void Driver::Tick() {
    m_timer.start(kTickMs);
    if (m_failed) {
        CloseEverything();
        return;
    }
    if (m_next >= m_steps.size()) {
        return;
    }
    const Step& step = m_steps[m_next];
    if (QWidget* widget = step.probe()) {
        ++m_next;
        m_stepSince = std::chrono::steady_clock::now();
        step.action(widget);
        return;
    }
    if (std::chrono::steady_clock::now() - m_stepSince > m_timeout) {
        ADD_FAILURE() << "timed out waiting for step " << m_next + 1 << ": " << step.description;
        m_failed = true;
        CloseEverything();
    }
}

void Driver::CloseEverything() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return;
    }
    if (QMessageBox* box = FindMessageBox()) {
        box->done(QMessageBox::Ok);
        return;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
    }
}

void Driver::ExpectAllDone() const {
    EXPECT_EQ(m_next, m_steps.size()) << "steps left undone";
}

} // namespace dialogtest
