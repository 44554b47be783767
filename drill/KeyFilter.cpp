#include "drill/KeyFilter.h"

AnswerKeyAction FilterAnswerKey(QChar key, bool onLastCell) {
    const char16_t code = key.unicode();
    if (code == u'\r')
        return onLastCell ? AnswerKeyAction::FocusStop : AnswerKeyAction::NextCell;
    if (code == u'\b' || code == u'.' || (code >= u'0' && code <= u'9'))
        return AnswerKeyAction::Accept;
    return AnswerKeyAction::Swallow;
}
