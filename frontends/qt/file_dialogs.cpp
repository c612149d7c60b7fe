#include "file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace zkqt {

namespace {

// A settings key of its own for each kind; '/' would open a group.
QString keyOf(const QString& kind) {
    QString k = kind.simplified();
    k.replace(QLatin1Char(' '), QLatin1Char('_')).replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("folders/") + (k.isEmpty() ? QStringLiteral("_") : k);
}

}  // namespace

// Install qtbase_ja from Qt's translation folder for the whole application.
bool loadQtTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

// Read the folder kept for a kind, forgetting it when it no longer exists.
QString rememberedFolder(QSettings& settings, const QString& kind) {
    const QString folder = settings.value(keyOf(kind)).toString();
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

// Keep the folder of a kind for the next dialog, in this run and the next.
void rememberFolder(QSettings& settings, const QString& kind, const QString& folder) {
    if (folder.isEmpty()) return;
    settings.setValue(keyOf(kind), QDir(folder).absolutePath());
    settings.sync();
}

}  // namespace zkqt
