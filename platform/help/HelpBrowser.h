// The page pane of the help window: a text browser that reads qthelp:// pages,
// style sheets and pictures out of the help engine's compressed file.
#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(const QHelpEngineCore& engine, QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    const QHelpEngineCore& engine_;
};
