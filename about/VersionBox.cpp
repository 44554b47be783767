#include "about/VersionBox.h"

#include "about/ProgramIcon.h"
#include "about/VersionLinks.h"
#include "core/JpegImage.h"
#include "core/VantelError.h"
#include "core/Version.h"
#include "platform/desktop/ScreenInfo.h"
#include "platform/desktop/ShellLinks.h"
#include "platform/desktop/TApplication.h"
#include "settings/SettingsFile.h"
#include "widgets/ClickLabel.h"
#include "widgets/ControlTable.h"
#include "widgets/Fonts.h"
#include "widgets/PictureBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QPushButton>
#include <QStandardPaths>
#include <algorithm>
#include <array>

namespace {
const QString kPictureSection = QStringLiteral("Image1");
const QString kPictureKey = QStringLiteral("FileName");
const QString kPlaceSection = QStringLiteral("form2");

constexpr int kClientWidth = 388;
constexpr int kClientHeight = 300;
constexpr int kFrame = 34; // client area around the picture
constexpr int kBevelMargin = 17;
constexpr int kInset = 8;     // OK button and bottom credit line above the picture's corner
constexpr int kLineStep = 21; // between credit lines
constexpr int kCreditLeft = 24;
constexpr int kLineHeight = 12; // of a credit line in the layout

using K = ControlKind;
QIcon ProgramIconGlyph() { return QIcon(ProgramIcon()); }

// The controls in their stacking order: the bevel, the picture, the icon and
// the labels over the picture, the OK button on top.
// clang-format off
constexpr std::array kControls{
    ControlRow{"Bevel1",  K::Frame,      "",   8,   8, 369, 281},
    ControlRow{"Image1",  K::Picture,    "",  16,  16, 345, 265},
    ControlRow{"Image2",  K::Image,      "",  24,  24,  32,  32}.WithGlyph(&ProgramIconGlyph),
    ControlRow{"Label10", K::Label,      "",  64,  24, 119,  35, "Vantel", 35, true},
    ControlRow{"Label2",  K::Label,      "", 192,  42,  93,  12, "Version " VANTEL_VERSION ".", 12, true}.Mincho(),
    ControlRow{"Label1",  K::Label,      "",  64,  60, 167,  12, QT_TRANSLATE_NOOP("TVersionBox", "Ｈｕｎｄｒｅｄ　Ｃｅｌｌ　Ｍａｔｈ"), 12},
    ControlRow{"Label3",  K::Label,      "",  24, 136,  67,  12, QT_TRANSLATE_NOOP("TVersionBox", "音声：あいさつは合成音声です"), 12}.Mincho(),
    ControlRow{"Label4",  K::Label,      "",  24, 157, 187,  12, QT_TRANSLATE_NOOP("TVersionBox", "画像：Vantel プロジェクト"), 12}.Mincho(),
    ControlRow{"Label5",  K::Link,       "",  24, 178, 127,  12, kPictureAuthorMailText, 12}.Mincho(),
    ControlRow{"Label6",  K::Label,      "",  24, 199,  85,  12, QT_TRANSLATE_NOOP("TVersionBox", "制作：Vantel プロジェクト"), 12}.Mincho(),
    ControlRow{"Label7",  K::Link,       "",  24, 220,  98,  12, kProducerMailText, 12}.Mincho(),
    ControlRow{"Label8",  K::Link,       "",  24, 241, 159,  12, kMakerWebPageText, 12}.Mincho(),
    ControlRow{"Label9",  K::Label,      "",  24, 262, 208,  12, QT_TRANSLATE_NOOP("TVersionBox", "Copyright (C) 2026 Vantel プロジェクト"), 12}.Mincho(),
    ControlRow{"Button1", K::PushButton, "", 308, 256,  45,  16, QT_TRANSLATE_NOOP("TVersionBox", "OK"), 11},
};
// clang-format on
} // namespace

FileDialogOptions PictureDialogOptions() {
    return {QCoreApplication::translate(
                "TVersionBox",
                QT_TRANSLATE_NOOP("TVersionBox", "画像ファイル (*.jpg;*.JPEG;*.JFIF)|*.jpg;*.JPEG;*.JFIF")),
            QString(), QString()};
}

QString DefaultPicturePath() {
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/about.jpg");
    if (QFileInfo(beside).isFile())
        return beside;
    const QString ownData =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vantel/about.jpg");
    if (QFileInfo(ownData).isFile())
        return QDir::cleanPath(ownData);
    const QString installed =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("vantel/about.jpg"));
    return installed.isEmpty() ? beside : installed;
}

TVersionBox::TVersionBox(VersionBoxServices services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("VersionBox"));
    buildWindow();
    services_.app.Guard([this] { FormCreate(); });
}

void TVersionBox::buildWindow() {
    // Fixed dialog border: a title and a close box, nothing to resize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setSizeGripEnabled(false);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(LayoutFont(kGothicFace, 12));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(0xD7, 0xE1, 0xFF));
    setPalette(background);
    setAutoFillBackground(true);
    setWindowIcon(QIcon(ProgramIcon()));

    const MadeControls made = BuildControls(this, kControls, labelFinish());
    BindControls<TVersionBox>(*this, made,
                              {
                                  {"Bevel1", &TVersionBox::Bevel1},
                                  {"Image1", &TVersionBox::Image1},
                                  {"Image2", &TVersionBox::Image2},
                                  {"Label10", &TVersionBox::Label10},
                                  {"Label2", &TVersionBox::Label2},
                                  {"Label1", &TVersionBox::Label1},
                                  {"Label3", &TVersionBox::Label3},
                                  {"Label4", &TVersionBox::Label4},
                                  {"Label5", &TVersionBox::Label5},
                                  {"Label6", &TVersionBox::Label6},
                                  {"Label7", &TVersionBox::Label7},
                                  {"Label8", &TVersionBox::Label8},
                                  {"Label9", &TVersionBox::Label9},
                                  {"Button1", &TVersionBox::Button1},
                              });
    retranslate();
    Button1->setDefault(true);
    Button1->setFocus();

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    wire(Image1, &PictureBox::doubleClicked, &TVersionBox::Image1DblClick);
    wire(Label5, &ClickLabel::clicked, &TVersionBox::Label5Click);
    wire(Label7, &ClickLabel::clicked, &TVersionBox::Label7Click);
    wire(Label8, &ClickLabel::clicked, &TVersionBox::Label8Click);
}

