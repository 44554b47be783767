// The About command and the choice of the About box picture.
#include "app/Unit1.h"

#include "about/VersionBox.h"

void TForm1::About1Click() {
    BitBtn17Click();
    if (VersionBox)
        VersionBox->exec();
    focusStart();
}

void TForm1::BitBtn12Click() {
    if (VersionBox)
        VersionBox->ChangePicture(services_.dialogs);
}
