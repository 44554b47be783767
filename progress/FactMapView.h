// The fact map: the drill's facts laid out like its sheet (top operands
// across, left operands down), each cell coloured by how weak the fact is,
// its numbers in a tool tip.
#pragma once

#include "progress/FactStats.h"

#include <QWidget>

class QPainter;

class FactMapView : public QWidget {
    Q_OBJECT
public:
    explicit FactMapView(QWidget* parent = nullptr);

    void SetStats(FactStats stats);
    const FactStats& Stats() const { return stats_; }
    // The fact under a point, if any.
    const FactStat* StatAt(const QPoint& pos) const;
    QString ToolTipOf(const FactStat& stat) const;
    QColor ColorOf(const FactStat& stat) const;
    // Green for sure and quick (0), through yellow, to red for often wrong (1).
    static QColor WeaknessColor(double weakness);
    static QColor NoRecordColor() { return {235, 235, 235}; }
    // The map in a square of side pixels at the painter's origin, as the
    // window shows it; a print draws it at the printer's resolution.
    void Paint(QPainter& painter, double side) const;

    QSize sizeHint() const override { return {360, 360}; }
    QSize minimumSizeHint() const override { return {220, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRectF cellRect(int col, int row) const;
    QRectF cellRect(double side, int col, int row) const;

    FactStats stats_;
    QList<int> tops_;
    QList<int> lefts_;
};
