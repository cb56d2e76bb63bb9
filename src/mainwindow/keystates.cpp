#include "mainwindow/keystates.h"

#include <QGuiApplication>

#ifdef QM_HAVE_XKB
#include <X11/XKBlib.h>
#endif

using namespace Qt::StringLiterals;

namespace qm {

namespace {

QString stateText(const QString &label, std::optional<bool> on)
{
    if (!on)
        return {};
    return label + (*on ? u"ON"_s : u"OFF"_s);
}

#ifdef QM_HAVE_XKB
std::optional<bool> namedIndicator(Display *display, const char *name)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return std::nullopt;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr))
        return std::nullopt;
    return on != False;
}
#endif

} // namespace

LockKeyStates readLockKeyStates()
{
    LockKeyStates states;
#ifdef QM_HAVE_XKB
    if (auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        if (Display *display = x11->display()) {
            states.caps = namedIndicator(display, "Caps Lock");
            states.num = namedIndicator(display, "Num Lock");
            states.scroll = namedIndicator(display, "Scroll Lock");
        }
    }
#endif
    return states;
}

QString capsText(std::optional<bool> on)
{
    return stateText(u"CAPS: "_s, on);
}

QString numText(std::optional<bool> on)
{
    return stateText(u"NUM: "_s, on);
}

QString scrollText(std::optional<bool> on)
{
    return stateText(u"SCRL: "_s, on);
}

} // namespace qm
