#include "progress/FactMapView.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

FactMapView::FactMapView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    SetStats(FactStatsBuilder(DrillKind::Addition).Finish());
}

void FactMapView::SetStats(FactStats stats) {
    stats_ = std::move(stats);
    tops_ = TopValues(stats_.drill);
    lefts_ = LeftValues(stats_.drill);
    update();
}

QRectF FactMapView::cellRect(int col, int row) const {
    return cellRect(std::min(width(), height()), col, row);
}

QRectF FactMapView::cellRect(double side, int col, int row) const {
    const double cell = side / double(tops_.size() + 1);
    return {col * cell, row * cell, cell, cell};
}

const FactStat* FactMapView::StatAt(const QPoint& pos) const {
    for (int row = 1; row <= lefts_.size(); ++row)
        for (int col = 1; col <= tops_.size(); ++col)
            if (cellRect(col, row).contains(pos))
                return stats_.Find(Fact{tops_[col - 1], lefts_[row - 1]});
    return nullptr;
}

QColor FactMapView::ColorOf(const FactStat& stat) const {
    return stat.seen == 0 ? NoRecordColor() : WeaknessColor(stats_.Weakness(stat));
}

QColor FactMapView::WeaknessColor(double weakness) {
    const double w = std::clamp(weakness, 0.0, 1.0);
    const QColor good(170, 225, 170), middle(255, 225, 120), bad(240, 120, 110);
    auto mix = [](const QColor& a, const QColor& b, double t) {
        return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                                float(a.greenF() + (b.greenF() - a.greenF()) * t),
                                float(a.blueF() + (b.blueF() - a.blueF()) * t));
    };
    return w < 0.5 ? mix(good, middle, w * 2) : mix(middle, bad, (w - 0.5) * 2);
}

QString FactMapView::ToolTipOf(const FactStat& stat) const {
    const QString problem =
        FactText(stats_.drill, stat.fact) + QStringLiteral(" = %1").arg(FactAnswer(stats_.drill, stat.fact));
    if (stat.seen == 0)
        return problem + tr("\nまだ記録がありません");
    QString text =
        problem +
        tr("\nまちがい %1 / %2 回（%3%）").arg(stat.wrong).arg(stat.seen).arg(qRound(stat.ErrorRate() * 100));
    if (stat.medianMs >= 0)
        text += tr("\n答えるまでの時間（中央値） %1 秒").arg(stat.medianMs / 1000.0, 0, 'f', 1);
    return text;
}

void FactMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, std::min(width(), height()));
}

void FactMapView::Paint(QPainter& painter, double side) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont font = painter.font();
    font.setPixelSize(std::max(8, int(cellRect(side, 0, 0).height() * 0.38)));
    painter.setFont(font);
    painter.setPen(QColor(150, 150, 150));
    const QString symbol = stats_.drill == DrillKind::Addition      ? QStringLiteral("＋")
                           : stats_.drill == DrillKind::Subtraction ? QStringLiteral("－")
                           : stats_.drill == DrillKind::Kuku        ? tr("九九")
                                                                    : QStringLiteral("×");
    for (int row = 0; row <= lefts_.size(); ++row)
        for (int col = 0; col <= tops_.size(); ++col) {
            const QRectF rect = cellRect(side, col, row);
            QString text;
            QColor fill(215, 230, 245);
            if (row == 0 && col == 0) {
                text = symbol;
            } else if (row == 0) {
                text = QString::number(tops_[col - 1]);
            } else if (col == 0) {
                text = QString::number(lefts_[row - 1]);
            } else if (const FactStat* stat = stats_.Find(Fact{tops_[col - 1], lefts_[row - 1]})) {
                fill = ColorOf(*stat);
                if (stat->wrong > 0)
                    text = QString::number(stat->wrong);
            }
            painter.fillRect(rect, fill);
            painter.setPen(QColor(160, 160, 160));
            painter.drawRect(rect);
            painter.setPen(Qt::black);
            painter.drawText(rect, Qt::AlignCenter, text);
        }
}

bool FactMapView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (const FactStat* stat = StatAt(help->pos()))
            QToolTip::showText(help->globalPos(), ToolTipOf(*stat), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
