// Compiled with the core library's include paths and definitions only: the
// layer test passes when this fails for want of the widget headers.
#include <QWidget>
