// A pseudo-translation: every text of the program's own contexts comes back
// in brackets, Qt's own (its classes' contexts are "Q" and a capital) as they are, so
// any text a window shows without brackets did not go through a catalogue.
#pragma once

#include <QTranslator>

class BracketTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        const bool qts = context && context[0] == 'Q' && context[1] >= 'A' && context[1] <= 'Z';
        if (!context || qts || !source || !*source)
            return {};
        return u'[' + QString::fromUtf8(source) + u']';
    }
    static bool Bracketed(const QString& text) { return text.startsWith(u'[') && text.endsWith(u']'); }
};
