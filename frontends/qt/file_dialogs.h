// The file dialogs: Qt's own texts in Japanese, and the folder each kind of
// file was last taken from or written to.
#pragma once

#include <QString>

class QCoreApplication;
class QSettings;

namespace zkqt {

// Load Qt's Japanese translations of its dialogs and buttons; false when
// they are not installed (the dialogs then speak English).
bool loadQtTranslations(QCoreApplication& app);

// The folder where files of this kind (their endings, "usi kifu", "kif", ...)
// were last read or written, or "" when none was or it is gone.
QString rememberedFolder(QSettings& settings, const QString& kind);
void rememberFolder(QSettings& settings, const QString& kind, const QString& folder);

}  // namespace zkqt
