#include "app/MainWindowAssembly.h"

#include "about/VersionBox.h"

std::unique_ptr<TForm1> MakeMainWindow(TApplication& app, FormServices services) {
    auto form = std::make_unique<TForm1>(app, services);
    const VersionBoxServices box{app, services.dialogs, services.links, services.screen, services.settings};
    TForm1* const owner = form.get();
    // Its controls, fonts and picture cost a sixth of the start, so the box is
    // made once the window is on screen; but when it must ask for a picture,
    // or say that its picture cannot be read, it does so before the window
    // shows, as it always has.
    form->AttachVersionBox([box, owner] { return new TVersionBox(box, owner); },
                           !StoredPictureAtHand(services.settings));
    return form;
}
