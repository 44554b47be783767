// The language of the program: the "言語 / Language" submenu, and the
// window's texts set again when the language changes.
#include "app/Unit1.h"

#include "app/MainWindowLayout.h"
#include "platform/desktop/LanguageSwitch.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenu>

void TForm1::AttachLanguages(LanguageSwitch& languages) {
    languages_ = &languages;
    // Each language in its own words, the same in every language: a child
    // who reads only one finds it.
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(menu);
    for (const Language& language : languages.Choices()) {
        QAction* item = menu->addAction(language.name);
        item->setObjectName(QStringLiteral("Language_") + language.code);
        item->setData(language.code);
        item->setCheckable(true);
        item->setChecked(language.code == languages.Current());
        group->addAction(item);
    }
    Language1->setMenu(menu);
    nameForListeners(); // the language chosen before the window was made
    connect(group, &QActionGroup::triggered, this, [this, group](QAction* item) {
        app_.Guard([&] {
            languages_->Choose(item->data().toString());
            // The language in force stays ticked, even when the choice failed.
            for (QAction* each : group->actions())
                each->setChecked(each->data().toString() == languages_->Current());
        });
    });
}

void TForm1::retranslate() {
    RetranslateControls(centralWidget(), MainWindowControls(), "TForm1");
    retranslateMenu();
    nameForListeners();
    setWindowTitle(captionName_ ? tr(" %1 の Vantel").arg(*captionName_) : QStringLiteral("Vantel"));
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}
