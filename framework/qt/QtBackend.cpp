#include "framework/qt/QtBackend.h"

#include "framework/qt/DialogFont.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/ListCombo.h"
#include "framework/resources/Language.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cstring>
#include <map>

namespace fw::qt {
namespace {

// Window class ordinals of dialog template controls.
constexpr std::uint16_t kClassButton = 0x80;
constexpr std::uint16_t kClassStatic = 0x82;
constexpr std::uint16_t kClassComboBox = 0x85;

constexpr int kIconSize = 32; // SM_CXICON / SM_CYICON

// A Windows control text: "&x" marks an access key, "&&" is a literal ampersand. Qt buttons read it
// the same way; labels get the plain text.
QString WithoutPrefixes(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
        }
        plain.append(text[i]);
    }
    return plain;
}

QImage ToImage(const res::IconImage& image) {
    QImage result(image.width, image.height, QImage::Format_ARGB32);
    for (int row = 0; row < image.height; ++row) {
        std::memcpy(result.scanLine(row),
                    image.argb.data() +
                        static_cast<std::size_t>(row) * static_cast<std::size_t>(image.width),
                    static_cast<std::size_t>(image.width) * sizeof(std::uint32_t));
    }
    return result;
}

// The system menu's own item, in the user's language as the desktop would show it.
QString CloseItemText() {
    switch (res::UserInterfaceLanguage()) {
    case res::kLangGerman:
        return QStringLiteral("&Schließen");
    case res::kLangJapanese:
        return QStringLiteral("閉じる(&C)");
    default:
        return QStringLiteral("&Close");
    }
}

QIcon LoadTemplateIcon(std::uint16_t id) {
    QIcon icon;
    for (const res::IconImage& image :
         res::ModuleResources().LoadIcon(id, res::UserInterfaceLanguage())) {
        icon.addPixmap(QPixmap::fromImage(ToImage(image)));
    }
    return icon;
}

} // namespace

QtBackend::~QtBackend() {
    while (!m_dialogs.empty()) {
        DestroyWindow(m_dialogs.back().get());
    }
}

