// TVersionBox, the About box: product name, version, a picture the user can
// replace, credit lines and links. One instance lives from start-up to the
// end of the program; it is shown modally and every closing only hides it
// and stores its position.
#pragma once

#include "platform/desktop/FileDialogs.h"
#include "widgets/ControlTable.h"

#include <QDialog>

class ClickLabel;
class PictureBox;
class QFrame;
class QLabel;
class QPushButton;
class ScreenInfo;
class SettingsFile;
class ShellLinks;
class TApplication;

// The services the box reaches through small interfaces, so tests can run
// it with fakes.
struct VersionBoxServices {
    TApplication& app;    // error handler for the box's own events
    FileDialogs& dialogs; // the box's OpenPictureDialog1
    ShellLinks& links;
    ScreenInfo& screen;
    SettingsFile& settings; // the picture and the box's position
};

// The picture-open dialog of the About box and of the main window.
FileDialogOptions PictureDialogOptions();
// "about.jpg" in the program's folder (or, for an installed program, its data folder).
QString DefaultPicturePath();
// The picture the box shows at start: the stored one, or the default; and
// whether that file is there, readable and a whole JPEG (when it is not there
// the box asks for one; when it cannot be read or is cut short it says so).
QString StoredPicturePath(SettingsFile& settings);
bool StoredPictureAtHand(SettingsFile& settings);

class TVersionBox : public QDialog {
    Q_OBJECT
public:
    // Builds the window hidden and runs FormCreate; an error there is shown
    // by the application's error handler and leaves the box as far as it got.
    explicit TVersionBox(VersionBoxServices services, QWidget* parent = nullptr);

    // Sizes the window and moves the OK button and the credit lines to the
    // picture Image1 holds; with no picture the layout stays as it is.
    void FitToPicture();

    // The main window's picture change (BitBtn12Click): the user chooses a
    // picture in the given dialog; once it has loaded, its path is stored
    // and the box is refitted at its current position. A picture that fails
    // to load raises a VantelError and changes nothing. Returns whether the
    // picture changed.
    bool ChangePicture(FileDialogs& dialogs);

    // Controls, by their names in the window.
    QFrame* Bevel1;
    PictureBox* Image1;
    QLabel* Image2;
    QLabel* Label10;
    QLabel* Label2;
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4;
    ClickLabel* Label5;
    QLabel* Label6;
    ClickLabel* Label7;
    ClickLabel* Label8;
    QLabel* Label9;
    QPushButton* Button1;

public slots:
    void FormCreate();
    void FormClose();
    void Label5Click();
    void Label7Click();
    void Label8Click();
    void Image1DblClick();

protected:
    // Every way of closing (OK, Esc, the title bar, Image1DblClick) ends here.
    void done(int result) override;
    void changeEvent(QEvent* event) override;

private:
    void buildWindow();
    // The title and captions in the language now spoken.
    void retranslate();
    ControlFinish labelFinish() const;
    template <typename Sender, typename Signal>
    void wire(Sender* sender, Signal signal, void (TVersionBox::*handler)());
    void loadPicture(const QString& path);

    VersionBoxServices services_;
};
