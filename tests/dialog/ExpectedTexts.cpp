#include "tests/dialog/ExpectedTexts.h"

#include <cstdlib>
#include <string_view>

namespace dialogtest {

const ExpectedTexts& Expected() {
    static const ExpectedTexts german{u"Info(&A)...",
                                      u"&Schließen",
                                      u"Lesen",
                                      u"Schreiben",
                                      u"Lesefehler",
                                      u"Fehler",
                                      u"Schreibfehler",
                                      u"KeineTreibersoftware für Pellix Einheit installiert.",
                                      u"Pellix Einheit nicht angeschlossen.",
                                      u"Pellix Einheit arbeitet nicht.",
                                      u"Die daten sind nicht kompatibel mit diesem Servo.",
                                      u"Schreiben erfolgreich."};
    static const ExpectedTexts english{u"Version information Morrick Tolvane(&A)...",
                                       u"&Close",
                                       u"Read",
                                       u"Write",
                                       u"Read error",
                                       u"Error",
                                       u"Write error",
                                       u"The device driver for Pellix is not installed.",
                                       u"A Pellix is not connected.",
                                       u"The Pellix is not working.",
                                       u"This data is not compatible with the connected servo.",
                                       u"The writing suceeded."};
    static const ExpectedTexts japanese{u"バージョン情報 Morrick Tolvane(&A)...",
                                        u"閉じる(&C)",
                                        u"読み込み",
                                        u"書き込み",
                                        u"読み込みに失敗しました",
                                        u"エラー",
                                        u"書き込みに失敗しました",
                                        u"Pellixのデバイスドライバが見つかりません",
                                        u"Pellixが接続されていません",
                                        u"Pellixが動作していません",
                                        u"このデータは接続されているサーボと互換性がありません",
                                        u"データを書き込みました"};

    const char* language = std::getenv("LANGUAGE");
    const std::string_view code = language != nullptr ? language : "";
    if (code.starts_with("de")) {
        return german;
    }
    if (code.starts_with("ja")) {
        return japanese;
    }
    return english;
}

} // namespace dialogtest
