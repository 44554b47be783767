// Read-aloud with the real voice: an attempt typed on the main window, with
// espeak-ng speaking through the SDL engine into SDL's disk driver. Every
// new cell's problem must reach the file whole, Enter must never wait for the
// voice, and the stopwatch keeps its own time.
#include "drill/DrillTime.h"
#include "drill/ExpectedAnswer.h"
#include "drill/ProblemWording.h"
#include "platform/sound/SoundSdlEngine.h"
#include "platform/speech/EspeakSpeech.h"
#include "widgets/TButton.h"
#include "widgets/TStatusBar.h"
#include "widgets/TStringGrid.h"

#include "platform/desktop/QtTranslations.h"

#include "tests/support/FormFixture.h"

#include <QAction>
#include <QProcess>
#include <QSignalSpy>

namespace {
constexpr int kRate = 22050; // espeak-ng's own rate, so the device plays its samples unchanged

// The samples espeak-ng makes of a text, as the voice asks for them.
QByteArray VoiceSamples(const QString& text, const QString& voice = QStringLiteral("ja")) {
    QProcess espeak;
    espeak.start(QStringLiteral("espeak-ng"), {QStringLiteral("-v"), voice, QStringLiteral("--stdout"),
                                               EspeakSpeech::PronouncedBy(voice, text)});
    if (!espeak.waitForFinished(10000))
        return {};
    return EspeakSpeech::CompletedWave(espeak.readAllStandardOutput()).mid(44);
}

bool Contains(const QByteArray& all, const QByteArray& part) {
    for (qsizetype at = all.indexOf(part); at >= 0; at = all.indexOf(part, at + 1))
        if (at % 2 == 0)
            return true;
    return false;
}
} // namespace

// The main window with read-aloud on, its voice espeak-ng playing through
// the SDL engine into SDL's disk driver.
class Speaker {
public:
    Speaker() {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(out_));
        live_ = std::make_unique<Live>();
        live_->fx.voice = &live_->speech;
    }
    bool Open() {
        if (!live_->fx.Open())
            return false;
        live_->fx.form->ReadAloud1->trigger();
        return true;
    }
    FormFixture& Fixture() { return live_->fx; }
    QSignalSpy& Spoken() { return live_->spoken; }
    bool OnDisk() const { return live_->engine.DriverName() == QStringLiteral("disk"); }
    // All the device played, once it is closed.
    QByteArray Played() {
        live_.reset();
        QFile file(out_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    struct Live {
        SdlSoundEngine engine{{kRate, 1}};
        EspeakSpeech speech{engine};
        QSignalSpy spoken{&speech, &EspeakSpeech::Spoken};
        FormFixture fx;
    };
    QTemporaryDir dir_;
    QString out_ = dir_.filePath(QStringLiteral("speaker.raw"));
    std::unique_ptr<Live> live_;
};

class TestReadAloudVoice : public QObject {
    Q_OBJECT
private slots:
    void eachNewCellIsSpokenWithoutHoldingTheDrill() {
        Speaker speaker;
        QVERIFY(speaker.Open());
        FormFixture& fx = speaker.Fixture();
        QSignalSpy& spoken = speaker.Spoken();
        TForm1& form = *fx.form;
        QTRY_VERIFY(form.BitBtn7->hasFocus());

        QStringList problems;
        const DrillSheet& sheet = SheetOf(DrillKind::Addition);
        fx.ticks.now = 1000;
        QTest::keyClick(fx.Window(), Qt::Key_Return); // Start
        for (int col = 1; col <= 3; ++col) {
            problems << CellProblem(*form.StringGrid1, sheet, col, 1);
            // The key was handled before the voice had its text ready.
            QCOMPARE(spoken.size(), col - 1);
            QTRY_COMPARE_WITH_TIMEOUT(spoken.size(), col, 5000);
            QCOMPARE(spoken.last().at(0).toString(), problems.last());
            // Heard to its end before the child moves on.
            const int ms = int(VoiceSamples(problems.last()).size() / 2 * 1000 / kRate);
            QTest::qWait(ms + 300);
            for (QChar digit : ExpectedAnswer(*form.StringGrid1, sheet.operation, col, 1))
                QTest::keyClick(fx.Window(), digit.toLatin1());
            if (col < 3)
                QTest::keyClick(fx.Window(), Qt::Key_Return);
        }
        fx.ticks.now = 1000 + 83456;
        QTest::keyClick(fx.Window(), Qt::Key_F2); // Stop, incomplete
        QCOMPARE(form.StatusBar1->PanelText(PlaceOf(sheet.kind).timePanel), FormatDrillTime(83456));
        if (!speaker.OnDisk())
            QSKIP("SDL's disk driver is not available here");
        const QByteArray played = speaker.Played();
        for (const QString& problem : problems) {
            const QByteArray samples = VoiceSamples(problem);
            QVERIFY(samples.size() > kRate / 2);
            QVERIFY2(Contains(played, samples), qPrintable(problem + " was not heard whole"));
        }
    }

    // The first problem of a sheet, in the language chosen before the window
    // was made: the language's words, in its voice, heard whole.
    void eachLanguageIsHeardInItsVoice_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("word"); // of addition, as the language's schools say it
        QTest::addColumn<QString>("voice");
        QTest::newRow("English") << "en" << "plus" << "en-us";
        QTest::newRow("Portuguese") << "pt_BR" << "mais" << "pt-br";
        QTest::newRow("Chinese") << "zh_CN" << "加" << "cmn-latn-pinyin";
    }

    void eachLanguageIsHeardInItsVoice() {
        QFETCH(QString, code);
        QFETCH(QString, word);
        QFETCH(QString, voice);
        ProgramTranslations translations;
        QVERIFY(translations.Apply(code));
        Speaker speaker;
        QVERIFY(speaker.Open());
        FormFixture& fx = speaker.Fixture();
        QTRY_VERIFY(fx.form->BitBtn7->hasFocus());
        QTest::keyClick(fx.Window(), Qt::Key_Return); // Start
        const QString problem = CellProblem(*fx.form->StringGrid1, SheetOf(DrillKind::Addition), 1, 1);
        QVERIFY2(problem.split(u' ').contains(word), qPrintable(problem));
        QTRY_COMPARE_WITH_TIMEOUT(speaker.Spoken().size(), 1, 5000);
        QCOMPARE(speaker.Spoken().last().at(0).toString(), problem);
        QTest::qWait(int(VoiceSamples(problem, voice).size() / 2 * 1000 / kRate) + 300);
        if (!speaker.OnDisk())
            QSKIP("SDL's disk driver is not available here");
        const QByteArray played = speaker.Played(), samples = VoiceSamples(problem, voice);
        QVERIFY(samples.size() > kRate / 2);
        QVERIFY2(Contains(played, samples), qPrintable(problem + " was not heard whole in " + voice));
        // Not the Japanese voice reading foreign words.
        QVERIFY(!Contains(played, VoiceSamples(problem, QStringLiteral("ja"))));
    }
};

QTEST_MAIN(TestReadAloudVoice)
#include "tst_readaloudvoice.moc"
