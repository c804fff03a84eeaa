// The scripted user on the Qt backend, through the Qt driver.

#include "tests/dialog/Driver.h"
#include "tests/dialog/User.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace dialogtest {
namespace {

Text ToText(const QString& text) {
    return Text(reinterpret_cast<const char16_t*>(text.utf16()),
                static_cast<std::size_t>(text.size()));
}

QString ToQString(const Text& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

BoxIcon IconOf(QMessageBox::Icon icon) {
    switch (icon) {
    case QMessageBox::NoIcon:
        return BoxIcon::None;
    case QMessageBox::Critical:
        return BoxIcon::Stop;
    case QMessageBox::Information:
        return BoxIcon::Information;
    default:
        return BoxIcon::Other;
    }
}

QWidget* Control(QWidget* dialog, int id) {
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (widget->property("fwControlId").toInt() == id) {
            return widget;
        }
    }
    return nullptr;
}

} // namespace

struct User::Impl {
    explicit Impl(std::chrono::milliseconds timeout) : driver(timeout) {}
    Driver driver;
};

User::User(std::chrono::milliseconds timeout) : m_impl(std::make_unique<Impl>(timeout)) {}

User::~User() = default;

User& User::OnDialog(const Text& title, Action action) {
    m_impl->driver.OnDialog(ToQString(title), std::move(action));
    return *this;
}

User& User::AnswerMessageBox(SeenMessage* seen) {
    m_impl->driver.When(
        "message box", [] { return FindMessageBox(); },
        [seen](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            seen->text = ToText(box->text());
            seen->caption = ToText(box->windowTitle());
            seen->icon = IconOf(box->icon());
            const QCursor* cursor = QGuiApplication::overrideCursor();
            seen->arrowCursor = cursor != nullptr && cursor->shape() == Qt::ArrowCursor;
            box->button(QMessageBox::Ok)->click();
        });
    return *this;
}

void User::Start() {
    m_impl->driver.Start();
}

void User::ExpectAllDone() const {
    m_impl->driver.ExpectAllDone();
}

Text ListText(Window dialog, int id) {
    return ToText(Combo(dialog, id)->currentText());
}

void SelectListIndex(Window dialog, int id, int index) {
    Combo(dialog, id)->setCurrentIndex(index);
}

void Click(Window dialog, int id) {
    Button(dialog, id)->click();
}

bool IsEnabled(Window dialog, int id) {
    return Control(dialog, id)->isEnabled();
}

Text ControlText(Window dialog, int id) {
    return ToText(Button(dialog, id)->text());
}

bool HasFocus(Window dialog, int id) {
    return dialog->focusWidget() == Control(dialog, id);
}

bool HasWindowIcon(Window dialog) {
    return !dialog->windowIcon().isNull();
}

bool ShowsIcon(Window dialog) {
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (!label->pixmap().isNull()) {
            return true;
        }
    }
    return false;
}

bool ShowsText(Window dialog, const Text& text) {
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        if (label->text() == ToQString(text)) {
            return true;
        }
    }
    return false;
}

void PressEscape(Window dialog) {
    QTest::keyClick(dialog, Qt::Key_Escape);
}

bool WaitCursorShowing() {
    return QGuiApplication::overrideCursor() != nullptr;
}

// Qt's windows have no tracking loop of their own for the Move command.
void QueueEndOfMove() {}

void CloseDialog(Window dialog) {
    dialog->close();
}

} // namespace dialogtest
