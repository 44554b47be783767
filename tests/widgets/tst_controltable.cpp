// Windows made from their tables: each row becomes a control of its kind
// with its facts, and the binder hands the controls to typed members or says
// what does not fit.
#include "widgets/ClickLabel.h"
#include "widgets/ControlTable.h"
#include "widgets/Fonts.h"
#include "widgets/PictureBox.h"
#include "widgets/TButton.h"
#include "widgets/TPageControl.h"
#include "widgets/TStatusBar.h"
#include "widgets/TStringGrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <array>
#include <memory>

namespace {
QIcon Dot() {
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::red);
    return QIcon(pixmap);
}

using K = ControlKind;
// clang-format off
constexpr std::array kRows{
    ControlRow{"Pages",  K::PageControl, "",       0,   0, 300, 200, "", 15, true}.TabHeight(30),
    ControlRow{"PageA",  K::Page,        "Pages",  0,   0,   0,   0, " A "},
    ControlRow{"PageB",  K::Page,        "Pages",  0,   0,   0,   0, " B "},
    ControlRow{"Box",    K::GroupBox,    "PageA",  5,   5, 250, 150, "Box", 13, true},
    ControlRow{"Go",     K::Button,      "Box",   10,  20,  60,  25, "Go", 12, false, "go now"}.WithGlyph(&Dot, 24),
    ControlRow{"Ok",     K::PushButton,  "Box",   80,  20,  40,  25, "OK"}.Off(),
    ControlRow{"Field",  K::Edit,        "Box",   10,  50, 100,  20}.Off(),
    ControlRow{"Tick",   K::CheckBox,    "Box",   10,  80,   5,  17, "a caption wider than five pixels"},
    ControlRow{"Text",   K::Label,       "Box",   10, 110,   0,   0, "plain", 13},
    ControlRow{"Mail",   K::Link,        "PageB", 10,  10,  50,  12, "me@example", 12}.Mincho(),
    ControlRow{"Grid",   K::Grid,        "PageB", 10,  40, 200, 100},
    ControlRow{"Icon",   K::Image,       "PageB", 220, 40,  8,   8}.WithGlyph(&Dot),
    ControlRow{"Photo",  K::Picture,     "PageB", 220, 60, 40,  40},
    ControlRow{"Bevel",  K::Frame,       "PageB", 215, 35, 50,  70},
    ControlRow{"Status", K::StatusBar,   "",       0, 200, 300,  20, "", 16, true},
};
// clang-format on

// A window with a member for some of the controls, as a form has.
class Owner : public QWidget {
    Q_OBJECT
public:
    QTabWidget* Pages = nullptr;
    TButton* Go = nullptr;
    QLineEdit* Field = nullptr;
    ClickLabel* Mail = nullptr;
    TStatusBar* Status = nullptr;
};
} // namespace

class TestControlTable : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> root;
    MadeControls made;

    template <typename T> T* control(const char* name) const { return qobject_cast<T*>(made.value(name)); }