ControlFinish TVersionBox::labelFinish() const {
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    return [blue](QWidget* control, const ControlRow& row) {
        auto* label = qobject_cast<QLabel*>(control);
        if (!label || row.kind == K::Image)
            return;
        // Blue plain text over the picture.
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setPalette(blue);
        // Labels size themselves to their text, as the layout's do. The
        // substitute faces reach a little lower than the layout's line
        // height, so the label extends down far enough for descenders and
        // underlines; its top stays where the layout puts it.
        const QFontMetrics metrics = label->fontMetrics();
        label->setGeometry(row.left, row.top,
                           std::max(row.width, metrics.horizontalAdvance(label->text()) + 1),
                           std::max(row.height, metrics.height() + 1));
    };
}

void TVersionBox::retranslate() {
    setWindowTitle(tr("Ｖａｎｔｅｌ の バージョン情報"));
    RetranslateControls(this, kControls, "TVersionBox", labelFinish());
}

void TVersionBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

template <typename Sender, typename Signal>
void TVersionBox::wire(Sender* sender, Signal signal, void (TVersionBox::*handler)()) {
    connect(sender, signal, this,
            [this, handler] { services_.app.Guard([this, handler] { (this->*handler)(); }); });
}

void TVersionBox::loadPicture(const QString& path) {
    Image1->SetPicture(JpegImage::LoadFromFile(path).Image());
}

QString StoredPicturePath(SettingsFile& settings) {
    return settings.ReadString(kPictureSection, kPictureKey, DefaultPicturePath());
}

bool StoredPictureAtHand(SettingsFile& settings) {
    QFile file(StoredPicturePath(settings));
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    // The markers tell a picture cut short from a whole one without decoding
    // it; only an odd layout costs a decode before the window shows.
    switch (JpegImage::ShapeOf(bytes)) {
    case JpegImage::Shape::Whole:
        return true;
    case JpegImage::Shape::Broken:
        return false;
    case JpegImage::Shape::Unsure:
        break;
    }
    try {
        JpegImage::Decode(bytes);
        return true;
    } catch (const VantelError&) {
        return false; // the box, made at once, loads it again and says why
    }
}

void TVersionBox::FormCreate() {
    SettingsFile& ini = services_.settings;
    QString path = StoredPicturePath(ini);
    if (!QFileInfo(path).isFile()) {
        // A choice made here serves this run only; the stored path stays.
        const auto choice = services_.dialogs.OpenFile(PictureDialogOptions());
        if (!choice)
            return;
        path = choice->path;
    }
    loadPicture(path);
    FitToPicture();

    move(PulledOntoScreen({ini.ReadInteger(kPlaceSection, QStringLiteral("left"), 0),
                           ini.ReadInteger(kPlaceSection, QStringLiteral("top"), 0)},
                          services_.screen.ScreenSize()));
}

void TVersionBox::FitToPicture() {
    if (!Image1->HasPicture())
        return;
    const int w = Image1->Picture().width();
    const int h = Image1->Picture().height();
    setFixedSize(w + kFrame, h + kFrame);
    Bevel1->setGeometry(8, 8, w + kBevelMargin, h + kBevelMargin);
    Image1->setGeometry(16, 16, w, h);
    Button1->move(w - Button1->width() + kInset, h - Button1->height() + kInset);
    // Credit lines from the bottom up, each a line step above the one below.
    QLabel* const credits[] = {Label9, Label8, Label7, Label6, Label5, Label4, Label3};
    int top = h - kLineHeight + kInset;
    for (QLabel* label : credits) {
        label->move(kCreditLeft, top);
        top -= kLineStep;
    }
}

bool TVersionBox::ChangePicture(FileDialogs& dialogs) {
    SettingsFile& ini = services_.settings;
    const auto choice = dialogs.OpenFile(PictureDialogOptions());
    if (!choice)
        return false;
    const QString path = QFileInfo(choice->path).absoluteFilePath();
    // Decode first: a file that fails leaves both the setting and the box as they were.
    const JpegImage picture = JpegImage::LoadFromFile(path);
    ini.WriteString(kPictureSection, kPictureKey, path);
    Image1->SetPicture(picture.Image());
    FitToPicture();
    return true;
}

void TVersionBox::FormClose() {
    SettingsFile& ini = services_.settings;
    ini.BeginUpdate();
    ini.WriteInteger(kPlaceSection, QStringLiteral("top"), y());
    ini.WriteInteger(kPlaceSection, QStringLiteral("left"), x());
    ini.Commit();
}

void TVersionBox::done(int result) {
    services_.app.Guard([this] { FormClose(); });
    QDialog::done(result);
}

void TVersionBox::Label5Click() { services_.links.OpenLink(PictureAuthorMailLink()); }

void TVersionBox::Label7Click() { services_.links.OpenLink(ProducerMailLink()); }

void TVersionBox::Label8Click() { services_.links.OpenLink(MakerWebPageLink()); }

void TVersionBox::Image1DblClick() { close(); }
