// zenkoru-screenshot OUT.png [WIDTHxHEIGHT] [EVENT...]
// Starts the real window (use QT_QPA_PLATFORM=offscreen without a display),
// plays the events and writes a PNG. Events: menu:CONTROL, press:X,Y (a
// square), answer:yes|no (for the next Yes/No box), file:PATH (the name the
// next file dialog answers), row:N (a click on row N of 棋譜一覧, 0 the start),
// nodes:N (LEVEL4 and ヒント search N nodes instead of the thinking time),
// wait:MS (run the event loop MS milliseconds), done (run it until no search
// is out, the 検討 pane's included), esc (write the picture, then press Esc
// and say whether the window closed), dialog:PATH (the next file dialog is
// written to PATH as it shows, then cancelled), analyse:N (棋譜解析 at N nodes
// a position), analysed (run the event loop until the analysis is done).
// Boxes are answered as they open.
#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "analysis.h"
#include "engine_turn.h"
#include "file_dialogs.h"
#include "game_analysis.h"
#include "main_window.h"
#include "screenshot.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zkqt::loadQtTranslations(app);
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: zenkoru-screenshot OUT.png [WxH] [menu:C|press:X,Y|answer:yes]...\n");
        return 2;
    }
    zkqt::MainWindow window;
    zkqt::BoxAnswerer answerer;
    int first = 2;
    if (argc > 2) {
        const QStringList wh = QString::fromLocal8Bit(argv[2]).split(QLatin1Char('x'));
        if (wh.size() == 2 && wh[0].toInt() > 0 && wh[1].toInt() > 0) {
            window.resize(wh[0].toInt(), wh[1].toInt());
            first = 3;
        }
    }
    window.show();
    window.start();
    QStringList events;
    for (int i = first; i < argc; ++i) events << QString::fromLocal8Bit(argv[i]);
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(50, [&] {
        for (const QString& e : events) {
            if (e.startsWith(QLatin1String("menu:")))
                QMetaObject::invokeMethod(window.action(e.mid(5)), "trigger");
            else if (e.startsWith(QLatin1String("press:"))) {
                const QStringList xy = e.mid(6).split(QLatin1Char(','));
                if (xy.size() == 2) zkqt::pressSquare(window, xy[0].toInt(), xy[1].toInt());
            } else if (e.startsWith(QLatin1String("answer:"))) {
                answerer.answers << e.mid(7);
            } else if (e.startsWith(QLatin1String("boxshot:"))) {
                answerer.boxShot = e.mid(8);
            } else if (e.startsWith(QLatin1String("file:"))) {
                window.presetFileName(e.mid(5));
            } else if (e.startsWith(QLatin1String("dialog:"))) {
                const QString path = e.mid(7);
                QTimer::singleShot(800, [path] {
                    if (QWidget* dialog = QApplication::activeModalWidget()) {
                        dialog->grab().save(path, "PNG");
                        QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
                    }
                });
            } else if (e.startsWith(QLatin1String("row:"))) {
                zkqt::clickMoveListRow(window, e.mid(4).toInt());
            } else if (e.startsWith(QLatin1String("nodes:"))) {
                zk::思考ノード数設定(window.state(), e.mid(6).toULongLong());
            } else if (e.startsWith(QLatin1String("wait:"))) {
                const QDeadlineTimer until(e.mid(5).toInt());
                while (!until.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 20);
            } else if (e == QLatin1String("esc")) {
                const bool ok = zkqt::grabWindow(window).save(out, "PNG");
                QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(&window, &key);
                QApplication::processEvents();
                std::printf("%s; Esc: the window %s, %s\n", ok ? "wrote the picture" : "no picture",
                            window.isVisible() ? "is still open" : "closed",
                            zk::思考中(window.state()) ? "still thinking" : "no search out");
                QApplication::exit(ok ? 0 : 1);
                return;
            } else if (e.startsWith(QLatin1String("analyse:"))) {
                const std::uint64_t nodes = e.mid(8).toULongLong();
                window.deliver([&window, nodes] { zk::棋譜解析開始(window.state(), nodes); });
            } else if (e == QLatin1String("analysed")) {
                while (zk::棋譜解析状況(window.state()).running)
                    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            } else if (e == QLatin1String("done")) {
                // The 検討 pane's search too: its bound ends it.
                while (zk::思考中(window.state()) || zk::analysisSearching(window.state()))
                    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            }
            QApplication::processEvents();
        }
        QApplication::processEvents();
        const bool ok = zkqt::grabWindow(window).save(out, "PNG");
        std::fprintf(ok ? stdout : stderr, ok ? "wrote %s\n" : "cannot write %s\n",
                     qPrintable(out));
        QApplication::exit(ok ? 0 : 1);
    });
    return app.exec();
}
