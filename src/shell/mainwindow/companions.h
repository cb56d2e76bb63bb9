#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <stdexcept>

class QWidget;

namespace qm {

// The picture component as the main window calls it: built-in pictures by name, the number of
// built-in emblems, and the wallpaper for a file path.
class PictureComponent
{
public:
    virtual ~PictureComponent() = default;
    // The built-in picture of that name ("Splash", "A"i, "B"i); null when there is none.
    virtual QImage LoadAPicture(const QByteArray &name) = 0;
    virtual int GetPictureCount() = 0;
    // The wallpaper for the path, which may be empty; null for none.
    virtual QImage SetBkGnd(QWidget *client, const QString &path) = 0;
};

// Stands in for the picture component until the program links it: a splash drawn here and
// the wallpaper read from the file the user chose.
class StandInPictures : public PictureComponent
{
public:
    QImage LoadAPicture(const QByteArray &name) override;
    int GetPictureCount() override { return 0; }
    QImage SetBkGnd(QWidget *client, const QString &path) override;
};

// A dialog library that cannot be loaded: the command ends and the user sees the message.
class DLLLoadError : public std::runtime_error
{
public:
    explicit DLLLoadError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The dialog component, loaded from its absolute path for each call and unloaded afterwards.
class DialogComponent
{
public:
    explicit DialogComponent(const QString &libraryPath);
    const QString &libraryPath() const { return m_path; }

    // Throw DLLLoadError ("该资源已缺失！", "帮助资源缺失！") when the library cannot be
    // loaded; do nothing when it lacks the function.
    void ShowAboutBox(QWidget *owner) const;
    void Show_frmHelp(QWidget *owner) const;

    // Beside the program: <program folder>/../lib/<library file>.
    static QString defaultLibraryPath();

private:
    void call(const char *function, const QString &loadError, QWidget *owner) const;

    QString m_path;
};

} // namespace qm
