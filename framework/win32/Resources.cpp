#include "framework/win32/Resources.h"

#include "framework/Backend.h"
#include "framework/resources/DialogInitDecoder.h"

#include <map>
#include <span>
#include <vector>

namespace fw::win32 {
namespace {

// The resource type of dialog-initialisation data, which Windows itself does not define.
constexpr WORD kDialogInitType = 240;

// Icon handle to the icon group it was loaded from.
std::map<HICON, UINT> loadedIcons;

} // namespace

HINSTANCE ProgramModule() {
    return ::GetModuleHandleW(nullptr);
}

HICON SmallIconOf(HICON icon) {
    const auto found = loadedIcons.find(icon);
    if (found == loadedIcons.end()) {
        return icon;
    }
    HANDLE small =
        ::LoadImageW(ProgramModule(), MAKEINTRESOURCEW(found->second), IMAGE_ICON,
                     ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    return small != nullptr ? static_cast<HICON>(small) : icon;
}

} // namespace fw::win32

namespace fw {

void ExecuteDialogInit(HWND dialog, UINT templateId) {
    HINSTANCE module = win32::ProgramModule();
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(templateId),
                                  MAKEINTRESOURCEW(win32::kDialogInitType));
    if (found == nullptr) {
        return;
    }
    HGLOBAL loaded = ::LoadResource(module, found);
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return;
    }
    const std::span<const std::uint8_t> data(static_cast<const std::uint8_t*>(bytes),
                                             ::SizeofResource(module, found));
    for (const res::DialogInitEntry& entry : res::DecodeDialogInit(data)) {
        if (entry.message != CB_ADDSTRING && entry.message != LB_ADDSTRING) {
            continue;
        }
        // The stored texts are in the ANSI code page; the controls take UTF-16.
        const int narrowLength = static_cast<int>(entry.text.size());
        std::wstring text(static_cast<std::size_t>(::MultiByteToWideChar(
                              CP_ACP, 0, entry.text.data(), narrowLength, nullptr, 0)),
                          L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, entry.text.data(), narrowLength, text.data(),
                              static_cast<int>(text.size()));
        ::SendDlgItemMessageW(dialog, entry.controlId, entry.message, 0,
                              reinterpret_cast<LPARAM>(text.c_str()));
    }
}

TString LoadStringResource(UINT id) {
    // With a zero buffer size Windows hands out the text in place: a pointer into the resource
    // and its length, which needs no size limit and keeps an empty text apart from none.
    const wchar_t* text = nullptr;
    const int length =
        ::LoadStringW(win32::ProgramModule(), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) {
        return {};
    }
    return TString(text, static_cast<std::size_t>(length));
}

HICON LoadIconResource(UINT id) {
    HICON icon = ::LoadIconW(win32::ProgramModule(), MAKEINTRESOURCEW(id));
    if (icon != nullptr) {
        win32::loadedIcons[icon] = id;
    }
    return icon;
}

} // namespace fw