HWND QtBackend::CreateDialogWindow(const res::DialogTemplate& dialog, HWND owner,
                                   WindowSink& sink) {
    int defaultButton = IDOK;
    for (const res::DialogItem& item : dialog.items) {
        if (item.windowClass.IsOrdinal() && item.windowClass.ordinal == kClassButton &&
            (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            defaultButton = static_cast<int>(item.id);
        }
    }

    auto handle = std::make_unique<HWND__>();
    handle->sink = &sink;
    QWidget* ownerWidget = owner != nullptr ? owner->widget.data() : nullptr;
    auto* window = new DialogWindow(handle.get(), ownerWidget, defaultButton);
    handle->widget = window;

    const QFont font = DialogFont(dialog);
    const DialogUnits units(font);
    window->setFont(font);
    window->setWindowTitle(QString::fromStdU16String(dialog.title));
    window->setFixedSize(units.X(dialog.cx), units.Y(dialog.cy));
    window->setProperty("fwDialog", true);
    // Modal from the start: Qt takes a change of modality only while the window is hidden.
    window->setWindowModality(Qt::ApplicationModal);

    handle->systemMenu.items.push_back({MF_STRING, SC_CLOSE, CloseItemText()});
    for (const res::DialogItem& item : dialog.items) {
        AddControl(handle.get(), item, font, units);
    }
    QWidget* previous = nullptr;
    for (const auto& control : handle->controls) {
        QWidget* widget = control->widget.data();
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }

    m_dialogs.push_back(std::move(handle));
    return m_dialogs.back().get();
}

void QtBackend::AddControl(HWND dialog, const res::DialogItem& item, const QFont& font,
                           const DialogUnits& units) {
    QWidget* parent = dialog->widget.data();
    const QString text =
        item.title.IsOrdinal() ? QString() : QString::fromStdU16String(item.title.name);
    const QRect rect = units.Rect(item.x, item.y, item.cx, item.cy);
    const bool tabStop = (item.style & WS_TABSTOP) != 0;
    const std::uint16_t kind = item.windowClass.IsOrdinal() ? item.windowClass.ordinal : 0;

    QWidget* widget = nullptr;
    if (kind == kClassButton) {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        button->setGeometry(rect);
        const int id = static_cast<int>(item.id);
        QObject::connect(button, &QPushButton::clicked, button, [dialog, id] {
            dialog->sink->WindowProc(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED), 0);
        });
        widget = button;
    } else if (kind == kClassComboBox) {
        const Qt::Alignment alignment =
            (item.exStyle & WS_EX_RIGHT) != 0 ? Qt::AlignRight : Qt::AlignLeft;
        auto* combo = new ListCombo(parent, alignment);
        combo->setFont(font);
        // The template's height is that of the dropped-down list; the closed box takes the
        // height its font needs.
        combo->setGeometry(rect.x(), rect.y(), rect.width(), combo->sizeHint().height());
        widget = combo;
    } else if (kind == kClassStatic && (item.style & SS_TYPEMASK) == SS_ICON) {
        auto* label = new QLabel(parent);
        const QIcon icon = LoadTemplateIcon(item.title.IsOrdinal() ? item.title.ordinal : 0);
        label->setPixmap(icon.pixmap(kIconSize, kIconSize));
        // An icon control takes the size of the icon, whatever the template says.
        label->setGeometry(rect.x(), rect.y(), kIconSize, kIconSize);
        widget = label;
    } else {
        auto* label =
            new QLabel((item.style & SS_NOPREFIX) != 0 ? text : WithoutPrefixes(text), parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        label->setGeometry(rect);
        widget = label;
    }

    if (kind == kClassButton || kind == kClassComboBox) {
        widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    } else {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    widget->setEnabled((item.style & WS_DISABLED) == 0);
    widget->setVisible((item.style & WS_VISIBLE) != 0);
    widget->setProperty("fwControlId", static_cast<int>(item.id));

    auto control = std::make_unique<HWND__>();
    control->widget = widget;
    control->id = static_cast<int>(item.id);
    control->dialog = dialog;
    dialog->controls.push_back(std::move(control));
}

void QtBackend::DestroyWindow(HWND window) {
    if (window == nullptr) {
        return;
    }
    const auto found =
        std::find_if(m_dialogs.begin(), m_dialogs.end(),
                     [window](const auto& dialog) { return dialog.get() == window; });
    if (found == m_dialogs.end()) {
        return;
    }
    if (auto* dialog = dynamic_cast<DialogWindow*>(window->widget.data())) {
        dialog->AllowClose();
        dialog->hide();
        delete dialog;
    }
    m_dialogs.erase(found);
}

void QtBackend::ShowWindow(HWND window) {
    QWidget* widget = window->widget.data();
    // Centred over the owner, or on the screen when there is none.
    const QWidget* owner = widget->parentWidget();
    const QRect area =
        owner != nullptr ? owner->frameGeometry() : widget->screen()->availableGeometry();
    QRect frame(QPoint(0, 0), widget->size());
    frame.moveCenter(area.center());
    widget->move(frame.topLeft());
    widget->show();
    widget->raise();
    widget->activateWindow();
    if (window->pendingFocus != nullptr) {
        window->pendingFocus->setFocus(Qt::TabFocusReason);
        window->pendingFocus = nullptr;
    }
}

void QtBackend::RunModalLoop(HWND window) {
    QWidget* widget = window->widget.data();
    if (widget->isHidden()) {
        widget->show();
    }
    QEventLoop loop;
    window->modalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    window->modalLoop = nullptr;
}

void QtBackend::EndModalLoop(HWND window) {
    if (window == nullptr) {
        return;
    }
    if (window->widget != nullptr) {
        window->widget->hide();
    }
    if (window->modalLoop != nullptr) {
        window->modalLoop->quit();
    }
}

void QtBackend::FocusFirstControl(HWND dialog) {
    for (const auto& control : dialog->controls) {
        QWidget* widget = control->widget.data();
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && !widget->isHidden()) {
            dialog->pendingFocus = widget;
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

LRESULT QtBackend::SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window == nullptr) {
        return 0;
    }
    if (window->sink != nullptr) {
        return window->sink->WindowProc(message, wParam, lParam);
    }
    return DefWindowProc(window, message, wParam, lParam);
}

// The default window and dialog procedure for the messages this framework sends.
LRESULT QtBackend::DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    if (window == nullptr) {
        return 0;
    }
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0U) == SC_CLOSE) {
            return SendMessage(window, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_CLOSE:
        // A dialog closes as if its Cancel button had been pressed.
        if (window->sink != nullptr) {
            return SendMessage(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
        return 0;
    default:
        return 0;
    }
}

HWND QtBackend::GetDlgItem(HWND dialog, int id) {
    if (dialog == nullptr) {
        return nullptr;
    }
    for (const auto& control : dialog->controls) {
        if (control->id == id) {
            return control.get();
        }
    }
    return nullptr;
}

BOOL QtBackend::EnableWindow(HWND window, BOOL enable) {
    if (window == nullptr || window->widget == nullptr) {
        return FALSE;
    }
    const bool wasDisabled = !window->widget->isEnabled();
    window->widget->setEnabled(enable != FALSE);
    return wasDisabled ? TRUE : FALSE;
}

BOOL QtBackend::IsWindowEnabled(HWND window) {
    return window != nullptr && window->widget != nullptr && window->widget->isEnabled() ? TRUE
                                                                                         : FALSE;
}

BOOL QtBackend::IsIconic(HWND window) {
    return window != nullptr && window->widget != nullptr && window->widget->isMinimized() ? TRUE
                                                                                           : FALSE;
}

CRect QtBackend::GetClientRect(HWND window) {
    if (window == nullptr || window->widget == nullptr) {
        return {};
    }
    return {0, 0, window->widget->width(), window->widget->height()};
}

int QtBackend::ComboAddString(HWND combo, std::u16string_view text) {
    auto* box = combo != nullptr ? qobject_cast<QComboBox*>(combo->widget.data()) : nullptr;
    if (box == nullptr) {
        return CB_ERR;
    }
    box->addItem(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
    // A Windows list starts with nothing selected; Qt selects the first entry added.
    if (box->count() == 1) {
        box->setCurrentIndex(-1);
    }
    return box->count() - 1;
}

int QtBackend::ComboGetCurSel(HWND combo) {
    auto* box = combo != nullptr ? qobject_cast<QComboBox*>(combo->widget.data()) : nullptr;
    return box != nullptr ? box->currentIndex() : CB_ERR;
}

int QtBackend::ComboSetCurSel(HWND combo, int index) {
    auto* box = combo != nullptr ? qobject_cast<QComboBox*>(combo->widget.data()) : nullptr;
    if (box == nullptr) {
        return CB_ERR;
    }
    const bool valid = index >= 0 && index < box->count();
    box->setCurrentIndex(valid ? index : -1);
    return valid ? index : CB_ERR;
}

HMENU QtBackend::GetSystemMenu(HWND window) {
    return window != nullptr && window->sink != nullptr ? &window->systemMenu : nullptr;
}

BOOL QtBackend::AppendMenu(HMENU menu, UINT flags, UINT_PTR id, std::u16string_view text) {
    if (menu == nullptr) {
        return FALSE;
    }
    menu->items.push_back(
        {flags, id, QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()))});
    return TRUE;
}

int QtBackend::MessageBox(HWND owner, std::u16string_view text, LPCTSTR caption, UINT type) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (type & MB_ICONMASK) {
    case MB_ICONSTOP:
        icon = QMessageBox::Critical;
        break;
    case 0x20:
        icon = QMessageBox::Question;
        break;
    case 0x30:
        icon = QMessageBox::Warning;
        break;
    case MB_ICONINFORMATION:
        icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    const QString title =
        caption != nullptr ? QString::fromUtf16(caption) : QCoreApplication::applicationName();
    QWidget* parent = owner != nullptr ? owner->widget.data() : nullptr;
    QMessageBox box(icon, title,
                    QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    // A message box shows the arrow even while its command keeps the wait cursor.
    const bool waiting = QGuiApplication::overrideCursor() != nullptr;
    if (waiting) {
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    box.exec();
    if (waiting) {
        QGuiApplication::restoreOverrideCursor();
    }
    return IDOK;
}

HICON QtBackend::CreateIcon(const std::vector<res::IconImage>& images) {
    // Of each size, the image with the most colours.
    std::map<int, const res::IconImage*> best;
    for (const res::IconImage& image : images) {
        const res::IconImage*& slot = best[image.width];
        if (slot == nullptr || image.bitCount > slot->bitCount) {
            slot = &image;
        }
    }
    HICON__& icon = m_icons.emplace_back();
    for (const auto& [size, image] : best) {
        icon.icon.addPixmap(QPixmap::fromImage(ToImage(*image)));
    }
    return &icon;
}

void QtBackend::SetIcon(HWND window, HICON icon, BOOL /*big*/) {
    // Qt keeps one icon set per window and picks the size it needs from it.
    if (window != nullptr && window->widget != nullptr && icon != nullptr) {
        window->widget->setWindowIcon(icon->icon);
    }
}

HDC QtBackend::BeginPaint(HWND window) {
    return window != nullptr ? &window->paintDc : nullptr;
}

void QtBackend::EndPaint(HWND /*window*/, HDC /*dc*/) {}

BOOL QtBackend::DrawIcon(HDC dc, int x, int y, HICON icon) {
    if (dc == nullptr || dc->painter == nullptr || icon == nullptr) {
        return FALSE;
    }
    dc->painter->drawPixmap(x, y, icon->icon.pixmap(kIconSize, kIconSize));
    return TRUE;
}

int QtBackend::GetSystemMetrics(int index) {
    return index == SM_CXICON || index == SM_CYICON ? kIconSize : 0;
}

// Qt's widgets need no registration.
BOOL QtBackend::InitCommonControls(DWORD /*classes*/) {
    return TRUE;
}

void QtBackend::BeginWaitCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtBackend::EndWaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace fw::qt
