// The program speaks Brazilian Portuguese whatever the session's language:
// dates, month names and grouped numbers, and Qt's own dialogs and buttons.
// The decimal separator of the numbers in files and grids is not touched: it
// follows the process-wide setting taken from the session.
#pragma once

#include <QLocale>

// Brazilian Portuguese as the default locale and Qt's translations for it;
// once per process, after the application object exists.
void fala_portugues();
// The locale of every date and grouped number the program shows or prints.
QLocale local_brasil();
