#include "platform/help/HelpWindowViewer.h"

#include "platform/help/HelpWindow.h"

#include <utility>

HelpWindowViewer::HelpWindowViewer(QWidget* owner, QStringList folders, std::function<QString()> language)
    : owner_(owner), folders_(std::move(folders)), language_(std::move(language)) {}

HelpWindowViewer::~HelpWindowViewer() { delete window_.data(); }

HelpWindow& HelpWindowViewer::EnsureWindow() {
    // Looked up each time, so a help file put in place while the program runs
    // is found, and a window left open in another language is made anew.
    const QString collection = FindHelpCollection(folders_, language_ ? language_() : QString());
    if (window_ && collection != windowCollection_)
        delete window_.data();
    if (!window_) {
        window_ = new HelpWindow(collection, owner_.data());
        windowCollection_ = collection;
    }
    return *window_;
}

void HelpWindowViewer::ShowContents() { EnsureWindow().ShowContents(); }

void HelpWindowViewer::ShowKeywordSearch() { EnsureWindow().ShowKeywordSearch(); }
