#include "mainwindow/interfacelanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace qm {

InterfaceLanguage chooseInterfaceLanguage(const QString &setting, const QStringList &uiLanguages)
{
    if (setting == ChineseLanguage)
        return InterfaceLanguage::Chinese;
    if (setting == EnglishLanguage)
        return InterfaceLanguage::English;
    // The C and POSIX locales name no language, or "C": Chinese, like any language without a
    // catalogue.
    const bool english = !uiLanguages.isEmpty() && uiLanguages.first().startsWith(u"en"_s, Qt::CaseInsensitive);
    return english ? InterfaceLanguage::English : InterfaceLanguage::Chinese;
}

namespace {

InterfaceLanguage installedLanguage = InterfaceLanguage::Chinese;

} // namespace

InterfaceLanguage installedInterfaceLanguage()
{
    return installedLanguage;
}

InterfaceTranslators::~InterfaceTranslators()
{
    remove();
}

bool InterfaceTranslators::install(QCoreApplication &app, InterfaceLanguage language)
{
    remove();
    if (language == InterfaceLanguage::English) {
        m_programInstalled = m_program.load(u":/quillmark/translations/quillmark_en.qm"_s) &&
                             QCoreApplication::installTranslator(&m_program);
        if (m_programInstalled)
            installedLanguage = InterfaceLanguage::English;
        return m_programInstalled;
    }
    m_qtInstalled = installQtChinese(app, m_qt);
    return m_qtInstalled;
}

void InterfaceTranslators::remove()
{
    if (m_programInstalled)
        QCoreApplication::removeTranslator(&m_program);
    if (m_qtInstalled)
        QCoreApplication::removeTranslator(&m_qt);
    m_programInstalled = m_qtInstalled = false;
    installedLanguage = InterfaceLanguage::Chinese;
}

bool installQtChinese(QCoreApplication &app, QTranslator &translator)
{
    if (!translator.load(QLocale(QLocale::Chinese, QLocale::China), u"qtbase"_s, u"_"_s,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return app.installTranslator(&translator);
}

} // namespace qm
