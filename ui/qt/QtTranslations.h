#pragma once
// Qt's own texts (the file dialogs, the standard buttons) in Traditional Chinese, so that the
// dialogs Qt draws speak the program's language. Debian ships them in qt6-translations-l10n;
// without that package they stay in English.

class QCoreApplication;

namespace velb {

void installQtTranslations(QCoreApplication& app);

} // namespace velb
