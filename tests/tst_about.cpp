// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The About box, its lookup of the system-information tool and the desktop's store.
#include "runtime/desktopkeystore.h"
#include "runtime/qtservices.h"
#include "tests/support/program.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

using namespace zr;

namespace {
const QByteArray ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                 FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QByteArray Odd = "C:\\Info Tool\\info.exe\" & del \"x", Full(1024, 'a');
} // namespace

class TestAbout : public WindowTest {
    Q_OBJECT
  private slots:
    // About again while the box is open brings the same box to the front; OK, Enter, Esc and
    // the close box close it, and the next About loads it afresh. Open when the frame is
    // closed, it keeps the program going until it is closed too.
    void opensOnceAndCloses() {
        TestProgram p;
        p.start();
        p.click("intro", "cmd_sierp");
        QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);
        QStringList seen;
        const auto about = [&] {
            p.trigger("Sierpinski", "hlp_About");
            const bool inFront = QTest::qWaitForWindowActive(p.window("frmAbout"));
            seen << p.window("frmAbout")->windowTitle() + (inFront ? ", " : ", behind, ") +
                        p.text("frmAbout", "lblTitle") + " " + p.text("frmAbout", "lblVersion");
        };
        about();
        p.control<QLabel>("frmAbout", "lblVersion")->setText("changed");
        p.window("Zelta")->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.window("Zelta")));
        about();
        for (int key : {0, int(Qt::Key_Return), int(Qt::Key_Escape), -1}) { // 0 OK, -1 close box
            if (key > 0) QTest::keyClick(p.control("frmAbout", "cmdOK"), Qt::Key(key));
            if (key == 0) QTest::mouseClick(p.control("frmAbout", "cmdOK"), Qt::LeftButton);
            if (key < 0) p.window("frmAbout")->window()->close(); // as the window manager does
            seen << (p.rt->isLoaded("frmAbout") ? "open" : "closed");
            about();
        }
        p.window("Zelta")->close();
        seen << QString::number(over.count());
        p.click("frmAbout", "cmdOK");
        seen << QString::number(over.count());
        const QString fresh = "About ZELTA, ZELTA Version 1.1.0", closed = "closed";
        QCOMPARE(seen, (QStringList{fresh, "About ZELTA, ZELTA changed", closed, fresh, closed,
                                    fresh, closed, fresh, closed, fresh, "0", "1"}));
    }

    // A recorded path, whatever it holds, is started without looking further or for the file;
    // a missing, oversized or unreadable one leads to the tool in the recorded folder.
    void findsAndStartsTool_data() {
        QTest::addColumn<uint>("type"); // of the "PATH" value; 0: there is none
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("folder");  // the "MSINFO" value, if any
        QTest::addColumn<QString>("started"); // the program started, if any
        const auto row = [](const char* name, uint type, const QByteArray& path, const char* folder,
                            const QString& started) {
            QTest::newRow(name) << type << path << QString(folder) << started;
        };
        const QString inFolder = "C:\\T\\MSINFO32.EXE";
        row("path as stored", 1, Odd, "C:\\T", Odd);
        row("path up to its first of two zeros", 1, QByteArray("C:\\i\0\0", 6), "", "C:\\i");
        row("empty up to its first zero", 1, QByteArray("\0\0x", 3), "", "");
        row("path of 1024 bytes", 1, Full, "", Full);
        row("path of 1025 bytes", 1, Full + 'a', "C:\\T", inFolder);
        row("number 287", 4, QByteArray("\x1f\x01\0\0", 4), "", "&h00011F");
        row("path without data", 1, "", "C:\\T", "");
        row("start fails", 1, "C", "", "C"); // a path of one byte
        row("folder holds tool", 0, "", "C:\\T", inFolder);
        row("folder lacks tool", 0, "", "C:\\U", "");
        row("nothing recorded", 0, "", "", "");
    }
    void findsAndStartsTool() {
        QFETCH(uint, type);
        QFETCH(QByteArray, path);
        QFETCH(QString, folder);
        QFETCH(QString, started);
        TestProgram p;
        ScriptedKeyStore& store = p.scripted.store;
        ScriptedLauncher& launcher = p.scripted.launcher;
        if (type) store.values[ToolKey + "\\PATH"] = {type, path};
        if (!folder.isEmpty()) store.values[FolderKey + "\\MSINFO"] = {1, folder.toLatin1() + '\0'};
        launcher.files = QStringList{"C:\\i", "C:\\T\\MSINFO32.EXE", Odd, Full};
        p.rt->show("frmAbout");
        // Enter takes the button that has the focus, as in any dialog.
        p.control("frmAbout", "cmdSysInfo")->setFocus();
        QTest::keyClick(p.control("frmAbout", "cmdSysInfo"), Qt::Key_Return);
        QStringList seen = launcher.started, expected;
        for (const auto& box : p.scripted.dialogs.shown)
            seen << box.title + ": " + box.text + " " + QString::number(box.style);
        if (!started.isEmpty()) expected << started;
        if (!launcher.files.contains(started)) // the one message, with an OK button only
            expected << "ZELTA: System Information Is Unavailable At This Time 0";
        QCOMPARE(seen, expected);
        const bool recorded = type && path.size() <= 1024;
        QCOMPARE((QList<int>{int(store.opened.size()), int(launcher.checked.size()), store.openKeys,
                             p.window("frmAbout")->isVisible()}),
                 (QList<int>{recorded ? 1 : 2, !recorded && !folder.isEmpty(), 0, true}));
    }

    // The desktop's own services. Its boxes, answered by keys: Enter takes the default (Yes,
    // OK, the text offered, the name typed), Esc the way out; a picture's name gets ".png"
    // and the next save box opens in its folder. A wait for no time still handles what has
    // come; a wait for some time lasts it, and no longer when nothing comes.
    void desktopServices() {
        QtDialogs d;
        QTemporaryDir dir;
        QStringList seen;
        const auto answer = [&](Qt::Key key) { // in the next box, once it is open
            QTimer::singleShot(0, [&seen, &dir, key] {
                QWidget* box = QApplication::activeModalWidget();
                seen << box->windowTitle();
                if (auto* m = qobject_cast<QMessageBox*>(box)) // its text shown as written
                    seen << m->text() + QString(" %1 %2").arg(m->icon()).arg(m->buttons().size()) +
                                (m->textFormat() == Qt::PlainText ? " plain" : "");
                if (auto* f = qobject_cast<QFileDialog*>(box)) {
                    auto* name = f->findChild<QLineEdit*>("fileNameEdit");
                    seen << name->text() + (f->directory() == QDir(dir.path()) ? " there" : "");
                    name->setText(dir.filePath("k"));
                }
                QTest::keyClick(box, key);
            });
        };
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            answer(key), seen << QString::number(d.messageBox("?", MB_YESNO | MB_QUESTION, "Q"));
            answer(key), seen << QString::number(d.messageBox("!", MB_EXCLAMATION, "E"));
            answer(key), seen << d.inputBox("k\r\nnow", "I", "3.0");
            answer(key), seen << d.saveFileName("S", "x.png");
        }
        QCOMPARE(seen.join('|'), "Q|? 4 2 plain|6|E|! 2 1 plain|1|I|3.0|S|x.png|" +
                                     dir.filePath("k.png") +
                                     "|Q|? 4 2 plain|7|E|! 2 1 plain|1|I||S|x.png there|");
        QtClock clock;
        QObject timers; // they go with it
        int handled = 0;
        QTimer::singleShot(0, &timers, [&] { ++handled; });
        QTimer::singleShot(1000, &timers, [&] { ++handled; }); // long after the waits
        const double before = clock.monotonic();
        clock.waitForEvents(0);
        QCOMPARE(handled, 1);
        clock.waitForEvents(0.05); // nothing comes: the wait ends at its own wake-up
        clock.sleep(0.05);
        QCOMPARE(handled, 1);
        QCOMPARE_GE(clock.monotonic() - before, 0.09); // timers may fire a little early
    }

    // On a desktop the store records the first installed tool of its list as the path, with
    // its zero byte, and never writes past the caller's buffer. It holds no other key, nor the
    // tool's key under another root; a key not open cannot be closed.
    void desktopStore() {
        QStringList installed{"gnome-system-monitor", "hardinfo"};
        DesktopKeyStore store([&](const QString& name) {
            return installed.contains(name) ? "/opt/" + name : QString();
        });
        std::uintptr_t key = 0;
        char buffer[14] = {};
        std::uint32_t type = 0, small = 13, size = 14;
        QList<long> results;
        results << store.open(KeyStore::HKEY_LOCAL_MACHINE, ToolKey.toLower(), 0, &key)
                << store.query(key, "path", &type, buffer, &small) << long(small)
                << store.query(key, "PATH", &type, buffer, &size) << long(type) << store.close(key)
                << store.open(KeyStore::HKEY_LOCAL_MACHINE, FolderKey, 0, &key)
                << store.open(KeyStore::HKEY_LOCAL_MACHINE + 1, ToolKey, 0, &key);
        installed.clear();
        results << store.open(KeyStore::HKEY_LOCAL_MACHINE, ToolKey, 0, &key) << store.close(key);
        QCOMPARE(results, (QList<long>{0, 234, 14, 0, 1, 0, 2, 2, 2, 6}));
        QCOMPARE(QByteArray(buffer, 14), QByteArray("/opt/hardinfo", 14));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