private slots:
    void init() {
        InstallFontSubstitutions();
        root = std::make_unique<QWidget>();
        made = BuildControls(root.get(), kRows);
    }
    void cleanup() { root.reset(); }

    void everyRowIsMadeOnceWithItsName() {
        QCOMPARE(made.size(), int(kRows.size()));
        for (const ControlRow& row : kRows) {
            QObject* control = made.value(row.name);
            QVERIFY2(control, row.name);
            QCOMPARE(control->objectName(), QString::fromUtf8(row.name));
        }
    }

    void eachKindMakesItsClass_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::newRow("button presses on Enter") << "Go"
                                                 << "TButton";
        QTest::newRow("plain push button") << "Ok"
                                           << "QPushButton";
        QTest::newRow("edit") << "Field"
                              << "TEdit";
        QTest::newRow("check box") << "Tick"
                                   << "QCheckBox";
        QTest::newRow("label") << "Text"
                               << "QLabel";
        QTest::newRow("link") << "Mail"
                              << "ClickLabel";
        QTest::newRow("grid") << "Grid"
                              << "TStringGrid";
        QTest::newRow("image") << "Icon"
                               << "QLabel";
        QTest::newRow("picture") << "Photo"
                                 << "PictureBox";
        QTest::newRow("frame") << "Bevel"
                               << "QFrame";
        QTest::newRow("page control") << "Pages"
                                      << "TPageControl";
        QTest::newRow("status bar") << "Status"
                                    << "TStatusBar";
        QTest::newRow("group box") << "Box"
                                   << "QGroupBox";
    }
    void eachKindMakesItsClass() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QCOMPARE(QString::fromLatin1(made.value(name)->metaObject()->className()), className);
    }

    void pagesAreTabsOfTheirPageControlAndParentTheirControls() {
        auto* pages = control<QTabWidget>("Pages");
        QCOMPARE(pages->count(), 2);
        QVERIFY(pages->widget(0) == made.value("PageA"));
        QCOMPARE(pages->tabText(1), " B ");
        QCOMPARE(pages->tabBar()->tabRect(0).height(), 30);
        QVERIFY(control<QWidget>("Box")->parentWidget() == made.value("PageA"));
        QVERIFY(control<QWidget>("Go")->parentWidget() == made.value("Box"));
        QVERIFY(control<QWidget>("Status")->parentWidget() == root.get());
    }

    void rowFactsReachTheControl() {
        auto* go = control<TButton>("Go");
        QCOMPARE(go->geometry(), QRect(10, 20, 60, 25));
        QCOMPARE(go->toolTip(), "go now");
        QVERIFY(!go->icon().isNull());
        QCOMPARE(go->iconSize(), QSize(24, 24));
        QVERIFY(go->isEnabled());
        QVERIFY(!control<QWidget>("Ok")->isEnabled());
        QVERIFY(!control<QWidget>("Field")->isEnabled());
        QCOMPARE(control<QWidget>("Box")->font().bold(), true);
        QCOMPARE(control<QWidget>("Box")->font().pixelSize(), 13);
        QCOMPARE(control<QLabel>("Icon")->pixmap().size(), QSize(8, 8));
    }

    void linksAreUnderlinedInTheirFace() {
        auto* mail = control<ClickLabel>("Mail");
        QVERIFY(mail->font().underline());
        QCOMPARE(mail->font().family(), LayoutFont(kMinchoFace, 12).family());
        QCOMPARE(mail->font().pixelSize(), 12);
        QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!control<QLabel>("Text")->font().underline());
    }

    void captionsAreNeverCut() {
        auto* tick = control<QCheckBox>("Tick");
        QVERIFY(tick->width() >= tick->sizeHint().width());
        auto* text = control<QLabel>("Text");
        QCOMPARE(text->size(), text->sizeHint());
    }

    void tableOrderIsTabOrder() {
        QStringList chain;
        QWidget* widget = control<QWidget>("Go");
        for (int step = 0; step < 3; ++step) {
            chain << widget->objectName();
            widget = widget->nextInFocusChain();
        }
        QCOMPARE(chain, (QStringList{"Go", "Ok", "Field"}));
    }

    void finishSeesEveryControlWithItsRow() {
        QWidget window;
        QStringList seen;
        BuildControls(&window, kRows, [&](QWidget* control, const ControlRow& row) {
            QCOMPARE(control->objectName(), QString::fromUtf8(row.name));
            seen << control->objectName();
        });
        QCOMPARE(seen.size(), int(kRows.size()));
        QCOMPARE(seen.first(), "Pages");
        QCOMPARE(seen.last(), "Status");
    }

    void binderFillsTypedMembers() {
        Owner owner;
        const QStringList faults = BindingFaults<Owner>(owner, made,
                                                        {
                                                            {"Pages", &Owner::Pages},
                                                            {"Go", &Owner::Go},
                                                            {"Field", &Owner::Field},
                                                            {"Mail", &Owner::Mail},
                                                            {"Status", &Owner::Status},
                                                        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        QVERIFY(owner.Pages == made.value("Pages"));
        QVERIFY(owner.Go == made.value("Go"));
        QVERIFY(owner.Field == made.value("Field"));
        QVERIFY(owner.Mail == made.value("Mail"));
        QVERIFY(owner.Status == made.value("Status"));
    }

    void binderNamesWhatDoesNotFit() {
        Owner owner;
        const QStringList faults = BindingFaults<Owner>(owner, made,
                                                        {
                                                            {"Gone", &Owner::Go},
                                                            {"Ok", &Owner::Go},     // a plain push button
                                                            {"Text", &Owner::Mail}, // a label, not a link
                                                            {"Field", &Owner::Field},
                                                        });
        QCOMPARE(faults.size(), 3);
        QVERIFY(faults[0].contains("Gone"));
        QVERIFY(faults[1].contains("Ok") && faults[1].contains("QPushButton"));
        QVERIFY(faults[2].contains("Text"));
        QVERIFY(!owner.Go);
        QVERIFY(!owner.Mail);
        QVERIFY(owner.Field == made.value("Field"));
    }
};

QTEST_MAIN(TestControlTable)
#include "tst_controltable.moc"
