// Finds the texts a window shows that are wider than the room their control
// gives them, for checking a window in a language whose words are longer
// than the ones it was laid out for. Each entry names the control, the text
// and both widths.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTextDocument>
#include <QtMath>

namespace textfit {

// What a button or check box shows of its caption: "&&" is one "&", a single "&" marks the key.
inline QString Shown(QString caption) {
    caption.replace(QLatin1String("&&"), QChar(0x1)).remove(u'&').replace(QChar(0x1), u'&');
    return caption;
}

inline int WidestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

inline QString Name(const QWidget* control) {
    return control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                           : control->objectName();
}

} // namespace textfit

enum class FitScope { Shown, All };

// Shown: the controls the window shows now (switch tabs to see the others);
// All: every control of ours, laid out or not, for windows of fixed geometry.
inline QStringList ClippedTexts(QWidget* root, FitScope scope = FitScope::Shown) {
    using namespace textfit;
    QStringList clipped;
    const auto check = [&clipped](const QWidget* control, const QString& text, int needed, int room) {
        if (needed > room)
            clipped << QStringLiteral("%1 \"%2\": %3 > %4").arg(Name(control), text).arg(needed).arg(room);
    };
    QList<QWidget*> controls = root->findChildren<QWidget*>();
    controls.prepend(root);
    for (QWidget* control : controls) {
        // Qt's own parts show no text of ours, but for a tab widget's tabs.
        if (control->objectName().startsWith(QLatin1String("qt_")) && !qobject_cast<QTabBar*>(control))
            continue;
        if (scope == FitScope::Shown ? !control->isVisibleTo(root) && control != root
                                     : control->objectName().isEmpty())
            continue;
        const QFontMetrics metrics = control->fontMetrics();
        const int room = control->contentsRect().width();
        QStyle* style = control->style();
        if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
            const auto* box = static_cast<QAbstractButton*>(control);
            const bool isCheck = qobject_cast<QCheckBox*>(control);
            const QString text = Shown(box->text());
            check(control, text,
                  metrics.horizontalAdvance(text) +
                      style->pixelMetric(isCheck ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth,
                                         nullptr, box) +
                      style->pixelMetric(isCheck ? QStyle::PM_CheckBoxLabelSpacing
                                                 : QStyle::PM_RadioButtonLabelSpacing,
                                         nullptr, box),
                  room);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            const QString text = Shown(button->text());
            if (text.isEmpty() || qobject_cast<QTabBar*>(control->parentWidget()))
                continue;
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            check(control, text,
                  WidestLine(metrics, text) + icon + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button),
                  room);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            if (label->text().isEmpty())
                continue;
            const bool rich = label->textFormat() == Qt::RichText ||
                              (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
            if (label->wordWrap()) { // a wrapped text needs height, not width
                const int needed = label->heightForWidth(room);
                if (needed > label->contentsRect().height())
                    clipped << QStringLiteral("%1 \"%2\": %3 high > %4")
                                   .arg(Name(label), label->text())
                                   .arg(needed)
                                   .arg(label->contentsRect().height());
            } else if (rich) {
                QTextDocument document;
                document.setDefaultFont(label->font());
                document.setDocumentMargin(0);
                document.setHtml(label->text());
                check(control, label->text(), qCeil(document.idealWidth()), room);
            } else { // a label with a buddy shows its "&" as the key's underline
                const QString text = label->buddy() ? Shown(label->text()) : label->text();
                check(control, text, WidestLine(metrics, text), room);
            }
        } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
            check(control, box->title(), metrics.horizontalAdvance(Shown(box->title())) + 16, room);
        } else if (auto* tabs = qobject_cast<QTabBar*>(control)) {
            for (int i = 0; i < tabs->count(); ++i) {
                const QString text = Shown(tabs->tabText(i));
                check(tabs, text, metrics.horizontalAdvance(text), tabs->tabRect(i).width());
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            // The box shows its current item; the others show in a list as wide as they need.
            const int arrow = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, combo);
            check(control, combo->currentText(), metrics.horizontalAdvance(combo->currentText()) + arrow, room);
        }
    }
    return clipped;
}
