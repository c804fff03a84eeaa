#pragma once

// Scripted user steps for dialogs that run their own modal event loops. The test queues steps,
// starts the driver and then calls the blocking operation (DoModal, a start-up); the steps run from
// timers inside whichever modal loop is current, each as soon as the window it waits for shows.
// A step that waits longer than the time-out fails the test, and the driver then closes every
// window it finds so that the blocking call returns: a test never hangs.

#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QMenu;
class QPushButton;
class QWidget;

namespace dialogtest {

// Finders over the program's windows.
QWidget* FindDialog(const QString& title); // visible and taking input
QMessageBox* FindMessageBox();
QMenu* FindPopupMenu();
QComboBox* Combo(QWidget* dialog, int id);
QPushButton* Button(QWidget* dialog, int id);

class Driver {
public:
    using Probe = std::function<QWidget*()>;
    using Action = std::function<void(QWidget*)>;

    explicit Driver(std::chrono::milliseconds timeout = std::chrono::seconds(10));
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Runs `action` on the widget that `probe` finds, once it finds one.
    Driver& When(std::string description, Probe probe, Action action);
    // Acts on the dialog with that title once it is the window taking input.
    Driver& OnDialog(const QString& title, Action action);

    void Start();
    // After the blocking call: fails the test unless every step ran.
    void ExpectAllDone() const;
    [[nodiscard]] bool Failed() const { return m_failed; }

private:
    struct Step {
        std::string description;
        Probe probe;
        Action action;
    };
    void Tick();
    void CloseEverything();

    std::chrono::milliseconds m_timeout;
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    std::chrono::steady_clock::time_point m_stepSince;
    bool m_failed = false;
    QTimer m_timer; // single-shot, restarted by every tick
};

} // namespace dialogtest
