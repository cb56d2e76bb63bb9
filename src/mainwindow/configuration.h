#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QSettings;

namespace qm {

// The program's settings: per user, organisation "Lumenwerk", application "Quillmark", in
// groups named like the keys of the original machine-wide store. A value that is missing reads
// as an empty text; an empty text is never written.
class Configuration
{
public:
    // The user's settings.
    Configuration();
    // A settings file of its own (tests).
    explicit Configuration(const QString &fileName);
    ~Configuration();
    Configuration(const Configuration &) = delete;
    Configuration &operator=(const Configuration &) = delete;

    static const QString SystemKey;   // 系统配置
    static const QString UserInfoKey; // UserInfo
    static const QString HomePageKey; // QuillmarkHomePage
    // The settings of this program's own, beside those of the original store.
    static const QString DesktopKey; // Desktop

    QString readText(const QString &key, const QString &name) const;
    void writeText(const QString &key, const QString &name, const QString &value);
    // The store can take values.
    bool keyCanBeOpened() const;

    // "PageDoubleBuffered" under 系统配置, when it was ever written.
    std::optional<bool> pageDoubleBuffered() const;
    void setPageDoubleBuffered(bool on);

    // "Language" under Desktop: "system", "zh_CN" or "en"; "system" when missing.
    QString interfaceLanguage() const;
    void setInterfaceLanguage(const QString &value);

    // Documents opened or saved lately, the latest first, at most RecentLimit.
    static constexpr int RecentLimit = 8;
    QStringList recentFiles() const;
    void addRecentFile(const QString &fileName);
    void removeRecentFile(const QString &fileName);

    // "AutosaveMinutes" under Desktop: minutes between autosaves of modified documents, 0 for
    // none; DefaultAutosaveMinutes when missing or no whole number from 0 to MaxAutosaveMinutes.
    static constexpr int DefaultAutosaveMinutes = 1;
    static constexpr int MaxAutosaveMinutes = 24 * 60;
    int autosaveMinutes() const;
    void setAutosaveMinutes(int minutes);

    void sync();

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace qm
