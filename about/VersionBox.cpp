#include "about/VersionBox.h"

#include "about/ClickLabel.h"
#include "about/PictureBox.h"
#include "about/ProgramIcon.h"
#include "about/VersionLinks.h"
#include "widgets/Fonts.h"
#include "core/JpegImage.h"
#include "platform/desktop/ScreenInfo.h"
#include "platform/desktop/ShellLinks.h"
#include "platform/desktop/TApplication.h"
#include "settings/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QPushButton>
#include <QStandardPaths>
#include <algorithm>
#include <vector>

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

enum class Face { Gothic, Mincho };

struct LabelRow {
    const char* name;
    int left, top, width, height;
    QString text;
    Face face;
    int pixels;
    bool bold = false;
    bool link = false;
};

// The labels, in their stacking order over the picture.
const std::vector<LabelRow>& LabelRows() {
    static const std::vector<LabelRow> rows = {
        {"Label10", 64, 24, 119, 35, QStringLiteral("Vantel"), Face::Gothic, 35, true},
        {"Label2", 192, 42, 93, 12, QStringLiteral("Version 1.0.10."), Face::Mincho, 12, true},
        {"Label1", 64, 60, 167, 12, QStringLiteral("Ｈｕｎｄｒｅｄ　Ｃｅｌｌ　Ｍａｔｈ"), Face::Gothic, 12},
        {"Label3", 24, 136, 67, 12, QStringLiteral("音声：あいさつは合成音声です"), Face::Mincho, 12},
        {"Label4", 24, 157, 187, 12, QStringLiteral("画像：Vantel プロジェクト"), Face::Mincho, 12},
        {"Label5", 24, 178, 127, 12, kPictureAuthorMail, Face::Mincho, 12, false, true},
        {"Label6", 24, 199, 85, 12, QStringLiteral("制作：Vantel プロジェクト"), Face::Mincho, 12},
        {"Label7", 24, 220, 98, 12, kProducerMail, Face::Mincho, 12, false, true},
        {"Label8", 24, 241, 159, 12, kMakerWebPage, Face::Mincho, 12, false, true},
        {"Label9", 24, 262, 208, 12, QStringLiteral("Copyright (C) 2026 Vantel プロジェクト"), Face::Mincho,
         12},
    };
    return rows;
}

QFont LayoutFont(Face face, int pixels, bool bold = false, bool underline = false) {
    return LayoutFont(face == Face::Gothic ? kGothicFace : kMinchoFace, pixels, bold, underline);
}
} // namespace

FileDialogOptions PictureDialogOptions() {
    return {QStringLiteral("画像ファイル (*.jpg;*.JPEG;*.JFIF)|*.jpg;*.JPEG;*.JFIF"), QString(), QString()};
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
    setWindowTitle(QStringLiteral("Ｖａｎｔｅｌ の バージョン情報"));
    // Fixed dialog border: a title and a close box, nothing to resize.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setSizeGripEnabled(false);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(LayoutFont(Face::Gothic, 12));
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(0xD7, 0xE1, 0xFF));
    setPalette(background);
    setAutoFillBackground(true);
    setWindowIcon(QIcon(ProgramIcon()));

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 369, 281);

    Image1 = new PictureBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 16, 345, 265);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(24, 24, 32, 32);
    Image2->setPixmap(ProgramIcon());

    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    for (const LabelRow& row : LabelRows()) {
        QLabel* label = row.link ? new ClickLabel(this) : new QLabel(this);
        label->setObjectName(QString::fromUtf8(row.name));
        label->setText(row.text);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(LayoutFont(row.face, row.pixels, row.bold, row.link));
        label->setPalette(blue);
        if (row.link)
            label->setCursor(Qt::PointingHandCursor);
        // Labels size themselves to their text, as the layout's do. The
        // substitute faces reach a little lower than the layout's line
        // height, so the label extends down far enough for descenders and
        // underlines; its top stays where the layout puts it.
        const QFontMetrics metrics = label->fontMetrics();
        label->setGeometry(row.left, row.top, std::max(row.width, metrics.horizontalAdvance(row.text) + 1),
                           std::max(row.height, metrics.height() + 1));
    }
    Label10 = findChild<QLabel*>(QStringLiteral("Label10"));
    Label2 = findChild<QLabel*>(QStringLiteral("Label2"));
    Label1 = findChild<QLabel*>(QStringLiteral("Label1"));
    Label3 = findChild<QLabel*>(QStringLiteral("Label3"));
    Label4 = findChild<QLabel*>(QStringLiteral("Label4"));
    Label5 = findChild<ClickLabel*>(QStringLiteral("Label5"));
    Label6 = findChild<QLabel*>(QStringLiteral("Label6"));
    Label7 = findChild<ClickLabel*>(QStringLiteral("Label7"));
    Label8 = findChild<ClickLabel*>(QStringLiteral("Label8"));
    Label9 = findChild<QLabel*>(QStringLiteral("Label9"));

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(308, 256, 45, 16);
    Button1->setFont(LayoutFont(Face::Gothic, 11));
    Button1->setDefault(true);
    Button1->setFocus();

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    wire(Image1, &PictureBox::doubleClicked, &TVersionBox::Image1DblClick);
    wire(Label5, &ClickLabel::clicked, &TVersionBox::Label5Click);
    wire(Label7, &ClickLabel::clicked, &TVersionBox::Label7Click);
    wire(Label8, &ClickLabel::clicked, &TVersionBox::Label8Click);
}

template <typename Sender, typename Signal>
void TVersionBox::wire(Sender* sender, Signal signal, void (TVersionBox::*handler)()) {
    connect(sender, signal, this,
            [this, handler] { services_.app.Guard([this, handler] { (this->*handler)(); }); });
}

void TVersionBox::loadPicture(const QString& path) {
    Image1->SetPicture(JpegImage::LoadFromFile(path).Image());
}

void TVersionBox::FormCreate() {
    SettingsFile& ini = services_.settings;
    QString path = ini.ReadString(kPictureSection, kPictureKey, DefaultPicturePath());
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
    ini.WriteInteger(kPlaceSection, QStringLiteral("top"), y());
    ini.WriteInteger(kPlaceSection, QStringLiteral("left"), x());
}

void TVersionBox::done(int result) {
    services_.app.Guard([this] { FormClose(); });
    QDialog::done(result);
}

void TVersionBox::Label5Click() { services_.links.OpenLink(PictureAuthorMailLink()); }

void TVersionBox::Label7Click() { services_.links.OpenLink(ProducerMailLink()); }

void TVersionBox::Label8Click() { services_.links.OpenLink(MakerWebPageLink()); }

void TVersionBox::Image1DblClick() { close(); }
