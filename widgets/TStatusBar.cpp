#include "widgets/TStatusBar.h"

#include "widgets/StatusBarAccessible.h"
#include "widgets/StringGridAccessible.h"

#include <QPainter>
#include <qdrawutil.h>

TStatusBar::TStatusBar(QWidget* parent) : QWidget(parent) {
    InstallWidgetAccessibility();
    setAutoFillBackground(true);
}

void TStatusBar::SetPanels(const QList<Panel>& panels) {
    panels_ = panels;
    update();
}

void TStatusBar::SetPanelText(int index, const QString& text) {
    if (index < 0 || index >= panels_.size() || panels_[index].text == text)
        return;
    panels_[index].text = text;
    update(PanelRect(index));
    NotifyStatusPanelChanged(this, index);
}

void TStatusBar::SetPanelName(int index, const QString& name) { names_.insert(index, name); }

QRect TStatusBar::PanelRect(int index) const {
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += panels_[i].width;
    const bool last = index == panels_.size() - 1;
    const int width = last ? qMax(panels_[index].width, this->width() - left) : panels_[index].width;
    return {left, 2, width - 2, height() - 2};
}

void TStatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    for (int i = 0; i < panels_.size(); ++i) {
        const QRect panel = PanelRect(i);
        qDrawShadePanel(&painter, panel, palette(), true, 1);
        painter.setPen(palette().color(QPalette::WindowText));
        // A text wider than its panel is drawn narrower rather than cut off.
        const QRect inside = panel.adjusted(3, 1, -3, -1);
        QFont narrow = font();
        const int advance = QFontMetrics(narrow).horizontalAdvance(panels_[i].text);
        if (advance > inside.width())
            narrow.setStretch(qMax(50, 100 * inside.width() / advance));
        painter.setFont(narrow);
        painter.drawText(inside, int(panels_[i].alignment | Qt::AlignVCenter), panels_[i].text);
    }
}
