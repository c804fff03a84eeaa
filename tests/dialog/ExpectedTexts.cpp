#include "tests/dialog/ExpectedTexts.h"

#include <cstdlib>
#include <string_view>

namespace dialogtest {

const ExpectedTexts& Expected() {
    static const ExpectedTexts german{
        QStringLiteral("Info(&A)..."),
        QStringLiteral("&Schließen"),
        QStringLiteral("Lesen"),
        QStringLiteral("Schreiben"),
        QStringLiteral("Lesefehler"),
        QStringLiteral("Fehler"),
        QStringLiteral("Schreibfehler"),
        QStringLiteral("KeineTreibersoftware für Pellix Einheit installiert."),
        QStringLiteral("Pellix Einheit nicht angeschlossen."),
        QStringLiteral("Pellix Einheit arbeitet nicht."),
        QStringLiteral("Die daten sind nicht kompatibel mit diesem Servo."),
        QStringLiteral("Schreiben erfolgreich.")};
    static const ExpectedTexts english{
        QStringLiteral("Version information Morrick Tolvane(&A)..."),
        QStringLiteral("&Close"),
        QStringLiteral("Read"),
        QStringLiteral("Write"),
        QStringLiteral("Read error"),
        QStringLiteral("Error"),
        QStringLiteral("Write error"),
        QStringLiteral("The device driver for Pellix is not installed."),
        QStringLiteral("A Pellix is not connected."),
        QStringLiteral("The Pellix is not working."),
        QStringLiteral("This data is not compatible with the connected servo."),
        QStringLiteral("The writing suceeded.")};
    static const ExpectedTexts japanese{
        QStringLiteral("バージョン情報 Morrick Tolvane(&A)..."),
        QStringLiteral("閉じる(&C)"),
        QStringLiteral("読み込み"),
        QStringLiteral("書き込み"),
        QStringLiteral("読み込みに失敗しました"),
        QStringLiteral("エラー"),
        QStringLiteral("書き込みに失敗しました"),
        QStringLiteral("Pellixのデバイスドライバが見つかりません"),
        QStringLiteral("Pellixが接続されていません"),
        QStringLiteral("Pellixが動作していません"),
        QStringLiteral("このデータは接続されているサーボと互換性がありません"),
        QStringLiteral("データを書き込みました")};

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
