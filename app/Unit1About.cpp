// The About command and the choice of the About box picture.
#include "app/Unit1.h"

#include "about/VersionBox.h"

void TForm1::About1Click() {
    BitBtn17Click();
    if (TVersionBox* box = AboutBox())
        box->exec();
    focusStart();
}

void TForm1::BitBtn12Click() {
    if (TVersionBox* box = AboutBox())
        box->ChangePicture(services_.dialogs);
}
