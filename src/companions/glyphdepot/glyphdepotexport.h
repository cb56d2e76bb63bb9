#pragma once

#include <QtCore/qglobal.h>

#if defined(QM_BUILDING_GLYPHDEPOT)
#define QM_GLYPHDEPOT_EXPORT Q_DECL_EXPORT
#else
#define QM_GLYPHDEPOT_EXPORT Q_DECL_IMPORT
#endif
