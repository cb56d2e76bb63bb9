#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTranslator>

class QCoreApplication;

namespace qm {

enum class InterfaceLanguage { Chinese, English };

// The values of the language setting: follow the system, or one language whatever it says.
inline constexpr QStringView FollowSystemLanguage = u"system";
inline constexpr QStringView ChineseLanguage = u"zh_CN";
inline constexpr QStringView EnglishLanguage = u"en";

// The language the interface speaks for a setting and the system's interface languages, most
// wanted first. Chinese unless English is asked for: by the setting, or, when the setting
// follows the system (or is missing or unknown), by the system's first language.
InterfaceLanguage chooseInterfaceLanguage(const QString &setting, const QStringList &uiLanguages);

// The language of the catalogues installed last: Chinese until English is installed.
InterfaceLanguage installedInterfaceLanguage();

// The translators the application keeps installed: the program's English catalogue, or Qt's own
// Chinese one for its dialogs.
class InterfaceTranslators
{
public:
    InterfaceTranslators() = default;
    InterfaceTranslators(const InterfaceTranslators &) = delete;
    InterfaceTranslators &operator=(const InterfaceTranslators &) = delete;
    ~InterfaceTranslators();

    // False when a catalogue is missing: the texts then stay as they are written, in Chinese.
    bool install(QCoreApplication &app, InterfaceLanguage language);
    void remove();

private:
    QTranslator m_program;
    QTranslator m_qt;
    bool m_programInstalled = false;
    bool m_qtInstalled = false;
};

// Qt's own texts (the buttons and labels of its file, colour and page set-up dialogs) in
// Simplified Chinese like the rest of the program, whatever the system's language; false when
// the platform's translations are not installed and they stay in English.
bool installQtChinese(QCoreApplication &app, QTranslator &translator);

} // namespace qm
