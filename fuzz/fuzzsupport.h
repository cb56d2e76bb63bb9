#pragma once

#include <QGuiApplication>

#include <cstdlib>

// Pictures are decoded through Qt's image plugins and painted into the seal's prepared bitmap,
// which want an application object; one offscreen instance lives for the whole run.
inline void startFuzzApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication *app = new QGuiApplication(argc, argv);
    (void)app;
}
