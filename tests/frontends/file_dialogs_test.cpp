// The file dialogs' language and the folder each kind of file opens in.
#include "file_dialogs.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace zkqt {
namespace {

TEST(FileDialogs, EachKindKeepsItsOwnFolderAcrossRunsUntilItIsGone) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString records = tmp.filePath(QStringLiteral("棋譜")),
                  usi = tmp.filePath(QStringLiteral("usi"));
    ASSERT_TRUE(QDir().mkpath(records) && QDir().mkpath(usi));
    const QString file = tmp.filePath(QStringLiteral("folders.ini"));
    {
        QSettings first(file, QSettings::IniFormat);
        rememberFolder(first, QStringLiteral("usi kifu"), usi);
        rememberFolder(first, QStringLiteral("kif"), records);
        rememberFolder(first, QStringLiteral("kif"), QString());  // a cancelled dialog keeps it
    }
    QSettings next(file, QSettings::IniFormat);  // the next run
    EXPECT_EQ(rememberedFolder(next, QStringLiteral("usi kifu")), usi);
    EXPECT_EQ(rememberedFolder(next, QStringLiteral("kif")), records);
    EXPECT_EQ(rememberedFolder(next, QStringLiteral("usi")), QString());
    EXPECT_EQ(rememberedFolder(next, QStringLiteral("sfen")), QString());
    ASSERT_TRUE(QDir(records).removeRecursively());
    EXPECT_EQ(rememberedFolder(next, QStringLiteral("kif")), QString());
}

TEST(FileDialogs, QtsOwnButtonsSpeakJapanese) {
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(dir + QStringLiteral("/qtbase_ja.qm")))
        GTEST_SKIP() << "qt6-translations-l10n is not installed";
    ASSERT_TRUE(loadQtTranslations(*QCoreApplication::instance()));
    const QString open = QCoreApplication::translate("QFileDialog", "&Open");
    EXPECT_NE(open, QStringLiteral("&Open"));
    EXPECT_TRUE(open.contains(QStringLiteral("開"))) << open.toStdString();
}

}  // namespace
}  // namespace zkqt
