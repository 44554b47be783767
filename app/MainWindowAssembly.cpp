#include "app/MainWindowAssembly.h"

#include "about/VersionBox.h"

std::unique_ptr<TForm1> MakeMainWindow(TApplication& app, FormServices services) {
    auto form = std::make_unique<TForm1>(app, services);
    form->AttachVersionBox(new TVersionBox(
        VersionBoxServices{app, services.dialogs, services.links, services.screen, services.settings},
        form.get()));
    return form;
}
