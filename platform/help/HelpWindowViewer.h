// The help viewer of the program: opens the help window on first use, so the
// help engine costs nothing at start-up.
#pragma once

#include "platform/help/HelpFiles.h"
#include "platform/help/HelpViewer.h"

#include <QPointer>
#include <QStringList>

#include <functional>

class HelpWindow;
class QWidget;

class HelpWindowViewer : public HelpViewer {
public:
    // The window, once made, belongs to owner when one is given (it closes with
    // the main window); the folders are searched in order for the collection.
    // language tells the language in force: its help is shown when there is
    // one, else the Japanese.
    explicit HelpWindowViewer(QWidget* owner = nullptr, QStringList folders = DefaultHelpFolders(),
                              std::function<QString()> language = {});
    ~HelpWindowViewer() override;
    HelpWindowViewer(const HelpWindowViewer&) = delete;
    HelpWindowViewer& operator=(const HelpWindowViewer&) = delete;

    void ShowContents() override;
    void ShowKeywordSearch() override;

    // Null until the help is first shown.
    HelpWindow* Window() const { return window_; }

private:
    HelpWindow& EnsureWindow();

    QPointer<QWidget> owner_;
    QStringList folders_;
    std::function<QString()> language_;
    QPointer<HelpWindow> window_;
    QString windowCollection_;
};
