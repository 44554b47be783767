#include "platform/help/HelpWindowViewer.h"

#include "platform/help/HelpWindow.h"

#include <utility>

HelpWindowViewer::HelpWindowViewer(QWidget* owner, QStringList folders)
    : owner_(owner), folders_(std::move(folders)) {}

HelpWindowViewer::~HelpWindowViewer() { delete window_.data(); }

HelpWindow& HelpWindowViewer::EnsureWindow() {
    // Looked up again each time until it opens, so a help file put in place
    // while the program runs is found.
    if (!window_)
        window_ = new HelpWindow(FindHelpCollection(folders_), owner_.data());
    return *window_;
}

void HelpWindowViewer::ShowContents() { EnsureWindow().ShowContents(); }

void HelpWindowViewer::ShowKeywordSearch() { EnsureWindow().ShowKeywordSearch(); }
