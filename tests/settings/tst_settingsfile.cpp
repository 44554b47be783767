// The settings file on disk: defaults, integer and boolean reading, exact
// string round trips in code page 932, edits that keep the rest of the
// file, failed writes, and the path rule.
#include "core/VantelError.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Stands for "no file at all" in the tables.
const QByteArray kNoFile("<no file>");

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : kNoFile;
}

void putFile(const QString& path, const QByteArray& bytes) {
    if (bytes == kNoFile)
        return;
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Root writes through any permission bits; run the write as "nobody" then.
// The saved user id stays root, so the rights come back afterwards.
class AsUnprivileged {
public:
    AsUnprivileged() : switched_(geteuid() == 0 && setresuid(65534, 65534, 0) == 0) {}
    ~AsUnprivileged() {
        if (switched_ && setresuid(0, 0, 0) != 0)
            qFatal("cannot restore the user id");
    }
    bool Ok() const { return geteuid() != 0; }

private:
    bool switched_;
};
} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString path() const { return dir_.filePath("vantel.ini"); }

private slots:
    void init() { QFile::remove(path()); }

    void readString_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QString d = "59:59"; // the default passed in every row
        QTest::newRow("missing file") << kNoFile << "the highest score"
                                      << "kuku" << d;
        QTest::newRow("missing section") << QByteArray("[form1]\r\ntop=5\r\n") << "the highest score"
                                         << "kuku" << d;
        QTest::newRow("missing key") << QByteArray("[the highest score]\r\naddition=01:00\r\n")
                                     << "the highest score"
                                     << "kuku" << d;
        QTest::newRow("key of another section")
            << QByteArray("[form1]\r\nkuku=01:00\r\n[the highest score]\r\n") << "the highest score"
            << "kuku" << d;
        QTest::newRow("empty value is a value") << QByteArray("[Text]\r\nUserName=\r\n") << "Text"
                                                << "UserName"
                                                << "";
        QTest::newRow("names ignore case") << QByteArray("[TEXT]\r\nusername=Taro\r\n") << "Text"
                                           << "UserName"
                                           << "Taro";
        QTest::newRow("blanks around names") << QByteArray("  [ Text ] \r\n\tUserName =Taro\r\n") << "Text"
                                             << "UserName"
                                             << "Taro";
        QTest::newRow("value read exactly") << QByteArray("[Text]\r\nUserName= a=b;c \r\n") << "Text"
                                            << "UserName"
                                            << " a=b;c ";
        QTest::newRow("first of two keys") << QByteArray("[Text]\r\nUserName=A\r\nUserName=B\r\n") << "Text"
                                           << "UserName"
                                           << "A";
        QTest::newRow("LF and CR line ends") << QByteArray("[a]\nk=1\r[Text]\rUserName=Taro\n") << "Text"
                                             << "UserName"
                                             << "Taro";
        QTest::newRow("code page 932 value")
            << QByteArray("[Text]\r\nUserName=\x8e\x52\x93\x63\r\n") << "Text"
            << "UserName"
            << "山田";
        // 0x835D is "ゾ": its second byte is "]".
        QTest::newRow("section name with ] as a second byte")
            << QByteArray("[\x83\x5d\x83\x5d]\r\nk=v\r\n") << "ゾゾ"
            << "k"
            << "v";
        QTest::newRow("header without ]") << QByteArray("[form1]\r\n[Text\r\nUserName=Taro\r\n") << "Text"
                                          << "UserName"
                                          << "Taro";
        static const char corrupt[] =
            "\x00\xff\xfe\x01garbage\r\nno equals sign\r\n[Text]\r\n\x82\r\nUserName=Taro\r\n\xff[";
        QTest::newRow("corrupt lines around the key") << QByteArray(corrupt, sizeof corrupt - 1) << "Text"
                                                      << "UserName"
                                                      << "Taro";
        QTest::newRow("value longer than 2047 bytes")
            << QByteArray("[Text]\r\nUserName=" + QByteArray(5000, 'x') + "\r\n") << "Text"
            << "UserName" << QString(5000, u'x');
    }
    void readString() {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        putFile(path(), file);
        QCOMPARE(SettingsFile(path()).ReadString(section, key, "59:59"), expected);
    }

    void readInteger_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("defaultValue");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << QByteArray("718") << 0 << 718;
        QTest::newRow("negative") << QByteArray("-25") << 0 << -25;
        QTest::newRow("plus sign") << QByteArray("+25") << 0 << 25;
        QTest::newRow("hex") << QByteArray("0x10") << 0 << 16;
        QTest::newRow("hex, upper case") << QByteArray("0X1F") << 0 << 31;
        QTest::newRow("negative hex") << QByteArray("-0x10") << 0 << -16;
        QTest::newRow("leading zero is not octal") << QByteArray("010") << 0 << 10;
        QTest::newRow("blanks around") << QByteArray(" 42 ") << 0 << 42;
        QTest::newRow("smallest") << QByteArray("-2147483648") << 0 << INT_MIN;
        QTest::newRow("largest") << QByteArray("2147483647") << 0 << INT_MAX;
        QTest::newRow("letters, default 0") << QByteArray("abc") << 0 << 0;
        QTest::newRow("letters give the default") << QByteArray("abc") << 7 << 7;
        QTest::newRow("empty") << QByteArray("") << 7 << 7;
        QTest::newRow("trailing letters") << QByteArray("12px") << 7 << 7;
        QTest::newRow("bare 0x") << QByteArray("0x") << 7 << 7;
        QTest::newRow("bad hex digit") << QByteArray("0x1g") << 7 << 7;
        QTest::newRow("too large") << QByteArray("2147483648") << 7 << 7;
        QTest::newRow("far too large") << QByteArray("99999999999999999999999") << 7 << 7;
        QTest::newRow("full-width digits") << QByteArray("\x82\x50") << 7 << 7;
    }
    void readInteger() {
        QFETCH(QByteArray, stored);
        QFETCH(int, defaultValue);
        QFETCH(int, expected);
        putFile(path(), "[form1]\r\ntop=" + stored + "\r\n");
        QCOMPARE(SettingsFile(path()).ReadInteger("form1", "top", defaultValue), expected);
    }

    void readBool_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("defaultValue");
        QTest::addColumn<bool>("expected");
        QTest::newRow("1") << QByteArray("[CheckBox1]\r\nChecked=1\r\n") << false << true;
        QTest::newRow("2 is true") << QByteArray("[CheckBox1]\r\nChecked=2\r\n") << false << true;
        QTest::newRow("-1 is true") << QByteArray("[CheckBox1]\r\nChecked=-1\r\n") << false << true;
        QTest::newRow("0") << QByteArray("[CheckBox1]\r\nChecked=0\r\n") << true << false;
        QTest::newRow("0x0") << QByteArray("[CheckBox1]\r\nChecked=0x0\r\n") << true << false;
        QTest::newRow("text gives the default")
            << QByteArray("[CheckBox1]\r\nChecked=yes\r\n") << true << true;
        QTest::newRow("empty gives the default") << QByteArray("[CheckBox1]\r\nChecked=\r\n") << true << true;
        QTest::newRow("missing key") << QByteArray("[CheckBox1]\r\n") << true << true;
        QTest::newRow("missing file") << kNoFile << false << false;
    }
    void readBool() {
        QFETCH(QByteArray, file);
        QFETCH(bool, defaultValue);
        QFETCH(bool, expected);
        putFile(path(), file);
        QCOMPARE(SettingsFile(path()).ReadBool("CheckBox1", "Checked", defaultValue), expected);
    }

    void checkedTwoIsWrittenBackAsOne() {
        putFile(path(), "[CheckBox1]\r\nChecked=2\r\n");
        SettingsFile settings(path());
        settings.WriteBool("CheckBox1", "Checked", settings.ReadBool("CheckBox1", "Checked", false));
        QCOMPARE(fileBytes(path()), QByteArray("[CheckBox1]\r\nChecked=1\r\n"));
    }

    void write_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("creates the file") << kNoFile << "Text"
                                          << "UserName"
                                          << "Taro" << QByteArray("[Text]\r\nUserName=Taro\r\n");
        QTest::newRow("adds a section after the others")
            << QByteArray("[form1]\r\ntop=5\r\n") << "Text"
            << "UserName"
            << "Taro" << QByteArray("[form1]\r\ntop=5\r\n\r\n[Text]\r\nUserName=Taro\r\n");
        QTest::newRow("adds a key at the end of its section")
            << QByteArray("[form1]\r\ntop=5\r\n\r\n[Text]\r\n") << "FORM1"
            << "left"
            << "3" << QByteArray("[form1]\r\ntop=5\r\nleft=3\r\n\r\n[Text]\r\n");
        QTest::newRow("replaces the value, keeps every other line")
            << QByteArray("; note\n[FORM1]\nTOP = 5\r\njunk\xff\r\n[x]\rk=v") << "form1"
            << "top"
            << "7" << QByteArray("; note\n[FORM1]\nTOP =7\r\njunk\xff\r\n[x]\rk=v\r\n");
        QTest::newRow("code page 932 on disk")
            << kNoFile << "Sound1"
            << "FileName"
            << "/home/山田/ソ表.wav"
            << QByteArray("[Sound1]\r\nFileName=/home/\x8e\x52\x93\x63/\x83\x5c\x95\x5c.wav\r\n");
        QTest::newRow("line breaks cannot add lines")
            << kNoFile << "Text"
            << "UserName"
            << "a\r\n[form1]\ntop=9" << QByteArray("[Text]\r\nUserName=a  [form1] top=9\r\n");
    }
    void write() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        putFile(path(), before);
        SettingsFile(path()).WriteString(section, key, value);
        QCOMPARE(fileBytes(path()), after);
    }

    void stringRoundTrip_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << "";
        QTest::newRow("leading and trailing spaces") << "  Taro  ";
        QTest::newRow("tab") << "\tTaro";
        QTest::newRow("equals signs") << "a=b=c";
        QTest::newRow("semicolon") << "x ;not a comment";
        QTest::newRow("quotes") << "\"Taro\"";
        QTest::newRow("looks like a section") << "[form1]";
        QTest::newRow("Japanese name") << "やまだ　たろう";
        QTest::newRow("Japanese path") << "/home/たろう/ソフト/表示.wav";
        QTest::newRow("5000 bytes") << QString(2500, u'表');
    }
    void stringRoundTrip() {
        QFETCH(QString, value);
        putFile(path(), "[Text]\r\nUserName=old\r\n[form1]\r\ntop=5\r\n");
        SettingsFile(path()).WriteString("Text", "UserName", value);
        SettingsFile again(path());
        QCOMPARE(again.ReadString("Text", "UserName", "default"), value);
        QCOMPARE(again.ReadInteger("form1", "top", 0), 5);
    }

    void integerRoundTrip_data() {
        QTest::addColumn<int>("value");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -120;
        QTest::newRow("smallest") << INT_MIN;
        QTest::newRow("largest") << INT_MAX;
    }
    void integerRoundTrip() {
        QFETCH(int, value);
        SettingsFile(path()).WriteInteger("form2", "left", value);
        QCOMPARE(SettingsFile(path()).ReadInteger("form2", "left", 1), value);
    }

    // The values saved at close go into the file in one replacement: until
    // Commit the file is as it was, and a failed commit leaves it so.
    void updateWritesOnceAtCommit() {
        const QByteArray old("[form1]\r\ntop=5\r\n");
        putFile(path(), old);
        SettingsFile ini(path());
        ini.BeginUpdate();
        ini.WriteInteger("form1", "top", 7);
        ini.WriteString("Text", "UserName", "はなこ");
        QCOMPARE(fileBytes(path()), old);
        QCOMPARE(ini.ReadInteger("form1", "top", 0), 7);
        ini.Commit();
        QCOMPARE(fileBytes(path()),
                 QByteArray("[form1]\r\ntop=7\r\n\r\n[Text]\r\nUserName=\x82\xcd\x82\xc8\x82\xb1\r\n"));
        // After the commit each write goes to the file at once again.
        ini.WriteInteger("form1", "top", 8);
        QCOMPARE(SettingsFile(path()).ReadInteger("form1", "top", 0), 8);
    }

    void failedCommitKeepsTheOldFile() {
        const QString folder = dir_.filePath("gone");
        QVERIFY(QDir().mkdir(folder));
        const QString file = folder + "/vantel.ini";
        SettingsFile ini(file);
        ini.BeginUpdate();
        ini.WriteInteger("form1", "top", 7);
        // The folder becomes a file, so nothing can be written where the settings go.
        QVERIFY(QDir().rmdir(folder));
        putFile(folder, "not a folder");
        QString message;
        try {
            ini.Commit();
        } catch (const VantelError& error) {
            message = error.Message();
        }
        QCOMPARE(message, file + " に書き込めません");
        QCOMPARE(fileBytes(folder), QByteArray("not a folder"));
    }

    void writeCreatesTheFolder() {
        const QString nested = dir_.filePath("config/vantel/vantel.ini");
        SettingsFile(nested).WriteString("Text", "UserName", "Taro");
        QCOMPARE(SettingsFile(nested).ReadString("Text", "UserName", ""), "Taro");
    }

    void failedWrite_data() {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("fileMode");
        QTest::newRow("read-only folder") << 0555 << 0644;
        QTest::newRow("read-only file") << 0777 << 0444;
        QTest::newRow("unreadable file") << 0777 << 0200;
    }
    void failedWrite() {
        QFETCH(int, folderMode);
        QFETCH(int, fileMode);
        QTemporaryDir parent;
        QVERIFY(chmod(QFile::encodeName(parent.path()).constData(), 0755) == 0);
        const QString folder = parent.filePath("フォルダ");
        QVERIFY(QDir().mkdir(folder));
        const QString file = folder + "/vantel.ini";
        const QByteArray old("[Text]\r\nUserName=Taro\r\n");
        putFile(file, old);
        // The file belongs to whoever writes it, so only its mode stands in the way.
        if (geteuid() == 0)
            QVERIFY(chown(QFile::encodeName(file).constData(), 65534, gid_t(-1)) == 0);
        QVERIFY(chmod(QFile::encodeName(file).constData(), mode_t(fileMode)) == 0);
        QVERIFY(chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)) == 0);
        QString message;
        {
            AsUnprivileged guard;
            if (!guard.Ok())
                QSKIP("cannot drop root rights, so permissions are not enforced");
            try {
                SettingsFile(file).WriteString("Text", "UserName", "Jiro");
            } catch (const VantelError& error) {
                message = error.Message();
            }
        }
        QVERIFY(chmod(QFile::encodeName(folder).constData(), 0755) == 0);
        QVERIFY(chmod(QFile::encodeName(file).constData(), 0644) == 0);
        QCOMPARE(message, file + " に書き込めません");
        QCOMPARE(fileBytes(file), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"vantel.ini"});
    }

    void pathRule_data() {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("xdgConfigHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("extension replaced") << "/opt/v/VANTEL.EXE" << true << ""
                                            << "/opt/v/VANTEL.ini";
        QTest::newRow("appended when absent") << "/opt/v/vantel" << true << ""
                                              << "/opt/v/vantel.ini";
        QTest::newRow("dot in a folder name only") << "/opt/v.1/vantel" << true << ""
                                                   << "/opt/v.1/vantel.ini";
        QTest::newRow("hidden file name") << "/opt/v/.vantel" << true << ""
                                          << "/opt/v/.vantel.ini";
        QTest::newRow("Japanese folder") << "/home/山田/算数/vantel" << true << ""
                                         << "/home/山田/算数/vantel.ini";
        QTest::newRow("read-only folder") << "/usr/bin/vantel" << false << "/x/cfg"
                                          << "/x/cfg/vantel/vantel.ini";
        QTest::newRow("trailing slash") << "/usr/bin/vantel" << false << "/x/cfg/"
                                        << "/x/cfg/vantel/vantel.ini";
        QTest::newRow("XDG unset") << "/usr/bin/vantel" << false << ""
                                   << "/home/u/.config/vantel/vantel.ini";
        QTest::newRow("XDG relative is ignored") << "/usr/bin/vantel" << false << "cfg"
                                                 << "/home/u/.config/vantel/vantel.ini";
    }
    void pathRule() {
        QFETCH(QString, executable);
        QFETCH(bool, writable);
        QFETCH(QString, xdgConfigHome);
        QFETCH(QString, expected);
        QCOMPARE(SettingsPathFor(executable, writable, xdgConfigHome, "/home/u"), expected);
    }

    void installedProgram_data() {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("expected");
        // Root may write /usr/bin; an installed program still keeps out of it.
        QTest::newRow("writable folder") << true << "/x/cfg/vantel/vantel.ini";
        QTest::newRow("read-only folder") << false << "/x/cfg/vantel/vantel.ini";
    }
    void installedProgram() {
        QFETCH(bool, writable);
        QFETCH(QString, expected);
        QCOMPARE(SettingsPathFor("/usr/bin/vantel", writable, "/x/cfg", "/home/u", true), expected);
    }

    void installedLayout_data() {
        QTest::addColumn<QString>("made");   // what exists below the temporary root
        QTest::addColumn<QString>("folder"); // the program's folder below it
        QTest::addColumn<bool>("installed");
        QTest::newRow("prefix with share/vantel") << "share/vantel/"
                                                  << "bin" << true;
        QTest::newRow("other prefix names") << "share/vantel/"
                                            << "opt" << true;
        QTest::newRow("build folder") << "share/other/"
                                      << "bin" << false;
        QTest::newRow("share/vantel is a file") << "share/vantel"
                                                << "bin" << false;
        QTest::newRow("data beside, not above") << "bin/share/vantel/"
                                                << "bin" << false;
    }
    void installedLayout() {
        QFETCH(QString, made);
        QFETCH(QString, folder);
        QFETCH(bool, installed);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(QDir(root.path()).mkpath(folder));
        const QString madePath = root.filePath(made);
        QVERIFY(QDir().mkpath(made.endsWith('/') ? madePath : QFileInfo(madePath).path()));
        if (!made.endsWith('/'))
            putFile(madePath, "");
        QCOMPARE(IsInstalledLayout(root.filePath(folder)), installed);
    }

    void defaultPath() {
        // The test program has no extension and its build folder is writable.
        QCOMPARE(DefaultSettingsPath(), QCoreApplication::applicationFilePath() + ".ini");
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
