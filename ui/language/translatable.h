// QT_TRANSLATE_NOOP: marks a text for lupdate where it is kept, to be translated where it shows.
#pragma once

// Qt 6.5 moved the macro out of qglobal.h.
#if __has_include(<QtCore/qttranslation.h>)
#include <QtCore/qttranslation.h> // IWYU pragma: export
#else
#include <QtGlobal> // IWYU pragma: export
#endif
