#include "progress/ParentReport.h"

#include "drill/DrillTime.h"
#include "platform/print/Printer.h"
#include "print/WorksheetPrint.h"
#include "progress/ChartPoints.h"
#include "progress/FactMapView.h"
#include "widgets/Fonts.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <memory>

namespace {
// The texts of the report speak the chosen language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ParentReport)
};
} // namespace

namespace {
constexpr std::array kDrills{DrillKind::Addition, DrillKind::Subtraction, DrillKind::Multiplication,
                             DrillKind::Kuku};

// The page in millimetres, from the top-left corner of the printable area.
constexpr double kMarginMm = 12;
constexpr double kTopMm = 8;
constexpr double kPageMm = 282;    // the height the page needs; a shorter paper scales it down
constexpr double kContentMm = 180; // the width it needs
constexpr double kRowMm = 8.5;
constexpr double kChartMm = 58;
constexpr double kMapMm = 76;
constexpr int kMaxImageDpi = 600;

const QColor kHeadingColor(30, 70, 140);
const QColor kTimeColor(32, 120, 200);
const QColor kBestColor(40, 150, 60);
const QColor kWrongColor(220, 50, 40);
const QColor kRuleColor(150, 150, 150);

QString dateText(const QDate& date) {
    return Texts::tr("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

// Draws in millimetres on a picture of a given resolution.
struct Picture {
    Picture(QSizeF mm, double dpi)
        : image(QSize(int(mm.width() * dpi / 25.4), int(mm.height() * dpi / 25.4)), QImage::Format_RGB32),
          pxPerMm(dpi / 25.4) {
        image.fill(Qt::white);
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
    }
    double px(double mm) const { return mm * pxPerMm; }
    QRectF rect(double x, double y, double w, double h) const { return {px(x), px(y), px(w), px(h)}; }
    void font(double heightMm, bool bold = false) {
        painter.setFont(LayoutFont(kGothicFace, std::max(1, qRound(px(heightMm))), bold));
    }

    QImage image;
    double pxPerMm;
    QPainter painter;
};

// A step of the time axis that gives at most six lines.
int secondsStep(double top) {
    for (int step : {10, 30, 60, 120, 300, 600, 1200, 1800})
        if (top / step <= 6)
            return step;
    return int(std::ceil(top / 6 / 3600)) * 3600;
}

void drawLegendLine(Picture& p, double x, double y, const QColor& color, double widthMm, bool dot,
                    const QString& text) {
    if (dot) {
        p.painter.setPen(QPen(Qt::white, p.px(0.3)));
        p.painter.setBrush(color);
        p.painter.drawEllipse(QPointF(p.px(x + 3), p.px(y)), p.px(0.9), p.px(0.9));
    } else {
        p.painter.setPen(QPen(color, p.px(widthMm)));
        p.painter.drawLine(QPointF(p.px(x), p.px(y)), QPointF(p.px(x + 6), p.px(y)));
    }
    p.painter.setPen(Qt::black);
    p.painter.drawText(QPointF(p.px(x + 7.5), p.px(y + 1.1)), text);
}

// The time chart as the window draws it, for paper: the line of times, the
// best so far as steps and the attempts with wrong answers marked. There is
// at least one attempt.
QImage chartImage(const ParentReport& report, QSizeF mm, double dpi) {
    Picture p(mm, dpi);
    QPainter& painter = p.painter;
    const QRectF plot = p.rect(15, 8, mm.width() - 19, mm.height() - 16);
    p.font(3.2);
    const ChartPoints points = ChartPointsOf(report.attempts);
    const int offset = report.attempts.last().utcOffsetSeconds;
    const QDateTime first = report.attempts.first().startedUtc, last = report.attempts.last().startedUtc;
    const qint64 margin = std::max<qint64>(3600, first.secsTo(last) / 20);
    const double xMin = double(first.addSecs(-margin).toMSecsSinceEpoch());
    const double xMax = double(last.addSecs(margin).toMSecsSinceEpoch());
    const int step = secondsStep(std::max(60.0, points.slowest) * 1.1);
    const double top = std::ceil(std::max(60.0, points.slowest) * 1.1 / step) * step;
    const auto at = [&](const QPointF& point) {
        return QPointF(plot.left() + (point.x() - xMin) / (xMax - xMin) * plot.width(),
                       plot.bottom() - point.y() / top * plot.height());
    };

    // Seconds up the side, dates along the bottom, light lines across.
    painter.setPen(QPen(QColor(215, 215, 215), p.px(0.2)));
    for (int s = 0; s <= top; s += step)
        painter.drawLine(at({xMin, double(s)}), at({xMax, double(s)}));
    painter.setPen(Qt::black);
    for (int s = 0; s <= top; s += step) {
        const QPointF y = at({xMin, double(s)});
        painter.drawText(QRectF(0, y.y() - p.px(2.5), plot.left() - p.px(1.5), p.px(5)),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(s));
    }
    painter.drawText(QRectF(0, 0, plot.left() - p.px(1.5), p.px(5)), Qt::AlignRight | Qt::AlignVCenter,
                     Texts::tr("秒"));
    const bool hours = first.daysTo(last) < 2;
    const int ticks = 6;
    for (int i = 0; i < ticks; ++i) {
        const double x = xMin + (xMax - xMin) * (i + 0.5) / ticks;
        const QDateTime when = QDateTime::fromMSecsSinceEpoch(qint64(x), Qt::UTC).toOffsetFromUtc(offset);
        const QPointF base = at({x, 0});
        painter.setPen(QPen(Qt::black, p.px(0.25)));
        painter.drawLine(base, base + QPointF(0, p.px(1)));
        painter.drawText(QRectF(base.x() - p.px(15), base.y() + p.px(1.5), p.px(30), p.px(5)),
                         Qt::AlignCenter,
                         when.toString(hours ? QStringLiteral("M/d H:mm") : QStringLiteral("M/d")));
    }
    painter.setPen(QPen(Qt::black, p.px(0.3)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);

    painter.save();
    painter.setClipRect(plot.adjusted(-p.px(1), -p.px(1), p.px(1), p.px(1)));
    const int columns = int(std::ceil(plot.width()));
    const QList<QPointF> times = ReduceToColumns(points.times, xMin, xMax, columns);
    QPolygonF line;
    for (const QPointF& point : times)
        line << at(point);
    painter.setPen(QPen(kTimeColor, p.px(0.35), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
    // Each attempt's point while they stand apart.
    if (points.times.size() * p.px(2) <= plot.width()) {
        painter.setBrush(kTimeColor);
        for (const QPointF& point : line)
            painter.drawEllipse(point, p.px(0.6), p.px(0.6));
    }
    QPolygonF best;
    for (const QPointF& point : points.best)
        best << at(point);
    painter.setPen(QPen(kBestColor, p.px(0.6), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(best);
    painter.setPen(QPen(Qt::white, p.px(0.3)));
    painter.setBrush(kWrongColor);
    for (const QPointF& mark :
         ThinMarks(points.wrong, QRectF(xMin, 0, xMax - xMin, top), plot.size(), p.px(0.6)))
        painter.drawEllipse(at(mark), p.px(0.9), p.px(0.9));
    painter.restore();

    const double legendX = mm.width() - 95;
    drawLegendLine(p, legendX, 3.5, kTimeColor, 0.35, false, Texts::tr("時間"));
    drawLegendLine(p, legendX + 25, 3.5, kBestColor, 0.6, false, Texts::tr("ベストタイム"));
    drawLegendLine(p, legendX + 60, 3.5, kWrongColor, 0, true, Texts::tr("まちがいあり"));
    painter.end();
    return p.image;
}

// Where each key of the fact map's legend stands under the map, in mm. The
// Japanese keys have their places; words too long for them flow in rows.
constexpr double kKeyTextMm = 2.9, kKeyRowMm = 5.5;

QList<QPointF> legendPlaces(const QStringList& texts, double mapMm, double dpi) {
    const QFontMetricsF metrics(LayoutFont(kGothicFace, std::max(1, qRound(kKeyTextMm * dpi / 25.4)), false));
    const auto widthMm = [&](const QString& text) { return metrics.horizontalAdvance(text) * 25.4 / dpi; };
    const QList<QPointF> places{{0, 0}, {0, kKeyRowMm}, {30, 0}, {58, 0}}; // the long one on a line of its own
    bool fit = true;
    for (int i = 0; i < texts.size(); ++i) {
        const double end = i == 0 ? 30 : i == 2 ? 58 : mapMm;
        fit = fit && places[i].x() + 5 + widthMm(texts[i]) <= end;
    }
    if (fit)
        return places;
    QList<QPointF> flowed;
    double x = 0, y = 0;
    for (const QString& text : texts) {
        const double width = 5 + widthMm(text) + 3;
        if (x > 0 && x + width > mapMm) {
            x = 0;
            y += kKeyRowMm;
        }
        flowed << QPointF(x, y);
        x += width;
    }
    return flowed;
}

// The legend's height under the map for these places.
double legendHeight(const QList<QPointF>& places) {
    double bottom = 0;
    for (const QPointF& place : places)
        bottom = std::max(bottom, place.y());
    return std::max(12.0, bottom + kKeyRowMm + 1.5);
}

QStringList legendTexts() {
    return {Texts::tr("よくできている"), Texts::tr("時間がかかる・ときどきまちがえる"), Texts::tr("よくまちがえる"),
            Texts::tr("記録なし")};
}

// The fact map as the window shows it, with its legend under it.
QImage factMapImage(const FactStats& facts, double mapMm, const QList<QPointF>& places, double dpi) {
    const double legendMm = legendHeight(places);
    Picture p(QSizeF(mapMm, mapMm + legendMm), dpi);
    FactMapView map;
    map.SetStats(facts);
    p.font(3);
    p.painter.save();
    // The map's own lines and numbers grow with it.
    const double side = 360;
    p.painter.scale(p.px(mapMm) / side, p.px(mapMm) / side);
    map.Paint(p.painter, side);
    p.painter.restore();
    const QColor colors[] = {FactMapView::WeaknessColor(0), FactMapView::WeaknessColor(0.5),
                             FactMapView::WeaknessColor(1), FactMapView::NoRecordColor()};
    const QStringList texts = legendTexts();
    p.font(kKeyTextMm);
    for (int i = 0; i < 4; ++i) {
        const double keyX = places[i].x(), keyY = mapMm + 2 + places[i].y();
        p.painter.setPen(QPen(QColor(150, 150, 150), p.px(0.2)));
        p.painter.setBrush(colors[i]);
        p.painter.drawRect(p.rect(keyX, keyY, 4, 4));
        p.painter.setPen(Qt::black);
        p.painter.drawText(p.rect(keyX + 5, keyY - 0.5, mapMm - keyX - 5, 5), Qt::AlignLeft | Qt::AlignVCenter,
                           texts[i]);
    }
    p.painter.end();
    return p.image;
}

// The page on the printer's canvas, in millimetres scaled to the paper.
class ReportPage {
public:
    explicit ReportPage(TPrinter& printer)
        : printer_(printer), canvas_(printer.Canvas()),
          scale_(std::min({1.0, printer.PageHeight() / (kPageMm * printer.DpiY() / 25.4),
                           printer.PageWidth() / ((kContentMm + 2 * kMarginMm) * printer.DpiX() / 25.4)})) {}

    int x(double mm) const { return int((kMarginMm + mm) * scale_ * printer_.DpiX() / 25.4); }
    int y(double mm) const { return int(mm * scale_ * printer_.DpiY() / 25.4); }
    double imageDpi() const { return std::min(double(kMaxImageDpi), printer_.DpiX() * scale_); }

    void text(double xMm, double yMm, const QString& text, double points, bool bold = false,
              const QColor& color = Qt::black) {
        canvas_.AssignFont(LayoutFont(kGothicFace, 12, bold), color, 72);
        canvas_.SetFontSize(std::max(1, qRound(points * scale_)));
        canvas_.TextOut(x(xMm), y(yMm), text);
    }
    // How wide text prints at this size, in millimetres.
    double widthMm(const QString& text, double points) {
        canvas_.AssignFont(LayoutFont(kGothicFace, 12, false), Qt::black, 72);
        canvas_.SetFontSize(std::max(1, qRound(points * scale_)));
        return canvas_.TextWidth(text) / (scale_ * printer_.DpiX() / 25.4);
    }
    // A rule across, penMm thick.
    void line(double xMm, double yMm, double widthMm, double penMm, const QColor& color) {
        canvas_.SetPenColor(color);
        canvas_.SetPenWidth(std::max(1, y(penMm / 2)));
        canvas_.SetBrushStyle(BrushStyle::Clear);
        canvas_.Rectangle(x(xMm), y(yMm), x(xMm + widthMm), y(yMm) + 2);
    }
    void frame(double xMm, double yMm, double widthMm, double heightMm, const QColor& color) {
        canvas_.SetPenColor(color);
        canvas_.SetPenWidth(std::max(1, y(0.15)));
        canvas_.SetBrushStyle(BrushStyle::Clear);
        canvas_.Rectangle(x(xMm), y(yMm), x(xMm + widthMm), y(yMm + heightMm));
    }
    void heading(double xMm, double yMm, const QString& title, double widthMm) {
        text(xMm, yMm, title, 13, true, kHeadingColor);
        line(xMm, yMm + 6.5, widthMm, 0.5, kHeadingColor);
    }
    void image(double xMm, double yMm, double widthMm, double heightMm, const QImage& picture) {
        canvas_.DrawImage(QRect(QPoint(x(xMm), y(yMm)), QPoint(x(xMm + widthMm), y(yMm + heightMm))),
                          picture);
    }

private:
    TPrinter& printer_;
    PrinterCanvas& canvas_;
    double scale_;
};

void drawReport(TPrinter& printer, const ParentReport& report) {
    ReportPage page(printer);
    PrinterCanvas& canvas = printer.Canvas();
    canvas.SetPenColor(Qt::black);
    canvas.SetBrushStyle(BrushStyle::Clear);

    double y = kTopMm;
    page.text(0, y, Texts::tr("成績レポート"), 22, true);
    y += 12;
    page.text(0, y, Texts::tr("名前：") + report.child.left(40), 15);
    y += 8;
    page.text(0, y, Texts::tr("期間：") + PeriodText(report.from, report.to), 12);
    y += 10;

    page.heading(0, y, Texts::tr("ドリルごとのタイム"), kContentMm);
    y += 9;
    // Each column starts where it did for the Japanese words, or later when
    // the words before it are longer.
    double columns[] = {2, 38, 78, 140};
    const QString headers[] = {Texts::tr("ドリル"), Texts::tr("ベストタイム"),
                               Texts::tr("さいきんのタイム（正解）"), Texts::tr("回数")};
    for (int i = 0; i < 3; ++i) {
        double widest = page.widthMm(headers[i], 10);
        for (const DrillRecord& record : report.records) {
            const QString cell = i == 0 ? DrillLabel(record.drill) : i == 1 ? BestText(record) : LatestText(record);
            widest = std::max(widest, page.widthMm(cell, 13));
        }
        columns[i + 1] = std::max(columns[i + 1], columns[i] + widest + 4);
    }
    for (int i = 0; i < 4; ++i)
        page.text(columns[i], y + 1.5, headers[i], 10, false, QColor(80, 80, 80));
    y += kRowMm;
    for (const DrillRecord& record : report.records) {
        page.line(0, y - 0.5, kContentMm, 0.25, kRuleColor);
        page.text(columns[0], y + 1, DrillLabel(record.drill), 13);
        page.text(columns[1], y + 1, BestText(record), 13);
        page.text(columns[2], y + 1, LatestText(record), 13);
        page.text(columns[3], y + 1, Texts::tr("%1 回").arg(record.attempts), 13);
        y += kRowMm;
    }
    page.line(0, y - 0.5, kContentMm, 0.25, kRuleColor);
    y += 4;

    page.heading(0, y, Texts::tr("かかった時間（%1）").arg(DrillLabel(report.drill)), kContentMm);
    y += 9;
    if (report.attempts.isEmpty()) {
        page.frame(0, y, kContentMm, kChartMm, kRuleColor);
        page.text(60, y + kChartMm / 2 - 3, Texts::tr("この期間の記録はありません"), 12, false,
                  QColor(90, 90, 90));
    } else {
        page.image(0, y, kContentMm, kChartMm,
                   chartImage(report, QSizeF(kContentMm, kChartMm), page.imageDpi()));
    }
    y += kChartMm + 4;

    const QList<QPointF> keyPlaces = legendPlaces(legendTexts(), kMapMm, page.imageDpi());
    const double legendMm = legendHeight(keyPlaces);
    constexpr double rightMm = kMapMm + 12;
    page.heading(0, y, Texts::tr("問題ごとのできぐあい（%1）").arg(DrillLabel(report.drill)), kMapMm);
    page.heading(rightMm, y, Texts::tr("練習するとよい問題"), kContentMm - rightMm);
    y += 9;
    page.image(0, y, kMapMm, kMapMm + legendMm,
               factMapImage(report.facts, kMapMm, keyPlaces, page.imageDpi()));
    page.text(0, y + kMapMm + legendMm, Texts::tr("ます目の数字はまちがえた回数です。"), 9);
    const QStringList practise = PracticeFacts(report.facts);
    if (practise.isEmpty()) {
        page.text(rightMm + 2, y + 2, Texts::tr("苦手な問題はまだ見つかっていません"), 12);
    } else {
        for (int i = 0; i < practise.size(); ++i)
            page.text(rightMm + 4, y + 1 + i * 8.5, practise[i], 18);
        page.text(rightMm + 2, y + 2 + practise.size() * 8.5,
                  Texts::tr("まちがいが多い問題と、答えるのに時間が"), 9);
        page.text(rightMm + 2, y + 6.5 + practise.size() * 8.5,
                  Texts::tr("かかる問題を、苦手な順にならべました。"), 9);
    }
    page.text(0, kPageMm - 5, WorksheetNotice() + Texts::tr("　作成日：") + dateText(report.to), 8, false,
              QColor(90, 90, 90));
}
} // namespace

DrillRecord RecordOf(DrillKind drill, const QList<Attempt>& attempts) {
    DrillRecord record;
    record.drill = drill;
    record.attempts = int(attempts.size());
    for (const Attempt& a : attempts)
        if (a.AllCorrect() && (!record.bestMs || a.durationMs < *record.bestMs))
            record.bestMs = a.durationMs;
    if (!attempts.isEmpty())
        record.latest = attempts.last();
    return record;
}

QString PeriodText(const QDate& from, const QDate& to) {
    return dateText(from) + Texts::tr(" 〜 ") + dateText(to);
}

QString BestText(const DrillRecord& record) {
    return record.bestMs ? FormatDrillTime(*record.bestMs) : Texts::tr("まだ");
}

QString LatestText(const DrillRecord& record) {
    if (!record.latest)
        return Texts::tr("まだ");
    return FormatDrillTime(record.latest->durationMs) +
           Texts::tr("（%1/%2）").arg(record.latest->score).arg(record.latest->fullScore);
}

QStringList PracticeFacts(const FactStats& facts, int count) {
    QStringList texts;
    for (const FactStat& stat : facts.Weakest(count))
        texts << FactText(facts.drill, stat.fact);
    return texts;
}

void ReadParentReport(HistoryReader& history, const QString& child, DrillKind drill, const QDateTime& since,
                      const QDateTime& now, QObject* context, std::function<void(ParentReport)> done) {
    struct Gathering {
        ParentReport report;
        int waiting = int(kDrills.size());
        QDate first; // of every drill's attempts
        std::function<void(ParentReport)> done;
    };
    auto gathering = std::make_shared<Gathering>();
    gathering->done = std::move(done);
    ParentReport& report = gathering->report;
    report.child = ChildLabel(child);
    report.drill = drill;
    report.to = now.date();
    report.from = since.isValid() ? since.toOffsetFromUtc(now.offsetFromUtc()).date() : QDate();
    report.facts = FactStatsBuilder(drill).Finish();
    for (DrillKind kind : kDrills)
        report.records << RecordOf(kind, {});
    for (DrillKind kind : kDrills)
        history.ReadProgress(child, kind, since, context, [gathering, kind](ChildProgress progress) {
            ParentReport& report = gathering->report;
            report.records[int(kind)] = RecordOf(kind, progress.attempts);
            if (!progress.attempts.isEmpty()) {
                const QDate first = progress.attempts.first().StartedLocal().date();
                if (!gathering->first.isValid() || first < gathering->first)
                    gathering->first = first;
            }
            if (kind == report.drill) {
                report.attempts = std::move(progress.attempts);
                report.facts = std::move(progress.facts);
            }
            if (--gathering->waiting > 0)
                return;
            if (!report.from.isValid())
                report.from = gathering->first.isValid() ? std::min(gathering->first, report.to) : report.to;
            gathering->done(std::move(report));
        });
}

void PrintParentReport(TPrinter& printer, const ParentReport& report) {
    PrintJob(printer, [&] { drawReport(printer, report); });
}
