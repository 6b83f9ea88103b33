// The About box, its lookup of the system-information tool and the desktop's store.
#include "runtime/desktopkeystore.h"
#include "shell/frmabout.h"
#include "shell/module1.h"
#include "shell/zelta.h"
#include "tests/support/program.h"

#include <QLabel>
#include <QtTest>

using namespace zr;

namespace {
const QByteArray ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QString About = frmAbout::Name;
} // namespace

class TestAbout : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        QVERIFY2(leftoverWindows().isEmpty(), qPrintable(leftoverWindows().join(", ")));
    }

    void opensOnceAndCloses_data() {
        QTest::addColumn<int>("key"); // 0: the OK button, -1: the close box
        QTest::newRow("OK") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("close box") << -1;
    }
    void opensOnceAndCloses() {
        QFETCH(int, key);
        TestProgram p;
        p.rt->show(About);
        Form* a = p.window(About);
        QVERIFY(QTest::qWaitForWindowActive(a));
        QCOMPARE(a->windowTitle(), QStringLiteral("About ZELTA"));
        QCOMPARE(p.text(About, "lblTitle"), QStringLiteral("ZELTA"));
        QCOMPARE(a->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
                 Qt::WindowFlags());

        // About again while it is open: the same dialog comes to the front, not loaded anew.
        p.control<QLabel>(About, "lblVersion")->setText(QStringLiteral("changed"));
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        p.rt->show(About);
        QVERIFY(QTest::qWaitForWindowActive(a));
        QCOMPARE(p.text(About, "lblVersion"), QStringLiteral("changed"));

        if (key > 0) QTest::keyClick(p.control(About, "cmdOK"), Qt::Key(key));
        if (key == 0) QTest::mouseClick(p.control(About, "cmdOK"), Qt::LeftButton);
        if (key < 0) a->close();
        QVERIFY(!p.rt->isLoaded(About));
        QVERIFY(p.scripted.launcher.started.isEmpty());
        p.rt->show(About);
        QCOMPARE(p.text(About, "lblVersion"), QStringLiteral("Version 1.1.0"));
    }

    void outlivesTheFrame() {
        TestProgram p;
        p.start();
        QSignalSpy over(p.rt.get(), &Runtime::allUnloaded);
        p.rt->show(About);
        p.window(Zelta::Name)->close();
        QVERIFY(p.window(About)->isVisible());
        QCOMPARE(over.count(), 0);
        p.click(About, "cmdOK");
        QCOMPARE(over.count(), 1);
    }

    void findsAndStartsTool_data() {
        QTest::addColumn<uint>("type"); // of the "PATH" value; 0: there is none
        QTest::addColumn<QByteArray>("path");
        // folder: empty when none is recorded; a "-" at its end: no tool in it.
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<QString>("started"); // empty: the message instead
        const QByteArray odd("C:\\Program Files\\Info Tool\\info.exe\" & del \"x");
        const QByteArray full(1024, 'a');
        const QString inFolder = QStringLiteral("C:\\T\\MSINFO32.EXE");
        QTest::newRow("path as stored") << 1u << odd + '\0' << "C:\\T" << true << QString(odd);
        QTest::newRow("path without zero")
            << 1u << QByteArray("C:\\i") << "C:\\T" << true << "C:\\i";
        QTest::newRow("path up to its first zero")
            << 1u << QByteArray("C:\\i\0\0", 5) << "" << true << "C:\\i";
        QTest::newRow("zero inside path")
            << 1u << QByteArray("C:\\a\0b", 6) << "" << true << "C:\\a";
        QTest::newRow("empty up to its first zero")
            << 1u << QByteArray("\0\0x", 3) << "" << true << "";
        QTest::newRow("path of 1024 bytes") << 1u << full << "" << true << QString(full);
        QTest::newRow("path of 1025 bytes") << 1u << full + 'a' << "C:\\T" << true << inFolder;
        QTest::newRow("number 261")
            << 4u << QByteArray("\x05\x01\0\0", 4) << "" << true << "&h000105";
        QTest::newRow("path of another type") << 3u << QByteArray("C:\\i") << "C:\\T" << true << "";
        QTest::newRow("path without data") << 1u << QByteArray() << "C:\\T" << true << "";
        QTest::newRow("start fails") << 1u << QByteArray("C:\\gone.exe") << "" << false << "";
        QTest::newRow("folder holds tool") << 0u << QByteArray() << "C:\\T" << true << inFolder;
        QTest::newRow("folder lacks tool") << 0u << QByteArray() << "C:\\T-" << true << "";
        QTest::newRow("nothing recorded") << 0u << QByteArray() << "" << true << "";
    }
    void findsAndStartsTool() {
        QFETCH(uint, type);
        QFETCH(QByteArray, path);
        QFETCH(QString, folder);
        QFETCH(bool, startWorks);
        QFETCH(QString, started);
        TestProgram p;
        ScriptedKeyStore& store = p.scripted.store;
        ScriptedLauncher& launcher = p.scripted.launcher;
        store.addKey(ToolKey);
        if (type) store.set(ToolKey, "PATH", type, path);
        if (!folder.isEmpty())
            store.set("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", 1,
                      folder.toLatin1() + '\0');
        if (!folder.endsWith('-')) launcher.files.append(folder + QStringLiteral("\\MSINFO32.EXE"));
        launcher.startSucceeds = startWorks;
        p.rt->show(About);
        p.click(About, "cmdSysInfo");

        // A recorded path, whatever it holds, is started without looking further or for the file.
        const bool recorded = type && path.size() <= 1024;
        QCOMPARE(store.opened.size(), recorded ? 1 : 2);
        QCOMPARE(launcher.checked.isEmpty(), recorded || folder.isEmpty());
        QCOMPARE(store.openKeys, 0);
        if (!started.isEmpty()) QCOMPARE(launcher.started, QStringList{started});
        const auto& boxes = p.scripted.dialogs.shown;
        QCOMPARE(boxes.size(), started.isEmpty() || !startWorks ? 1 : 0);
        for (const auto& box : boxes) {
            QCOMPARE(box.text, QStringLiteral("System Information Is Unavailable At This Time"));
            QCOMPARE(box.style, int(MB_OK));
            QCOMPARE(box.title, QStringLiteral("ZELTA"));
        }
        QVERIFY(p.window(About)->isVisible());
    }

    void desktopStoreOffersInstalledTool_data() {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("started");
        QTest::newRow("none") << QStringList{"top"} << "";
        QTest::newRow("one") << QStringList{"ksysguard"} << "/opt/k d/ksysguard";
        QTest::newRow("information tool first")
            << QStringList{"gnome-system-monitor", "hardinfo"} << "/opt/k d/hardinfo";
    }
    void desktopStoreOffersInstalledTool() {
        QFETCH(QStringList, installed);
        QFETCH(QString, started);
        DesktopKeyStore desktop([&](const QString& name) {
            return installed.contains(name) ? QStringLiteral("/opt/k d/") + name : QString();
        });
        ScriptedServices scripted;
        Services services = scripted.services();
        services.store = &desktop;
        Runtime rt(services);
        Module1::registerShellWindows(rt);
        rt.show(About);
        rt.loadedForm(About)->findChild<QAbstractButton*>("cmdSysInfo")->click();
        QCOMPARE(scripted.launcher.started,
                 started.isEmpty() ? QStringList{} : QStringList{started});
        QCOMPARE(scripted.dialogs.shown.size(), started.isEmpty() ? 1 : 0);

        // The value never overruns the caller's buffer.
        std::uintptr_t key = 0;
        char buffer[4];
        std::uint32_t type = 0, size = sizeof buffer;
        if (desktop.open(KeyStore::HKEY_LOCAL_MACHINE, ToolKey.toLower(), 0, &key) != 0) return;
        QCOMPARE(desktop.query(key, "path", &type, buffer, &size), KeyStore::ERROR_MORE_DATA);
        QCOMPARE(size, std::uint32_t(started.size() + 1));
        QCOMPARE(desktop.close(key), 0);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
