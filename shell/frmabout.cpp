// SPDX-FileCopyrightText: 2026 Zelta contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/frmabout.h"

#include "shell/artwork.h"

#include <QKeyEvent>
#include <QLabel>
#include <stdexcept>

using namespace zr;

namespace {
// Where the system-information tool is recorded: its full file name, or else the folder
// that holds it.
const QString ToolKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ToolValue = QStringLiteral("PATH");
const QString ToolFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString ToolFolderValue = QStringLiteral("MSINFO");
const QString ToolFile = QStringLiteral("\\MSINFO32.EXE");

constexpr std::uint32_t ValueBufferSize = 1024;

// Closes an open key on every way out of a lookup, an error included.
struct OpenKey {
    KeyStore& store;
    std::uintptr_t handle;
    ~OpenKey() { store.close(handle); }
};
} // namespace

frmAbout::frmAbout(Runtime& rt) : Form(rt, Name, Kind::TopLevel) {
    // A fixed dialog frame with only a close box; dialogs stay out of the task bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setGeometry(twRect({2340, 1935, 5730, 3555}));
    setFixedSize(size());

    // Tab order is creation order.
    cmdOK = new CommandButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"),
                              {4200, 2625, 1260, 345});
    cmdOK->setDefault(true);

    picIcon = new QLabel(this);
    place(picIcon, QStringLiteral("picIcon"), QStringLiteral("Program icon"), {240, 240, 540, 540});
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);
    picIcon->setPixmap(QPixmap::fromImage(artwork::aboutBox())); // its size, and the border

    cmdSysInfo = new CommandButton(this, QStringLiteral("cmdSysInfo"),
                                   QStringLiteral("&System Info..."), {4260, 3075, 1245, 345});

    lblDescription = new Label(this, QStringLiteral("lblDescription"),
                               QStringLiteral("Allows investigations of the Logistic Mapping "
                                              "x-->kx(1-x) and Sierpinski's Sieve"),
                               {1050, 1125, 3885, 1170});
    lblDescription->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 9.75));
    lblDisclaimer =
        new Label(this, QStringLiteral("lblDisclaimer"),
                  QStringLiteral("Warning: ...The use of this application is the responsibility "
                                 "of the user and the author accepts no liability for any "
                                 "accidental errors"),
                  {255, 2625, 3870, 825});
    lblTitle = new Label(this, QStringLiteral("lblTitle"), QStringLiteral("Application Title"),
                         {1050, 240, 3885, 480});
    lblTitle->setFont(layoutFont(QStringLiteral("MS Sans Serif"), 12, true));
    lblVersion = new Label(this, QStringLiteral("lblVersion"), QStringLiteral("Version"),
                           {1050, 765, 3885, 225});
    for (Label* label : {lblDescription, lblDisclaimer, lblTitle})
        label->setForeColor(Black);

    // The white line goes first so that the grey one is drawn over it where they touch.
    Line1[0] = new LineShape(this, QStringLiteral("Line1"), 105, 2460, 5654, 2460, White, 2);
    Line1[1] = new LineShape(this, QStringLiteral("Line1"), 90, 2445, 5654, 2445, 0x808080, 1);
    for (std::size_t i = 0; i < Line1.size(); ++i)
        Line1[i]->setProperty("index", int(i));
}

void frmAbout::Form_Load() {
    setCaption(QStringLiteral("About ") + AppInfo::title);
    lblVersion->setCaption(AppInfo::versionText());
    lblTitle->setCaption(AppInfo::title);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        cmdOK->click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // As in any dialog: the button that has the focus, else the default one.
        (focusWidget() == cmdSysInfo ? cmdSysInfo : cmdOK)->click();
        return;
    default:
        Form::keyPressEvent(event);
    }
}

void frmAbout::cmdOK_Click() {
    Unload();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    try {
        QString SysInfoPath;
        if (!GetKeyValue(KeyStore::HKEY_LOCAL_MACHINE, ToolKey, ToolValue, SysInfoPath)) {
            if (!GetKeyValue(KeyStore::HKEY_LOCAL_MACHINE, ToolFolderKey, ToolFolderValue,
                             SysInfoPath))
                throw std::runtime_error("no system information tool recorded");
            if (!rt().launcher().fileExists(SysInfoPath + ToolFile))
                throw std::runtime_error("system information tool missing");
            SysInfoPath += ToolFile;
        }
        // The text is one program's file name and goes to the launcher as such, never to a
        // shell: blanks, quotes or separators in it cannot make it run anything else. Like
        // the system, the launcher reads the name up to its first zero byte.
        const QString program = SysInfoPath.left(SysInfoPath.indexOf(QChar(0)));
        if (!program.isEmpty() && rt().launcher().start(program)) return;
    } catch (const std::exception&) {
    }
    rt().msgBox(Unavailable, MB_OK, AppInfo::title);
}

bool frmAbout::GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                           QString& KeyVal) {
    KeyStore& store = rt().store();
    std::uintptr_t hKey = 0;
    if (store.open(KeyRoot, KeyName.toLocal8Bit(), KeyAccess, &hKey) != KeyStore::ERROR_SUCCESS)
        return false;
    const OpenKey key{store, hKey};

    char tmpVal[ValueBufferSize] = {};
    std::uint32_t KeyValSize = ValueBufferSize;
    std::uint32_t KeyValType = 0;
    if (store.query(hKey, SubKeyRef.toLocal8Bit(), &KeyValType, tmpVal, &KeyValSize) !=
        KeyStore::ERROR_SUCCESS)
        return false;
    if (KeyValSize == 0) throw std::runtime_error("value without data");
    // Never past the buffer, whatever size a store reports.
    QByteArray data(tmpVal, std::min(KeyValSize, ValueBufferSize));
    // Text is stored with a terminating zero byte, which is no part of the value.
    if (data.endsWith('\0')) data.chop(1);

    switch (KeyValType) {
    case KeyStore::REG_SZ:
        KeyVal = QString::fromLocal8Bit(data);
        break;
    case KeyStore::REG_DWORD: {
        // The bytes are stored least significant first; the text puts the most
        // significant first, two hexadecimal digits for each byte.
        QString digits;
        for (auto i = data.size(); i-- > 0;)
            digits += QStringLiteral("%1")
                          .arg(static_cast<unsigned char>(data.at(i)), 2, 16, QLatin1Char('0'))
                          .toUpper();
        // Left as "&h" and the digits: nothing reads such a value as a number.
        KeyVal = QStringLiteral("&h") + digits;
        break;
    }
    default:
        break; // other kinds of data are not converted
    }
    return true;
}
