// A history held in memory, with the same statistics as the real store.
#pragma once

#include "progress/HistoryStore.h"

#include <QObject>
#include <QPointer>

class FakeHistory : public HistoryStore {
public:
    bool Record(const Attempt& attempt) override {
        if (failWrites) {
            pending << attempt;
            return false;
        }
        Flush();
        Attempt kept = attempt;
        kept.id = ++lastId_;
        attempts << kept;
        return true;
    }
    void Flush() override {
        if (failWrites)
            return;
        for (Attempt& held : pending) {
            held.id = ++lastId_;
            attempts << held;
        }
        pending.clear();
    }
    // At once, or (holdAnswers) when the test releases them, in any order.
    void ReadChildren(QObject* context, std::function<void(QStringList)> done) override {
        answer(context, [this, done] { done(Children()); });
    }
    void ReadProgress(const QString& child, DrillKind drill, const QDateTime& since, QObject* context,
                      std::function<void(ChildProgress)> done) override {
        answer(context, [=, this] { done({Attempts(child, drill, since), Facts(child, drill, since)}); });
    }

    QStringList Children() {
        ++childrenAsked;
        QStringList names;
        for (const Attempt& a : attempts)
            if (!names.contains(a.child))
                names << a.child;
        names.sort();
        return names;
    }
    QList<Attempt> Attempts(const QString& child, DrillKind drill, const QDateTime& since) {
        QList<Attempt> found;
        for (Attempt a : attempts)
            if (a.child == child && a.drill == drill && (!since.isValid() || a.startedUtc >= since)) {
                a.cells.clear();
                found << a;
            }
        std::stable_sort(found.begin(), found.end(),
                         [](const Attempt& x, const Attempt& y) { return x.startedUtc < y.startedUtc; });
        return found;
    }
    FactStats Facts(const QString& child, DrillKind drill, const QDateTime& since) {
        FactStatsBuilder builder(drill);
        for (const Attempt& a : attempts)
            if (a.child == child && a.drill == drill && (!since.isValid() || a.startedUtc >= since)) {
                std::vector<AnswerSample> cells;
                for (const AnswerCell& c : a.cells)
                    cells.push_back(AnswerSample{c.top, c.left, c.right, c.lastKeyMs});
                builder.AddAttempt(std::move(cells));
            }
        return builder.Finish();
    }

    QList<Attempt> attempts;
    QList<Attempt> pending;
    bool failWrites = false;
    int childrenAsked = 0;
    bool holdAnswers = false;
    QList<std::function<void()>> held;

private:
    void answer(QObject* context, std::function<void()> read) {
        if (holdAnswers)
            held << [target = QPointer<QObject>(context), read] {
                if (target)
                    read();
            };
        else
            read();
    }

    std::int64_t lastId_ = 0;
};
