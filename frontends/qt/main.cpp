// Zenkoru: Chu Shogi in one window.
//   zenkoru           the game
//   zenkoru --check   start, report what was found, end as Esc would
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QSettings>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "file_dialogs.h"
#include "main_window.h"
#include "piece_art.h"
#include "qt_platform.h"
#include "screenshot.h"
#include "state.h"

namespace {

// What an installed program needs, as found after start-up; true when all is there.
bool report(zkqt::MainWindow& w, const zk::Platform& platform) {
    const zk::State& s = w.state();
    const int sounds = (s.sounds.soundOther != 0) + (s.sounds.soundForbidden != 0) +
                       (s.sounds.soundPiece != 0) + (s.sounds.soundBgm != 0);
    const QString font = zkqt::mincho();
    QString settings = QStringLiteral("Zenkoru.ini");
    if (!QFileInfo::exists(settings))
        settings =
            QString::fromStdString(platform.settingsFolder()) + QStringLiteral("/Zenkoru.ini");
    std::printf("sound library: %s\nsounds: %d of 4\nfont: %s\nsettings: %s\nsaved games: %s\n",
                s.sounds.soundLibraryHandle != 0 ? "started" : "missing", sounds, qPrintable(font),
                qPrintable(QFileInfo(settings).absoluteFilePath()),
                platform.autosaveFolder().c_str());
    std::fflush(stdout);
    return s.sounds.soundLibraryHandle != 0 && sounds == 4 &&
           font.contains(QLatin1String("Mincho"));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zenkoru"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zenkoru.Zenkoru"));
    zkqt::loadQtTranslations(app);
    const bool check = app.arguments().contains(QStringLiteral("--check"));

    zkqt::MainWindow window;
    // The size and place the user left the window at ($XDG_CONFIG_HOME/zenkoru/window.conf).
    QSettings place(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("zenkoru"),
                    QStringLiteral("window"));
    window.restoreGeometry(place.value(QStringLiteral("geometry")).toByteArray());
    window.show();

    std::unique_ptr<zkqt::BoxAnswerer> answerer;
    if (check) answerer = std::make_unique<zkqt::BoxAnswerer>();  // nobody is there to answer
    window.start();
    // Looked up in the icon theme once the board is painted: the search of the
    // theme's folders would otherwise delay the first picture.
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("io.github.zenkoru.Zenkoru")));

    bool complete = true;
    if (check) {
        complete = report(window, *window.platform());
        QTimer::singleShot(0, &window, [&window] {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&window, &esc);
        });
    }
    const int status = app.exec();
    place.setValue(QStringLiteral("geometry"), window.saveGeometry());
    return status != 0 ? status : (complete ? 0 : 1);
}
