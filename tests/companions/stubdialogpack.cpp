// A stand-in for the dialog component that exports the about box but not the help window, so
// that the loader's "entry missing" path runs against a real library.

#include <QVariant>
#include <QWidget>

extern "C" Q_DECL_EXPORT void ShowAboutBox(QWidget *owner) noexcept
{
    if (owner)
        owner->setProperty("stubAboutShown", true);
}
