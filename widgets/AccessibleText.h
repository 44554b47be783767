// The text of our own accessible objects (grid cells, status panels) as a
// screen reader reads it: one run of plain text in the language of the
// widget it belongs to ("language:ja"), so a reader picks a voice for it
// whatever the desktop's locale. A change is told as the deletion and the
// insertion of the part that changed, which a reader echoes as typed.
#pragma once

#include <QAccessibleTextInterface>
#include <QLocale>

class QWidget;

class PlainTextAccessible : public QAccessibleTextInterface {
public:
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return caret(); }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return int(plainText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

protected:
    virtual QString plainText() const = 0;
    // The widget whose locale is the language of the text.
    virtual const QWidget* textOwner() const = 0;
    virtual int caret() const { return characterCount(); }
};

// The text attributes of a run in the language of a locale: "language:ja;".
QString LanguageAttribute(const QLocale& locale);

// Tells assistive technology that the text of iface went from before to after.
void NotifyTextChanged(QAccessibleInterface* iface, const QString& before, const QString& after);
