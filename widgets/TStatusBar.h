// A status bar of fixed-width text panels, each sunk into the bar, with its
// own alignment. Panel texts are plain stored strings that callers read back.
#pragma once

#include <QHash>
#include <QList>
#include <QWidget>

class TStatusBar : public QWidget {
    Q_OBJECT
public:
    struct Panel {
        int width = 50;
        Qt::Alignment alignment = Qt::AlignLeft;
        QString text;
    };

    explicit TStatusBar(QWidget* parent = nullptr);

    void SetPanels(const QList<Panel>& panels);
    QString PanelText(int index) const { return panels_.value(index).text; }
    void SetPanelText(int index, const QString& text);
    // What a screen reader calls a panel ("たしざん 今回のタイム").
    QString PanelName(int index) const { return names_.value(index); }
    void SetPanelName(int index, const QString& name);
    int PanelCount() const { return int(panels_.size()); }
    // Where a panel is drawn, within the bar.
    QRect PanelRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<Panel> panels_;
    QHash<int, QString> names_;
};
