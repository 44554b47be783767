// Test double of the help viewer: records which help was asked for and can
// fail as a missing help file does.
#pragma once

#include "core/VantelError.h"
#include "platform/help/HelpViewer.h"

#include <QStringList>

class FakeHelp : public HelpViewer {
public:
    void ShowContents() override { Record(QStringLiteral("ShowContents")); }
    void ShowKeywordSearch() override { Record(QStringLiteral("ShowKeywordSearch")); }

    QStringList calls;
    // When set, every call is recorded and then throws this text.
    QString failure;

private:
    void Record(const QString& call) {
        calls.append(call);
        if (!failure.isEmpty())
            throw VantelError(failure);
    }
};
