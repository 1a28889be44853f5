#include "platform/path_text.h"

#include <QTest>
#include <string_view>

using namespace zentadial;

namespace {

// The code units as they are, lone surrogates included.
QString units(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

} // namespace

class TestPathText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bytesRoundTrip_data();
    void bytesRoundTrip();
    void folderOfPath_data();
    void folderOfPath();
    void joinedPath_data();
    void joinedPath();
};

// What the file libraries take and give (bytes, UTF-8 where they are) and the
// text the window shows: each byte that is no UTF-8 comes back as itself.
void TestPathText::bytesRoundTrip_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("ASCII") << QByteArray("/home/pilot/a.scn") << QStringLiteral("/home/pilot/a.scn");
    QTest::newRow("accented") << QByteArray("C:\\K\xc3\xa4se") << QStringLiteral("C:\\Käse");
    QTest::newRow("Japanese") << QStringLiteral("シナリオ/月面.scn").toUtf8() << QStringLiteral("シナリオ/月面.scn");
    QTest::newRow("beyond the BMP") << QByteArray("\xf0\x9f\x9a\x80") << QStringLiteral("\U0001F680");
    QTest::newRow("pair whose low half looks like an escape")
        << QByteArray("\xf0\x90\x82\x80") << QStringLiteral("\U00010080");
    QTest::newRow("Latin-1 letters") << QByteArray("f\xfcr J\xf6rg")
        << units(u"f\xdcfcr J\xdcf6rg");
    QTest::newRow("lone continuation byte") << QByteArray("a\x80") << units(u"a\xdc80");
    QTest::newRow("sequence cut at the end") << QByteArray("a\xe6\x9c") << units(u"a\xdce6\xdc9c");
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xb2\x80") << units(u"\xdced\xdcb2\xdc80");
    QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << units(u"\xdcc0\xdcaf");
    QTest::newRow("empty") << QByteArray() << QString();
    // clang-format on
}

void TestPathText::bytesRoundTrip() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    const std::string raw = bytes.toStdString();
    QCOMPARE(pathFromUtf8(raw), text);
    QCOMPARE(pathToUtf8(text), raw);
}

void TestPathText::folderOfPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::newRow("nested") << "/home/pilot/a.scn"
                            << "/home/pilot";
    QTest::newRow("in the root") << "/a.scn"
                                 << "/";
    QTest::newRow("bare name") << "a.scn" << QString();
    QTest::newRow("Latin-1 folder") << units(u"/m/f\xdcfcr/a.scn") << units(u"/m/f\xdcfcr");
#ifdef Q_OS_WIN
    QTest::newRow("drive root keeps its separator") << "C:\\a.scn"
                                                    << "C:\\";
    QTest::newRow("Qt's slashes") << "C:/x/a.scn"
                                  << "C:/x";
    QTest::newRow("accented") << "C:\\Users\\José\\Käse\\a.scn"
                              << "C:\\Users\\José\\Käse";
#else
    QTest::newRow("backslash is a name's own") << "/x/a\\b.scn"
                                               << "/x";
#endif
}

void TestPathText::folderOfPath() {
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QCOMPARE(zentadial::folderOfPath(path), folder);
}

void TestPathText::joinedPath_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("joined");
    QTest::newRow("root") << "/"
                          << "a"
                          << "/a";
    QTest::newRow("folder") << "/home"
                            << "a b"
                            << "/home/a b";
    QTest::newRow("Japanese") << "/シナリオ"
                              << "月面"
                              << "/シナリオ/月面";
#ifdef Q_OS_WIN
    QTest::newRow("drive root in native form") << "c:\\"
                                               << "New"
                                               << "c:\\New";
    QTest::newRow("Qt's slashes") << "C:/x"
                                  << "y"
                                  << "C:/x/y";
    QTest::newRow("native form") << "c:\\x"
                                 << "y"
                                 << "c:\\x\\y";
#endif
}

void TestPathText::joinedPath() {
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, joined);
    QCOMPARE(zentadial::joinedPath(folder, name), joined);
}

QTEST_MAIN(TestPathText)
#include "tst_path_text.moc"
