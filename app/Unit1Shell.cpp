// Start-up, shutdown, help, the user name and the best-time reset.
#include "app/Unit1.h"

#include "progress/HistoryStore.h"

#include "drill/DrillSession.h"
#include "drill/DrillTime.h"
#include "gridio/StrGrdIO.h"
#include "platform/desktop/ScreenInfo.h"
#include "platform/help/HelpViewer.h"
#include "settings/SettingsFile.h"
#include "sound/EventSounds.h"
#include "widgets/TButton.h"
#include "widgets/TStatusBar.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

namespace {
// The option check boxes in the order they are read and written, each with
// its settings section, which bears the check box's name.
const struct {
    QLatin1String section;
    QCheckBox* TForm1::*checkBox;
} kOptionCheckBoxes[] = {
    {QLatin1String("CheckBox1"), &TForm1::CheckBox1}, {QLatin1String("CheckBox2"), &TForm1::CheckBox2},
    {QLatin1String("CheckBox3"), &TForm1::CheckBox3}, {QLatin1String("CheckBox5"), &TForm1::CheckBox5},
    {QLatin1String("CheckBox6"), &TForm1::CheckBox6}, {QLatin1String("CheckBox7"), &TForm1::CheckBox7},
};

const QString kHighestScore = QStringLiteral("the highest score");
} // namespace

void TForm1::FormCreate() {
    const SettingsFile& ini = services_.settings;
    const int top = ini.ReadInteger(QStringLiteral("form1"), QStringLiteral("top"), 0);
    const int left = ini.ReadInteger(QStringLiteral("form1"), QStringLiteral("left"), 0);
    for (const auto& box : kOptionCheckBoxes)
        (this->*box.checkBox)->setChecked(ini.ReadBool(box.section, kSoundCheckedKey, false));
    for (const SoundSlotInfo& slot : kSoundSlots)
        soundFileEdit(slot.slot)->setText(ini.ReadString(slot.section, kSoundFileNameKey, QString()));
    Edit7->setText(ini.ReadString(QStringLiteral("Text"), QStringLiteral("UserName"), QString()));
    userNameInForce_ = Edit7->text();
    for (const SheetPlace& place : SheetPlaces())
        Session->LoadBestTime(place.kind,
                              ini.ReadString(kHighestScore, QString::fromUtf8(place.bestKey), kNoBestTime));
    move(PulledOntoScreen({left, top}, services_.screen.ScreenSize()));

    QFont base = font();
    base.setPointSize(services_.screen.LogicalDpi() == 96 ? 11 : 9);
    setFont(base);

    for (const DrillSheet& sheet : DrillSheets())
        showSheet(sheet.kind); // the corners of program start
    StringGrid4->SetRowCount(2);
    StringGrid4->SetColCount(6);
    StringGrid4->SetColWidths(0, StringGrid4->DefaultColWidth());
    for (int col = 1; col < 6; ++col)
        StringGrid4->SetColWidths(col, StringGrid4->DefaultColWidth() / 2);

    if (Edit7->text().isEmpty())
        return;
    showUserNameInCaption();
    SystemMenuHandle = &systemMenu_;
    // Relative: the name panel comes from the folder the program was started in.
    StringGridIO1->LoadFromText(QStringLiteral("data.txt"), u'\t', false);
}

void TForm1::FormActivate() { focusStart(); }

void TForm1::PageControl1Change() {
    if (ActiveSheet())
        focusStart();
    BitBtn18Click();
}

void TForm1::BitBtn5Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CloseByProgram();
}

void TForm1::CloseByProgram() {
    exitRequested_ = true;
    if (!close())
        exitRequested_ = false;
}

void TForm1::FormCloseQuery(bool& canClose) {
    canClose = true;
    bool hourglass = false;
    sounds_->PlayExitSoundAtClose(CheckBox2->isChecked(), Edit5->text(), [&] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        hourglass = true;
    });
    if (hourglass)
        QApplication::restoreOverrideCursor();
}

void TForm1::FormClose() {
    SettingsFile& ini = services_.settings;
    // One replacement of the file: a crash while saving keeps the old settings whole.
    ini.BeginUpdate();
    const QRect frame = frameGeometry();
    ini.WriteInteger(QStringLiteral("form1"), QStringLiteral("top"), frame.top());
    ini.WriteInteger(QStringLiteral("form1"), QStringLiteral("left"), frame.left());
    ini.WriteInteger(QStringLiteral("form1"), QStringLiteral("height"), frame.height());
    ini.WriteInteger(QStringLiteral("form1"), QStringLiteral("width"), frame.width());
    for (const SheetPlace& place : SheetPlaces())
        ini.WriteString(kHighestScore, QString::fromUtf8(place.bestKey), Session->BestTimeText(place.kind));
    for (const auto& box : kOptionCheckBoxes)
        ini.WriteBool(box.section, kSoundCheckedKey, (this->*box.checkBox)->isChecked());
    for (const SoundSlotInfo& slot : kSoundSlots)
        ini.WriteString(slot.section, kSoundFileNameKey, soundFileEdit(slot.slot)->text());
    ini.WriteString(QStringLiteral("Text"), QStringLiteral("UserName"), Edit7->text());
    ini.Commit();
    services_.history.Flush(); // attempts a full disk held back
}

void TForm1::Contents1Click() {
    // Help that cannot be opened is reported; Start gets the focus either way.
    app_.Guard([this] { services_.help.ShowContents(); });
    focusStart();
}

void TForm1::SearchforHelpOn1Click() { services_.help.ShowKeywordSearch(); }

void TForm1::showUserNameInCaption() {
    captionName_ = Edit7->text();
    setWindowTitle(tr(" %1 の Vantel").arg(*captionName_));
}

void TForm1::Button9Click() {
    showUserNameInCaption();
    userNameInForce_ = Edit7->text();
}

void TForm1::resetBestTime(DrillKind kind) { Session->ResetTimes(kind); }

void TForm1::Button6Click() { resetBestTime(DrillKind::Addition); }
void TForm1::Button7Click() { resetBestTime(DrillKind::Subtraction); }
void TForm1::Button8Click() { resetBestTime(DrillKind::Multiplication); }
void TForm1::Button10Click() { resetBestTime(DrillKind::Kuku); }
