#include "widgets/AccessibleText.h"

#include <QAccessible>
#include <QWidget>

QString PlainTextAccessible::text(int startOffset, int endOffset) const {
    const QString all = plainText();
    if (endOffset < 0 || endOffset > all.size())
        endOffset = int(all.size());
    startOffset = qBound(0, startOffset, endOffset);
    return all.mid(startOffset, endOffset - startOffset);
}

QString PlainTextAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    const int count = characterCount();
    if (offset < 0 || offset > count) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = count;
    const QWidget* owner = textOwner();
    return owner ? LanguageAttribute(owner->locale()) : QString();
}

QString LanguageAttribute(const QLocale& locale) {
    return QStringLiteral("language:%1;").arg(locale.bcp47Name());
}

void NotifyTextChanged(QAccessibleInterface* iface, const QString& before, const QString& after) {
    if (!iface || before == after)
        return;
    // Only the middle that differs: typing a digit inserts one character.
    qsizetype head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const QString removed = before.mid(head, before.size() - head - tail);
    const QString inserted = after.mid(head, after.size() - head - tail);
    if (!removed.isEmpty()) {
        QAccessibleTextRemoveEvent event(iface, int(head), removed);
        QAccessible::updateAccessibility(&event);
    }
    if (!inserted.isEmpty()) {
        QAccessibleTextInsertEvent event(iface, int(head), inserted);
        QAccessible::updateAccessibility(&event);
    }
}
