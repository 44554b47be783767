// Qt's own texts (file dialogs, standard buttons) in Japanese, whatever the
// machine's locale: the program speaks Japanese throughout.
#pragma once

#include <QString>

// Loads Qt's Japanese catalogue from folder (Qt's translations folder when
// empty) and installs it in the application. Returns false, after logging,
// when the catalogue is missing; Qt then keeps its English texts.
bool InstallJapaneseQtTexts(const QString& folder = QString());
