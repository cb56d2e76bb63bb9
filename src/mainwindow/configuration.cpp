#include "mainwindow/configuration.h"

#include "mainwindow/interfacelanguage.h"

#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace qm {

const QString Configuration::SystemKey = u"系统配置"_s;
const QString Configuration::UserInfoKey = u"UserInfo"_s;
const QString Configuration::HomePageKey = u"QuillmarkHomePage"_s;
const QString Configuration::DesktopKey = u"Desktop"_s;

namespace {

const QString RecentKey = u"RecentFiles"_s;
const QString RecentName = u"Files"_s;

QString path(const QString &key, const QString &name)
{
    return key + u'/' + name;
}

} // namespace

Configuration::Configuration() : m_settings(std::make_unique<QSettings>(u"Lumenwerk"_s, u"Quillmark"_s))
{
}

Configuration::Configuration(const QString &fileName)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{
}

Configuration::~Configuration() = default;

QString Configuration::readText(const QString &key, const QString &name) const
{
    return m_settings->value(path(key, name)).toString();
}

void Configuration::writeText(const QString &key, const QString &name, const QString &value)
{
    if (!value.isEmpty())
        m_settings->setValue(path(key, name), value);
}

bool Configuration::keyCanBeOpened() const
{
    return m_settings->isWritable();
}

std::optional<bool> Configuration::pageDoubleBuffered() const
{
    const QVariant v = m_settings->value(path(SystemKey, u"PageDoubleBuffered"_s));
    if (!v.isValid())
        return std::nullopt;
    return v.toBool();
}

void Configuration::setPageDoubleBuffered(bool on)
{
    if (keyCanBeOpened())
        m_settings->setValue(path(SystemKey, u"PageDoubleBuffered"_s), on);
}

QString Configuration::interfaceLanguage() const
{
    const QString value = readText(DesktopKey, u"Language"_s);
    return value.isEmpty() ? FollowSystemLanguage.toString() : value;
}

void Configuration::setInterfaceLanguage(const QString &value)
{
    writeText(DesktopKey, u"Language"_s, value);
}

QStringList Configuration::recentFiles() const
{
    QStringList files = m_settings->value(path(RecentKey, RecentName)).toStringList();
    files.removeAll(QString());
    if (files.size() > RecentLimit)
        files.resize(RecentLimit);
    return files;
}

void Configuration::addRecentFile(const QString &fileName)
{
    if (fileName.isEmpty())
        return;
    QStringList files = recentFiles();
    files.removeAll(fileName);
    files.prepend(fileName);
    if (files.size() > RecentLimit)
        files.resize(RecentLimit);
    m_settings->setValue(path(RecentKey, RecentName), files);
}

void Configuration::removeRecentFile(const QString &fileName)
{
    QStringList files = recentFiles();
    if (files.removeAll(fileName) > 0)
        m_settings->setValue(path(RecentKey, RecentName), files);
}

int Configuration::autosaveMinutes() const
{
    bool ok = false;
    const int minutes = m_settings->value(path(DesktopKey, u"AutosaveMinutes"_s)).toString().toInt(&ok);
    return ok && minutes >= 0 && minutes <= MaxAutosaveMinutes ? minutes : DefaultAutosaveMinutes;
}

void Configuration::setAutosaveMinutes(int minutes)
{
    m_settings->setValue(path(DesktopKey, u"AutosaveMinutes"_s), std::clamp(minutes, 0, MaxAutosaveMinutes));
}

void Configuration::sync()
{
    m_settings->sync();
}

} // namespace qm
